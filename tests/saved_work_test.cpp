// SPDX-License-Identifier: GPL-3.0-or-later
// The sessions' work as an assignment keeps it, and taken up again: a
// chain resumed from its saved lines (checked again, never trusted), the
// groups drawn again from their products, and the hints switched off; the
// assignment's session marking each task from its work and continuing from
// the answers file it writes.

#include "assignment_session.h"
#include "derivation_session.h"
#include "karnaugh_session.h"

#include <QSignalSpy>
#include <QTest>

namespace {

bool settled(const DerivationSession &session) {
    return QTest::qWaitFor([&session] { return !session.isSearching(); }, 10000);
}

const QByteArray assignmentFile = "задание: Проба\n"
                                  "докажи: A v (A ^ B) = A\n"
                                  "таблица: A ^ B\n"
                                  "закон: !(A ^ B) => !A v !B\n";

std::vector<std::string> lines(const QStringList &texts) {
    std::vector<std::string> out;
    for (const QString &text : texts)
        out.push_back(text.toStdString());
    return out;
}

} // namespace

class SavedWorkTest : public QObject {
    Q_OBJECT

private slots:
    void a_resumed_chain_keeps_the_steps_that_keep_the_value_data() {
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<QStringList>("resumed"); // the chain's work lines after it
        const QString start = QStringLiteral("A v A ^ B");
        const QString absorbed = QStringLiteral("A  [Закон за поглъщане]");
        QTest::newRow("the whole chain") << QStringList{start, absorbed} << QStringList{start, absorbed};
        QTest::newRow("without its start") << QStringList{absorbed} << QStringList{start, absorbed};
        QTest::newRow("an English law name, comments and blanks")
            << QStringList{QStringLiteral("# mine"), start, QString(), QStringLiteral("A  [Absorption law]")}
            << QStringList{start, absorbed};
        QTest::newRow("a line written twice")
            << QStringList{start, start, absorbed} << QStringList{start, absorbed};
        QTest::newRow("a wrong step ends it")
            << QStringList{start, QStringLiteral("B"), QStringLiteral("A")} << QStringList{start};
        QTest::newRow("an unreadable line ends it")
            << QStringList{start, QStringLiteral("A v )"), QStringLiteral("A")} << QStringList{start};
        QTest::newRow("a verdict claimed in the file is no law")
            << QStringList{start, QStringLiteral("B  [вярно]")} << QStringList{start};
    }
    void a_resumed_chain_keeps_the_steps_that_keep_the_value() {
        QFETCH(QStringList, saved);
        QFETCH(QStringList, resumed);
        DerivationSession session;
        QSignalSpy done(&session, &DerivationSession::resumed);
        QVERIFY(session.startOnFormula(QStringLiteral("A v A ^ B = A")));
        session.resume(saved);
        QVERIFY(settled(session));
        QCOMPARE(done.count(), 1);
        QCOMPARE(session.chain().workLines(), resumed);
    }

    void without_hints_a_derivation_gives_none_until_another_task() {
        DerivationSession session;
        QSignalSpy hints(&session, &DerivationSession::hintGiven);
        QSignalSpy shown(&session, &DerivationSession::derivationShown);
        session.startOnLaw(2);
        session.setHintsAllowed(false);
        session.hint();
        session.showDerivation();
        QVERIFY(!session.isSearching());
        QVERIFY(settled(session));
        QCOMPARE(hints.count() + shown.count(), 0);
        QCOMPARE(session.stepCount(), 0);
        session.startOnLaw(2);
        QVERIFY(session.hintsAllowed());
        session.hint();
        QVERIFY(settled(session));
        QCOMPARE(hints.count(), 1);
    }

