// SPDX-License-Identifier: GPL-3.0-or-later
// The formula reader: the catalogue's laws against their provers, readings
// and their errors, random formulas against a direct evaluation, and random
// bytes.

#include "formula.h"
#include "law_catalogue.h"
#include "law_proof.h"
#include "proof_helpers.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>

#include <functional>
#include <memory>
#include <random>

using formulas::tabulate;

namespace {

// A table as "AB:0111" (the variables, then the left column), with "=0111"
// for the right column where there is an "="; an error as its message.
QByteArray summaryOf(const std::variant<formulas::TruthTable, formulas::ReadError> &result) {
    if (const auto *error = std::get_if<formulas::ReadError>(&result))
        return QByteArray::fromStdString(error->message);
    const auto &table = std::get<formulas::TruthTable>(result);
    QByteArray left, right;
    for (const formulas::TableRow &row : table.rows) {
        left += row.left ? '1' : '0';
        right += row.right ? '1' : '0';
    }
    return QByteArray(table.variables.data(), qsizetype(table.variables.size())) + ':' + left +
           (table.hasEquals ? '=' + right : QByteArray());
}

// A random formula as a tree, printed fully and minimally parenthesised.
struct Node {
    enum Kind { A, B, C, False, True, Not, And, Or, Xor, Implies, Equivalent } kind;
    std::unique_ptr<Node> left, right;

    bool value(const std::array<bool, 3> &v) const {
        if (kind <= C)
            return v[kind];
        if (kind <= True)
            return kind == True;
        const bool l = left->value(v);
        if (kind == Not)
            return !l;
        const bool r = right->value(v);
        return std::array{l && r, l || r, l != r, !l || r, l == r}[kind - And];
    }
    // Binding strength, loosest 1; the tables below are indexed by kind.
    int binding() const { return std::array{9, 9, 9, 9, 9, 6, 5, 4, 3, 2, 1}[kind]; }
    std::string symbol() const {
        return std::array<const char *, 11>{
            "A", "B", "C", "0", "1", "!", "^", "v", "Xor", "->", "<-->"}[kind];
    }
    std::string full() const {
        if (!left)
            return symbol();
        if (!right)
            return "!(" + left->full() + ")";
        return "(" + left->full() + ") " + symbol() + " (" + right->full() + ")";
    }
    // blank: 0 or 1 blank around operators, as the random source says.
    std::string minimal(const std::function<bool()> &blank) const {
        if (!left)
            return symbol();
        const auto wrapped = [&](const Node &child, bool tie) {
            const bool parens = child.binding() < binding() || (child.binding() == binding() && tie);
            return parens ? "(" + child.minimal(blank) + ")" : child.minimal(blank);
        };
        if (!right)
            return "!" + wrapped(*left, false);
        const std::string gap = blank() ? " " : "";
        return wrapped(*left, kind == Implies) + gap + symbol() + gap + wrapped(*right, kind != Implies);
    }
};

std::unique_ptr<Node> randomTree(std::mt19937 &random, int depth) {
    auto node = std::make_unique<Node>();
    node->kind = Node::Kind(depth == 0 || random() % 3 == 0 ? random() % 5 : 5 + random() % 6);
    if (node->kind >= Node::Not)
        node->left = randomTree(random, depth - 1);
    if (node->kind > Node::Not)
        node->right = randomTree(random, depth - 1);
    return node;
}

} // namespace

class FormulasTest : public QObject {
    Q_OBJECT

private slots:
    void catalogue_laws_are_identities_over_their_variables() {
        for (const catalogue::LawRow &law : catalogue::lawCatalogue) {
            const auto result = tabulate(law.formula);
            QVERIFY2(std::holds_alternative<formulas::TruthTable>(result), summaryOf(result).constData());
            const auto &table = std::get<formulas::TruthTable>(result);
            QCOMPARE(table.variables.size(), std::size_t(law.variableCount[0] - '0'));
            QVERIFY(table.hasEquals);
            QVERIFY2(table.isIdentity(), law.formula.data());
        }
    }

