// SPDX-License-Identifier: GPL-3.0-or-later
// The formula reader: the catalogue's laws against their provers, readings
// and their errors, random formulas against a direct evaluation, and random
// bytes.

#include "formula.h"
#include "formula_printer.h"
#include "law_catalogue.h"
#include "law_proof.h"
#include "proof_helpers.h"

#include <QTest>

#include <functional>
#include <memory>
#include <random>

namespace {

std::u32string charactersOf(const QByteArray &utf8) { return QString::fromUtf8(utf8).toStdU32String(); }

auto tabulate(const std::string &utf8) {
    return formulas::tabulate(charactersOf(QByteArray::fromStdString(utf8)));
}
auto tabulate(std::string_view utf8) { return tabulate(std::string(utf8)); }

// A reader's error as "expected operand at 4"; the words are the program's.
QByteArray summaryOf(const formulas::ReadError &error) {
    static constexpr const char *codes[] = {"empty formula",
                                            "empty left side",
                                            "empty right side",
                                            "expected operand",
                                            "expected operator",
                                            "expected operator or =",
                                            "expected operator or )",
                                            "expected )",
                                            ") without (",
                                            "second =",
                                            "expected ->",
                                            "expected <-->",
                                            "unknown character",
                                            "too long",
                                            "too many variables"};
    QByteArray summary =
        QByteArray(codes[int(error.code)]) + " at " + QByteArray::number(qulonglong(error.position));
    if (error.character)
        summary += " U+" + QByteArray::number(uint(error.character), 16);
    return summary;
}

// A table as "AB:0111" (the variables, then the left column), with "=0111"
// for the right column where there is an "="; an error as its message.
QByteArray summaryOf(const std::variant<formulas::TruthTable, formulas::ReadError> &result) {
    if (const auto *error = std::get_if<formulas::ReadError>(&result))
        return summaryOf(*error);
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
                QCOMPARE((std::array<bool, 3>{tableRow.values[0], tableRow.values[1], tableRow.values[2]}),
                         (std::array<bool, 3>{a == 1, b == 1, c == 1}));
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
        QTest::newRow("empty") << QByteArray("") << QByteArray("empty formula at 1");
        QTest::newRow("blank") << QByteArray("   ") << QByteArray("empty formula at 1");
        QTest::newRow("empty left side") << QByteArray(" = A") << QByteArray("empty left side at 2");
        QTest::newRow("empty right side") << QByteArray("A = ") << QByteArray("empty right side at 5");
        QTest::newRow("second =") << QByteArray("A = B = C") << QByteArray("second = at 7");
        QTest::newRow("unclosed (") << QByteArray("(A ^ B") << QByteArray("expected ) at 7");
        QTest::newRow("two operands") << QByteArray("A B") << QByteArray("expected operator or = at 3");
        QTest::newRow("two operands in (")
            << QByteArray("(A B)") << QByteArray("expected operator or ) at 4");
        QTest::newRow("two operands after =")
            << QByteArray("A = B C") << QByteArray("expected operator at 7");
        QTest::newRow("missing operand") << QByteArray("A ^") << QByteArray("expected operand at 4");
        QTest::newRow("operand is )") << QByteArray("A ^ )") << QByteArray("expected operand at 5");
        QTest::newRow("unopened )") << QByteArray("A)") << QByteArray(") without ( at 2");
        QTest::newRow("Cyrillic") << QByteArray("A ^ Я") << QByteArray("unknown character at 5 U+42f");
        QTest::newRow("bell") << QByteArray("A\a") << QByteArray("unknown character at 2 U+7");
        QTest::newRow("right-to-left mark")
            << QByteArray("A\u200F") << QByteArray("unknown character at 2 U+200f");
        QTest::newRow("Xo: X is a variable")
            << QByteArray("A Xo B") << QByteArray("expected operator or = at 3");
        QTest::newRow("Xor wherever it stands") << QByteArray("XXorY") << QByteArray("XY:0110");
        QTest::newRow("Xor where an operand must be")
            << QByteArray("Xor X") << QByteArray("expected operand at 1");
        QTest::newRow("columns in alphabetical order") << QByteArray("Z ^ !A") << QByteArray("AZ:0100");
        QTest::newRow("six variables")
            << QByteArray("U^V^W^X^Y^Z") << QByteArray("UVWXYZ:").append(QByteArray(63, '0') + '1');
        QTest::newRow("a seventh variable")
            << QByteArray("A ^ B v C ^ D v E ^ F v A ^ G") << QByteArray("too many variables at 29 U+47");
        QTest::newRow("-") << QByteArray("A - B") << QByteArray("expected -> at 3");
        QTest::newRow("<->") << QByteArray("A <-> B") << QByteArray("expected <--> at 3");
        QTest::newRow("byte 0xFF, decoded as U+FFFD")
            << QByteArray("A \xff") << QByteArray("unknown character at 3 U+fffd");
        QTest::newRow("1001 Cyrillic") << QByteArray("Ж").repeated(1001) << QByteArray("too long at 1001");
        QTest::newRow("999 ( and A") << QByteArray(999, '(') + 'A' << QByteArray("expected ) at 1001");
    }
    void readings() {
        QFETCH(QByteArray, formula);
        QFETCH(QByteArray, summary);
        QCOMPARE(summaryOf(formulas::tabulate(charactersOf(formula))), summary);
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
                for (const formulas::TableRow &row : table.rows) {
                    std::array<bool, 3> letters{};
                    for (std::size_t column = 0; column < table.variables.size(); ++column)
                        letters[std::size_t(table.variables[column] - 'A')] = row.values[column];
                    QVERIFY2(row.left == left->value(letters) &&
                                 row.right == (!equals || right->value(letters)),
                             context);
                }
            }
        }
    }

    // The printer writes what a careful hand writes: the fewest parentheses,
    // one blank around each binary operator; reading it gives the same tree.
    void printed_formulas_read_back_as_the_same_tree() {
        std::mt19937 random(20240602);
        const std::function<bool()> blank = [] { return true; };
        for (int i = 0; i < 2000; ++i) {
            const std::string minimal = randomTree(random, 6)->minimal(blank);
            const auto read = formulas::readTree(charactersOf(QByteArray::fromStdString(minimal)));
            QVERIFY2(std::holds_alternative<formulas::Equation>(read), minimal.c_str());
            const formulas::Tree tree = std::get<formulas::Equation>(read).left;
            QCOMPARE(formulas::printed(tree), minimal);
            const auto again =
                formulas::readTree(charactersOf(QByteArray::fromStdString(formulas::printed(tree))));
            QVERIFY(formulas::sameTree(std::get<formulas::Equation>(again).left, tree));
        }
    }

    void printer_data() {
        QTest::addColumn<QByteArray>("formula");
        QTest::addColumn<QByteArray>("printed");
        QTest::newRow("^ grouped from the right keeps (")
            << QByteArray("A^(B^C)") << QByteArray("A ^ (B ^ C)");
        QTest::newRow("^ grouped from the left drops (")
            << QByteArray("((A^B)^C)") << QByteArray("A ^ B ^ C");
        QTest::newRow("-> grouped from the right drops (")
            << QByteArray("A->(B->C)") << QByteArray("A -> B -> C");
        QTest::newRow("-> grouped from the left keeps (")
            << QByteArray("(A->B)->C") << QByteArray("(A -> B) -> C");
        QTest::newRow("! straight before") << QByteArray("!A v !(B^C)") << QByteArray("!A v !(B ^ C)");
        QTest::newRow("both sides") << QByteArray("(!A)^(!B) v A^B=X Xor 1")
                                    << QByteArray("!A ^ !B v A ^ B = X Xor 1");
    }
    void printer() {
        QFETCH(QByteArray, formula);
        QFETCH(QByteArray, printed);
        const auto read = formulas::readTree(charactersOf(formula));
        QCOMPARE(QByteArray::fromStdString(formulas::printed(std::get<formulas::Equation>(read))), printed);
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
            const auto result = formulas::tabulate(charactersOf(bytes));
            if (const auto *table = std::get_if<formulas::TruthTable>(&result)) {
                QCOMPARE(table->rows.size(), std::size_t(1) << table->variables.size());
                continue;
            }
            const auto &error = std::get<formulas::ReadError>(result);
            QVERIFY(error.position >= 1 && error.position <= formulas::maxFormulaLength + 1);
            QVERIFY(error.code <= formulas::ReadErrorCode::TooManyVariables);
        }
    }
};

QTEST_APPLESS_MAIN(FormulasTest)
#include "formulas_test.moc"
