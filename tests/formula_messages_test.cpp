// SPDX-License-Identifier: GPL-3.0-or-later
// The reader's errors as the student reads them, every word the program's own.

#include "formula_messages.h"

#include <QTest>

class FormulaMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void messages_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("message");
        const QString operators = QStringLiteral("очаква се оператор (^, v, Xor, ->, <-->)");
        QTest::newRow("empty") << ""
                               << "Грешка на позиция 1: празна формула";
        QTest::newRow("empty left") << " = A"
                                    << "Грешка на позиция 2: празна лява страна преди „=“";
        QTest::newRow("empty right") << "A = "
                                     << "Грешка на позиция 5: празна дясна страна след „=“";
        QTest::newRow("operand")
            << "A ^"
            << "Грешка на позиция 4: очаква се променлива (A, B, C, …, Z), 0, 1, „!“ или „(“";
        QTest::newRow("operator or =") << "A B"
                                       << "Грешка на позиция 3: " + operators + " или „=“";
        QTest::newRow("operator or )") << "(A B)"
                                       << "Грешка на позиция 4: " + operators + " или „)“";
        QTest::newRow("operator") << "A = B C"
                                  << "Грешка на позиция 7: " + operators;
        QTest::newRow(")") << "(A"
                           << "Грешка на позиция 3: очаква се „)“";
        QTest::newRow("unopened )") << "A)"
                                    << "Грешка на позиция 2: „)“ няма своя „(“";
        QTest::newRow("second =") << "A = B = C"
                                  << "Грешка на позиция 7: второ „=“ не е позволено";
        QTest::newRow("->") << "A - B"
                            << "Грешка на позиция 3: очаква се „->“";
        QTest::newRow("<-->") << "A <-> B"
                              << "Грешка на позиция 3: очаква се „<-->“";
        QTest::newRow("Cyrillic") << "A ^ Я"
                                  << "Грешка на позиция 5: непознат знак „Я“";
        QTest::newRow("bell") << "A\a"
                              << "Грешка на позиция 2: непознат знак U+0007";
        QTest::newRow("Greek") << QStringLiteral("A v α") << "Грешка на позиция 5: непознат знак „α“";
        QTest::newRow("combining accent")
            << QStringLiteral("A\u0301") << "Грешка на позиция 2: непознат знак U+0301";
        QTest::newRow("zero-width space")
            << QStringLiteral("A\u200B") << "Грешка на позиция 2: непознат знак U+200B";
        QTest::newRow("private use") << QStringLiteral("A\uE000")
                                     << "Грешка на позиция 2: непознат знак U+E000";
        QTest::newRow("long") << QString(1001, QLatin1Char('A'))
                              << "Грешка на позиция 1001: формулата е по-дълга от 1000 знака";
        QTest::newRow("seventh variable")
            << "A^B^C^D^E^F^G"
            << "Грешка на позиция 13: „G“ е седма променлива, а една формула може да има най-много 6";
    }
    void messages() {
        QFETCH(QString, formula);
        const auto result = formulas::tabulate(formula.toStdU32String());
        QVERIFY(std::holds_alternative<formulas::ReadError>(result));
        QTEST(formulaErrorText(std::get<formulas::ReadError>(result)), "message");
    }
};

QTEST_APPLESS_MAIN(FormulaMessagesTest)
#include "formula_messages_test.moc"