    // Laws 1-4 end on their left side worked out ("... = True"), laws 7-10
    // on their right side, the others on "left = right".
    void provers_last_lines_agree_with_the_table() {
        for (std::int16_t row = 0; row < 21; ++row) {
            const catalogue::LawRow &law = catalogue::lawCatalogue[std::size_t(row)];
            const auto table = std::get<formulas::TruthTable>(tabulate(law.formula));
            const auto inputs = testing::allInputs(int(table.variables.size()));
            for (std::size_t i = 0; i < inputs.size(); ++i) {
                const auto [a, b, c] = inputs[i];
                const std::string proof =
                    provers::lawProof(row, law.name, law.formula, provers::formValuesOf(a, b, c));
                const auto lines = testing::linesOf(QByteArray::fromStdString(proof));
                const auto [x, y] = testing::sidesOf(lines.back());
                const formulas::TableRow &tableRow = table.rows[i];
                QCOMPARE(tableRow.values, (std::array<bool, 3>{a == 1, b == 1, c == 1}));
                const QByteArray name = testing::caseName(row, inputs[i]) + ": " + lines.back().c_str();
                if (row < 4 || (row >= 6 && row < 10))
                    QVERIFY2(testing::truthOf(y) == (row < 4 ? tableRow.left : tableRow.right), name);
                else
                    QVERIFY2(testing::truthOf(x) == tableRow.left && testing::truthOf(y) == tableRow.right,
                             name);
            }
        }
    }

    void readings_data() {
        QTest::addColumn<QByteArray>("formula");
        QTest::addColumn<QByteArray>("summary");
        const QByteArray at = "Грешка на позиция ";
        const QByteArray operand = "очаква се променлива (A, B, C), 0, 1, „!“ или „(“";
        const QByteArray operators = "очаква се оператор (^, v, Xor, ->, <-->)";
        QTest::newRow("-> groups from the right") << QByteArray("A -> B -> C") << QByteArray("ABC:11111101");
        QTest::newRow("! before ^") << QByteArray("!A ^ B") << QByteArray("AB:0100");
        QTest::newRow("^ before v") << QByteArray("A v B ^ C") << QByteArray("ABC:00011111");
        QTest::newRow("v before Xor") << QByteArray("A Xor B v C") << QByteArray("ABC:01111000");
        QTest::newRow("Xor before ->") << QByteArray("A -> B Xor C") << QByteArray("ABC:11110110");
        QTest::newRow("-> before <-->") << QByteArray("A <--> B -> C") << QByteArray("ABC:00101101");
        QTest::newRow("no blanks") << QByteArray("AvB=!A->B") << QByteArray("AB:0111=0111");
        QTest::newRow("blanks and tabs") << QByteArray("\t( ! A ) ^(!B) v A^B ") << QByteArray("AB:1001");
        QTest::newRow("constants") << QByteArray("1 = 0 <--> 0") << QByteArray(":1=1");
        QTest::newRow("only the variables used")
            << QByteArray("C ^ B = !(!C v !B)") << QByteArray("BC:0001=0001");
        QTest::newRow("no = is an identity") << QByteArray("A v !A") << QByteArray("A:11");
        QTest::newRow("no = fails") << QByteArray("A ^ !A") << QByteArray("A:00");
        QTest::newRow("999 nested !") << QByteArray(999, '!') + 'A' << QByteArray("A:10");
        QTest::newRow("499 nested (")
            << QByteArray(499, '(') + 'A' + QByteArray(499, ')') << QByteArray("A:01");
        QTest::newRow("empty") << QByteArray("") << at + "1: празна формула";
        QTest::newRow("blank") << QByteArray("   ") << at + "1: празна формула";
        QTest::newRow("empty left side") << QByteArray(" = A") << at + "2: празна лява страна преди „=“";
        QTest::newRow("empty right side") << QByteArray("A = ") << at + "5: празна дясна страна след „=“";
        QTest::newRow("second =") << QByteArray("A = B = C") << at + "7: второ „=“ не е позволено";
        QTest::newRow("unclosed (") << QByteArray("(A ^ B") << at + "7: очаква се „)“";
        QTest::newRow("two operands") << QByteArray("A B") << at + "3: " + operators + " или „=“";
        QTest::newRow("two operands in (") << QByteArray("(A B)") << at + "4: " + operators + " или „)“";
        QTest::newRow("two operands after =") << QByteArray("A = B C") << at + "7: " + operators;
        QTest::newRow("missing operand") << QByteArray("A ^") << at + "4: " + operand;
        QTest::newRow("operand is )") << QByteArray("A ^ )") << at + "5: " + operand;
        QTest::newRow("unopened )") << QByteArray("A)") << at + "2: „)“ няма своя „(“";
        QTest::newRow("Cyrillic") << QByteArray("A ^ Я") << at + "5: непознат знак „Я“";
        QTest::newRow("bell") << QByteArray("A\a") << at + "2: непознат знак U+0007";
        QTest::newRow("right-to-left mark") << QByteArray("A\u200F") << at + "2: непознат знак U+200F";
        QTest::newRow("Xo") << QByteArray("A Xo B") << at + "3: очаква се „Xor“";
        QTest::newRow("-") << QByteArray("A - B") << at + "3: очаква се „->“";
        QTest::newRow("<->") << QByteArray("A <-> B") << at + "3: очаква се „<-->“";
        QTest::newRow("byte 0xFF") << QByteArray("A \xff") << at + "3: текстът не е в UTF-8 (байт 0xFF)";
        QTest::newRow("overlong") << QByteArray("\xc0\x80") << at + "1: текстът не е в UTF-8 (байт 0xC0)";
        QTest::newRow("1001 Cyrillic")
            << QByteArray("Ж").repeated(1001) << at + "1001: формулата е по-дълга от 1000 знака";
        QTest::newRow("999 ( and A") << QByteArray(999, '(') + 'A' << at + "1001: очаква се „)“";
    }
    void readings() {
        QFETCH(QByteArray, formula);
        QFETCH(QByteArray, summary);
        QCOMPARE(summaryOf(tabulate(std::string_view(formula.constData(), std::size_t(formula.size())))),
                 summary);
    }