    void saved_groups_are_drawn_again_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<bool>("correct");
        QTest::newRow("a minimal cover") << "A ^ B v C ^ D" << QStringList{"A ^ B", "C ^ D"} << 2 << true;
        QTest::newRow("negations, blanks") << "!A v B" << QStringList{" !A ", "B"} << 2 << true;
        QTest::newRow("the whole map") << "A v !A v B" << QStringList{"1"} << 1 << true;
        QTest::newRow("a group twice counts once") << "A ^ B" << QStringList{"A ^ B", "B ^ A"} << 1 << true;
        QTest::newRow("a letter the map lacks") << "A ^ B" << QStringList{"A ^ E", "A ^ B"} << 1 << true;
        QTest::newRow("no product at all") << "A ^ B" << QStringList{"A v B", "A ^^ B"} << 0 << false;
        QTest::newRow("too large a group") << "A ^ B" << QStringList{"A"} << 1 << false;
    }
    void saved_groups_are_drawn_again() {
        QFETCH(QString, formula);
        QFETCH(QStringList, saved);
        QFETCH(int, drawn);
        QFETCH(bool, correct);
        KarnaughSession session;
        session.show(formula, std::nullopt);
        session.setDrawing(true);
        session.drawSaved(saved);
        QCOMPARE(int(session.drawn().size()), drawn);
        session.check();
        QCOMPARE(session.grade()->correct(), correct);
        // Drawn again from their own products, the groups are the same.
        const derivations::Cover terms = session.drawnTerms();
        KarnaughSession again;
        again.show(formula, std::nullopt);
        QStringList products;
        for (const derivations::Term &term : terms)
            products << QString::fromStdString(session.function()->termText(term));
        again.drawSaved(products);
        QCOMPARE(again.drawn(), session.drawn());
    }

    void without_hints_a_map_keeps_its_answer_hidden_until_another_formula() {
        KarnaughSession session;
        session.show(QStringLiteral("A ^ B v A ^ !B v C"), std::nullopt);
        session.setHintsAllowed(false);
        QVERIFY(session.isDrawing());
        session.setDrawing(false);
        session.nextCover();
        QVERIFY(session.isDrawing());
        QCOMPARE(session.cover(), std::size_t(0));
        session.show(QStringLiteral("A ^ B v A ^ !B v C"), std::nullopt); // the same formula: still the task
        QVERIFY(!session.hintsAllowed());
        session.show(QStringLiteral("A v B"), std::nullopt);
        QVERIFY(session.hintsAllowed());
        session.setDrawing(false);
        QVERIFY(!session.isDrawing());
    }

    void an_assignment_marks_each_task_from_its_work_data() {
        QTest::addColumn<int>("task");
        QTest::addColumn<QStringList>("work");
        QTest::addColumn<int>("mark"); // homework::Mark
        using homework::Mark;
        QTest::newRow("a chain to the goal")
            << 0 << QStringList{"A v A ^ B", "A  [Закон за поглъщане]"} << int(Mark::Solved);
        QTest::newRow("a chain short of it")
            << 0 << QStringList{"A v A ^ B", "A ^ (1 v B) v A ^ B"} << int(Mark::Tried);
        QTest::newRow("no work") << 0 << QStringList{} << int(Mark::Untouched);
        QTest::newRow("a right table") << 1 << QStringList{"0 0 0 1"} << int(Mark::Solved);
        QTest::newRow("a table with a blank") << 1 << QStringList{"0 0 - 1"} << int(Mark::Tried);
        QTest::newRow("the right law") << 2 << QStringList{"Закон на де Морган"} << int(Mark::Solved);
        QTest::newRow("the law in English") << 2 << QStringList{"De Morgan's law"} << int(Mark::Solved);
        QTest::newRow("a wrong law") << 2 << QStringList{"Закон за поглъщане"} << int(Mark::Tried);
    }
    void an_assignment_marks_each_task_from_its_work() {
        QFETCH(int, task);
        QFETCH(QStringList, work);
        QFETCH(int, mark);
        AssignmentSession session;
        QVERIFY(!session.open(assignmentFile));
        session.setWork(task, lines(work));
        QCOMPARE(int(session.mark(task)), mark);
        QCOMPARE(bool(session.work(task)), !work.isEmpty());
        QCOMPARE(session.isModified(), !work.isEmpty());
    }

    void an_assignment_continues_from_the_answers_it_wrote_data() {
        QTest::addColumn<bool>("english");
        QTest::newRow("Bulgarian") << false;
        QTest::newRow("English") << true;
    }
    void an_assignment_continues_from_the_answers_it_wrote() {
        QFETCH(bool, english);
        AssignmentSession first;
        QVERIFY(!first.open(assignmentFile));
        first.setWork(0, lines({"A v A ^ B", "A  [Закон за поглъщане]"}));
        first.countHint(1);
        first.setWork(1, lines({"0 1 - 1"}));
        first.setStudent(QStringLiteral("Петър \"Пешо\", 7 б"));
        const QByteArray answers = first.answersFile(english);

        AssignmentSession again;
        QVERIFY(!again.open(assignmentFile));
        QCOMPARE(again.continueFrom(answers), std::nullopt);
        QCOMPARE(again.student(), first.student());
        for (int task = 0; task < again.taskCount(); ++task)
            QCOMPARE(again.mark(task), first.mark(task));
        QCOMPARE(again.work(1)->hints, 1);
        QCOMPARE(again.work(1)->lines, lines({"0 1 - 1"}));
        QVERIFY(!again.work(2));
        QVERIFY(!again.isModified());

        // The same answers for an assignment edited since.
        AssignmentSession other;
        QVERIFY(!other.open(assignmentFile + "# edited\n"));
        const auto refused = other.continueFrom(answers);
        QVERIFY(refused && refused->kind == ContinueProblem::Kind::OtherAssignment);
        QVERIFY(!other.work(0));
    }
};

QTEST_MAIN(SavedWorkTest)
#include "saved_work_test.moc"
