// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' sessions without a widget: a formula in, a table, a cover or
// a chain out; groups drawn and graded; a chain stepped, undone and started
// again. What the derivation's verdict line says is data until worded.

#include "derivation_session.h"
#include "karnaugh_session.h"
#include "printed_text.h"
#include "truth_table_session.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QString variables(const TruthTableSession &session) {
    const auto &letters = session.table()->variables;
    return QString::fromLatin1(letters.data(), qsizetype(letters.size()));
}

// Waits for the background check or search to hand back its result.
bool settled(const DerivationSession &session) {
    return QTest::qWaitFor([&session] { return !session.isSearching(); }, 10000);
}

QString shownNote(const DerivationSession &session) { return noteText(session.note(), session.stepCount()); }

} // namespace

class SessionsTest : public QObject {
    Q_OBJECT

private slots:
    void a_truth_table_session_tabulates_the_law_or_the_students_formula_data() {
        QTest::addColumn<int>("law"); // -1: the formula is typed
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("letters"); // empty: it cannot be read
        QTest::addColumn<int>("errorAt");
        QTest::addColumn<QString>("subject");
        QTest::newRow("law 3") << 2 << QString() << "AB" << 0 << "3. Закон за поглъщане";
        QTest::newRow("own formula") << -1 << "P ^ Q v R"
                                     << "PQR" << 0 << "собствена формула";
        QTest::newRow("unreadable") << -1 << "A v )" << QString() << 5 << "собствена формула";
    }
    void a_truth_table_session_tabulates_the_law_or_the_students_formula() {
        QFETCH(int, law);
        QFETCH(QString, typed);
        QFETCH(QString, letters);
        QFETCH(int, errorAt);
        QFETCH(QString, subject);
        TruthTableSession session;
        QSignalSpy changed(&session, &TruthTableSession::changed);
        session.showLaw(0);
        if (law >= 0)
            session.showLaw(law);
        else
            session.edit(typed);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(session.isEdited(), law < 0);
        QCOMPARE(bool(session.table()), !letters.isEmpty());
        if (session.table())
            QCOMPARE(variables(session), letters);
        else
            QCOMPARE(int(session.readError()->position), errorAt);
        QCOMPARE(session.subject(), subject);
        // The law's formula comes back whole.
        session.showLaw(2);
        QVERIFY(!session.isEdited() && !session.readError());
        QCOMPARE(session.formula(), QStringLiteral("A v (A ^ B) = A"));
    }

    void a_karnaugh_session_keeps_the_groups_while_the_formula_stays() {
        KarnaughSession session;
        session.show(QStringLiteral("A v B"), std::nullopt);
        QVERIFY(session.function() && !session.hasTwoSides());
        QCOMPARE(session.subject(), QStringLiteral("A v B"));
        session.setDrawing(true);
        const derivations::MapGroup rowA{1, 0, 1, 2}, columnB{0, 1, 2, 1};
        QVERIFY(session.addGroup(rowA));
        QVERIFY(!session.addGroup(rowA)); // drawn twice, counted once
        QVERIFY(session.addGroup(columnB));
        session.check();
        QVERIFY(session.grade() && session.grade()->correct());
        // The same formula as a law's: the groups and the grade stay.
        session.show(QStringLiteral("A v B"), 3);
        QCOMPARE(session.drawn().size(), std::size_t(2));
        QVERIFY(session.grade());
        // A group taken off clears the grade; the top one goes first.
        QVERIFY(session.removeGroupAt({1, 1}));
        QCOMPARE(session.drawn(), std::vector{rowA});
        QVERIFY(!session.grade());
        QVERIFY(!session.removeGroupAt({0, 0}));
        session.check();
        QVERIFY(!session.grade()->correct());
        QCOMPARE(session.grade()->uncoveredOnes.size(), std::size_t(1));
        // Another formula: new maps, nothing drawn.
        session.show(QStringLiteral("A ^ B v C"), std::nullopt);
        QVERIFY(session.drawn().empty() && !session.grade());
        QVERIFY(session.isDrawing());
    }

    void a_karnaugh_session_steps_through_the_minimal_covers() {
        KarnaughSession session;
        // The consensus's left side has two minimal covers of the odd cycle.
        session.show(QStringLiteral("!A ^ B v A ^ !C v B ^ !C v !A ^ C v A ^ !B"), std::nullopt);
        const std::size_t covers = session.coverCount();
        QVERIFY2(covers > 1, qPrintable(QString::number(covers)));
        for (std::size_t step = 0; step <= covers; ++step) {
            QCOMPARE(session.cover(), step % covers);
            session.nextCover();
        }
    }