    // Set FORMULAS_SEED to replay a failure.
    void random_formulas_agree_with_their_trees() {
        const auto seed = qEnvironmentVariableIsSet("FORMULAS_SEED")
                              ? unsigned(qEnvironmentVariableIntValue("FORMULAS_SEED"))
                              : std::random_device()();
        std::mt19937 random(seed);
        const std::function<bool()> blank = [&random] { return random() % 2 == 0; };
        for (int i = 0; i < 2000; ++i) {
            const auto left = randomTree(random, 5), right = randomTree(random, 4);
            for (const std::string &text :
                 {left->full(), left->minimal(blank) + " = " + right->minimal(blank)}) {
                const bool equals = text.find('=') != std::string::npos;
                const QByteArray context =
                    "seed " + QByteArray::number(seed) + ": " + QByteArray::fromStdString(text);
                const auto result = tabulate(text);
                QVERIFY2(std::holds_alternative<formulas::TruthTable>(result),
                         context + " " + summaryOf(result));
                const auto &table = std::get<formulas::TruthTable>(result);
                std::string variables; // "Xor" holds none of the letters A, B, C
                for (char variable : {'A', 'B', 'C'})
                    if (text.find(variable) != std::string::npos)
                        variables += variable;
                QVERIFY2(std::string(table.variables.begin(), table.variables.end()) == variables, context);
                for (const formulas::TableRow &row : table.rows)
                    QVERIFY2(row.left == left->value(row.values) &&
                                 row.right == (!equals || right->value(row.values)),
                             context);
            }
        }
    }

    void random_bytes_give_a_table_or_a_message() {
        std::mt19937 random(20240601);
        static constexpr char symbols[] = "ABCabcv01!^()=-><Xor \t\n\0\a\x7f\xff\xc3\xa0\xed\xd0\xafЯ€𝔸";
        const QByteArray alphabet(symbols, sizeof symbols - 1);
        std::vector<QByteArray> inputs{QByteArray(100000, '('), QByteArray(100000, '!'),
                                       QByteArray(100000, '(') + 'A' + QByteArray(100000, ')')};
        for (int i = 0; i < 3000; ++i) {
            QByteArray bytes(qsizetype(i < 2 ? 4'000'000 : random() % 1200), 0);
            for (char &byte : bytes)
                byte = i % 3 ? alphabet[qsizetype(random() % alphabet.size())] : char(random());
            if (i % 3 == 2) // a law with one byte changed, to go wrong deeper in
                bytes = QByteArray(catalogue::lawCatalogue[std::size_t(i % 21)].formula.data())
                            .replace(qsizetype(random() % 20), 1, bytes.left(1));
            inputs.push_back(bytes);
        }
        for (const QByteArray &bytes : inputs) {
            const auto result = tabulate(std::string_view(bytes.constData(), std::size_t(bytes.size())));
            if (const auto *table = std::get_if<formulas::TruthTable>(&result)) {
                QCOMPARE(table->rows.size(), std::size_t(1) << table->variables.size());
                continue;
            }
            const auto &error = std::get<formulas::ReadError>(result);
            QVERIFY(error.position >= 1 && error.position <= formulas::maxFormulaLength + 1);
            const QByteArray message = QByteArray::fromStdString(error.message);
            QVERIFY2(message.startsWith("Грешка на позиция " +
                                        QByteArray::number(qulonglong(error.position)) + ": "),
                     message);
            QStringDecoder utf8(QStringDecoder::Utf8);
            QVERIFY2(!QString(utf8(message)).contains(QRegularExpression("[\\x00-\\x1f\\x7f]")) &&
                         !utf8.hasError(),
                     message.toHex());
        }
    }
};

QTEST_APPLESS_MAIN(FormulasTest)
#include "formulas_test.moc"