    void a_karnaugh_session_says_why_a_formula_has_no_map_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("start");
        QTest::newRow("one variable") << "A v !A"
                                      << "Карта на Карно има само за формули с 2 до 4";
        QTest::newRow("five variables") << "A ^ B ^ C ^ D ^ E"
                                        << "Карта на Карно има само за формули с 2 до 4";
        QTest::newRow("unreadable") << "A ^ ^ B"
                                    << "Грешка на позиция 5";
    }
    void a_karnaugh_session_says_why_a_formula_has_no_map() {
        QFETCH(QString, formula);
        QFETCH(QString, start);
        KarnaughSession session;
        session.show(formula, std::nullopt);
        QVERIFY(!session.function() && session.problem());
        QVERIFY2(session.problem()->text().startsWith(start), qPrintable(session.problem()->text()));
        QVERIFY(!session.addGroup({0, 0, 1, 1}));
        QCOMPARE(session.coverCount(), std::size_t(0));
    }

    void a_derivation_session_steps_undoes_and_starts_again() {
        DerivationSession session;
        QSignalSpy taken(&session, &DerivationSession::stepTaken);
        session.startOnLaw(2); // A v (A ^ B) = A
        QCOMPARE(session.task().subject(), QStringLiteral("3. Закон за поглъщане"));
        QCOMPARE(session.task().goalText(), QStringLiteral("A"));
        QCOMPARE(session.note().kind, DerivationNote::Kind::Prompt);

        for (const char *step : {"A ^ 1 v A ^ B", "A ^ (1 v B)", "A ^ 1"}) {
            session.check(QString::fromLatin1(step), std::nullopt);
            QVERIFY(settled(session));
            QCOMPARE(session.note().kind, DerivationNote::Kind::Step);
        }
        QCOMPARE(session.stepCount(), 3);
        QCOMPARE(taken.count(), 3);
        QCOMPARE(shownNote(session), QStringLiteral("Вярно: Закон за нулевия елемент"));

        // A wrong step stays out of the chain.
        session.check(QStringLiteral("B"), std::nullopt);
        QVERIFY(settled(session));
        QCOMPARE(session.note().verdict.kind, derivations::VerdictKind::Wrong);
        QCOMPARE(session.stepCount(), 3);
        session.check(QStringLiteral("A = A"), std::nullopt);
        QCOMPARE(session.note().kind, DerivationNote::Kind::StepError);
        QCOMPARE(session.note().stepError.secondEquals, 3);

        session.undo();
        QCOMPARE(session.stepCount(), 2);
        QCOMPARE(session.note().kind, DerivationNote::Kind::Prompt);
        session.restart();
        QCOMPARE(session.stepCount(), 0);
        session.undo();
        QCOMPARE(session.note().kind, DerivationNote::Kind::NothingToUndo);
        QCOMPARE(session.chain().items().size(), std::size_t(1)); // the start stays
    }

    void a_derivation_session_reaches_the_goal_and_keeps_its_task_on_a_bad_formula() {
        DerivationSession session;
        QVERIFY(session.startOnFormula(QStringLiteral("A v !A ^ B")));
        QVERIFY(session.task().minimalForm);
        QCOMPARE(session.task().goalText(), QStringLiteral("минимална форма"));
        session.showDerivation();
        QVERIFY(settled(session));
        QCOMPARE(session.note().kind, DerivationNote::Kind::Done);
        QVERIFY(session.chain().reachedGoal());
        const int steps = session.stepCount();
        QVERIFY(steps > 0);

        QVERIFY(!session.startOnFormula(QStringLiteral("A v )")));
        QCOMPARE(session.note().kind, DerivationNote::Kind::TaskError);
        QCOMPARE(session.stepCount(), steps);
        QVERIFY(shownNote(session).startsWith(QStringLiteral("Грешка на позиция 5")));
    }

    void three_hints_name_the_law_the_place_and_the_formula() {
        DerivationSession session;
        formulas::Tree next;
        int filled = 0;
        connect(&session, &DerivationSession::hintFilled, this, [&](const formulas::Tree &formula) {
            next = formula;
            ++filled;
        });
        session.startOnLaw(2);
        const DerivationNote::Kind kinds[] = {DerivationNote::Kind::HintLaw, DerivationNote::Kind::HintPart,
                                              DerivationNote::Kind::HintFilled};
        for (DerivationNote::Kind kind : kinds) {
            session.hint();
            QVERIFY(settled(session));
            QCOMPARE(session.note().kind, kind);
        }
        QCOMPARE(filled, 1);
        // A step taken starts the hints again from the law.
        session.check(printedText(next), std::nullopt);
        QVERIFY(settled(session));
        session.hint();
        QVERIFY(settled(session));
        QVERIFY(session.note().kind == DerivationNote::Kind::HintLaw ||
                session.note().kind == DerivationNote::Kind::HintAtGoal);
    }

    // The student factored the sum; the hint goes on to the excluded middle
    // rather than back to the sum.
    void a_hint_leads_forward_from_a_factored_sum() {
        DerivationSession session;
        QVERIFY(session.startOnFormula(QStringLiteral("A ^ B v A ^ !B = A")));
        session.check(QStringLiteral("A ^ (B v !B)"), std::nullopt);
        QVERIFY(settled(session));
        QCOMPARE(session.stepCount(), 1);
        session.hint();
        QVERIFY(settled(session));
        QCOMPARE(session.note().kind, DerivationNote::Kind::HintLaw);
        QCOMPARE(int(session.note().law), int(derivations::LawId::ExcludedMiddle));
        session.hint();
        QVERIFY(settled(session));
        QCOMPARE(printedText(session.note().part), QStringLiteral("B v !B"));
    }
};

QTEST_MAIN(SessionsTest)
#include "sessions_test.moc"
