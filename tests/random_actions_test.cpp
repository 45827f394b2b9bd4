// SPDX-License-Identifier: GPL-3.0-or-later
// Restless hands on the real window: seeded random clicks, ctrl+clicks,
// double-clicks, drags, scroll-bar clicks and keys (some held down), each
// followed by a comparison of everything the user sees against the reference
// model. On a mismatch the test prints the seed and the shortest action list
// it could find that still reproduces it.
//
// BOOLEAN_LAWS_RANDOM_ACTIONS sets how many actions to run (3000 by
// default), BOOLEAN_LAWS_RANDOM_SEED the first session's seed.

#include "action_generator.h"
#include "inf_tarvisko.h"
#include "law_catalogue.h"
#include "proof_helpers.h"
#include "reference_model.h"
#include "truth_table_window.h"
#include "window_driver.h"
#include "window_helpers.h"
#include "window_opening.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

using namespace testing;

namespace {

constexpr int sessionLength = 250; // actions on one window before a fresh one
constexpr int defaultActions = 3000;
constexpr std::uint64_t defaultSeed = 20250601;
constexpr int shrinkBudget = 1500; // replays spent looking for a shorter list

// A deliberate fault planted in the window after each action, to prove that
// the comparison and the shrinking find faults; none in the real runs.
using Fault = std::function<void(Inf_Tarvisko &)>;

// What must hold after every action, read through the selection rather than
// re-modelled: one chosen row per list, the proof of the selection in the
// result box, C shown exactly for three-variable laws, the focus on a shown
// control, and an open truth-table window on the selection's row.
QStringList brokenInvariants(const Inf_Tarvisko &window) {
    QStringList broken;
    const LawSelection &selection = *window.selection();
    const int law = selection.law();
    for (const ChoiceList *list :
         {lawList(window), valueSelector(window, 0), valueSelector(window, 1), valueSelector(window, 2)})
        if (list->selectedItems().size() != 1)
            broken << QStringLiteral("%1 has %2 chosen rows")
                          .arg(list->objectName())
                          .arg(list->selectedItems().size());
    const Inputs inputs{selection.value(0), selection.value(1), selection.value(2)};
    if (resultOf(window) != headerOf(law) + proofOf(law, inputs))
        broken << QStringLiteral("the result box is not the proof of law %1 for %2%3%4")
                      .arg(law + 1)
                      .arg(inputs.A)
                      .arg(inputs.B)
                      .arg(inputs.C);
    const bool threeVariables = catalogue::variableCountOf(std::size_t(law)) == 3;
    if (window.Label1[2]->isVisible() != threeVariables ||
        valueSelector(window, 2)->isVisible() != threeVariables)
        broken << QStringLiteral("C is %1 for law %2").arg(threeVariables ? "hidden" : "shown").arg(law + 1);
    if (const QWidget *focus = QApplication::focusWidget(); focus && !focus->isVisible())
        broken << QStringLiteral("the focus is on the hidden %1").arg(focus->objectName());
    const auto *table = window.findChild<TruthTableWindow *>();
    if (table && table->isVisible() && selection.tableFormula().isEmpty()) {
        const QTableView *view = table->findChild<QTableView *>();
        const QAbstractItemModel *model = view->model();
        int row = 0;
        for (int column = 0; column < model->columnCount(); ++column) {
            const QString header = model->headerData(column, Qt::Horizontal).toString();
            if (header.size() == 1 && header[0] >= QLatin1Char('A') && header[0] <= QLatin1Char('C'))
                row = 2 * row + (selection.value(header[0].unicode() - 'A') ? 1 : 0);
        }
        if (model->rowCount() > 0 && !view->selectionModel()->isSelected(model->index(row, 0)))
            broken << QStringLiteral("the truth table does not show row %1 of the selection").arg(row);
    }
    return broken;
}

struct Mismatch {
    int step = -1; // index of the action after which the window went wrong
    QStringList differences;
};

std::unique_ptr<Inf_Tarvisko> freshWindow() {
    auto window = std::make_unique<Inf_Tarvisko>();
    attachWindowOpening(*window);
    window->show();
    // What a window manager does for a new window; a bare X server does not.
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

// Runs actions on a fresh window and reports the first disagreement with
// the model, if any. With a generator, `actions` grows to `count` actions
// drawn as the run goes; without one, it is replayed as it is.
// The model compares everything the user sees; the invariants alone are
// the lighter check whose planted faults show what it sees.
enum class Check { ModelAndInvariants, InvariantsOnly };

std::optional<Mismatch> run(std::vector<UserAction> &actions, const Fault &fault,
                            ActionGenerator *generator = nullptr, int count = 0,
                            Check check = Check::ModelAndInvariants) {
    const auto window = freshWindow();
    if (!window)
        return Mismatch{-1, {QStringLiteral("the window never became active")}};
    WindowDriver driver(*window);
    ReferenceModel model(driver.pages());
    QStringList differ = differences(model.expected(), driver.observe());
    if (!differ.isEmpty())
        return Mismatch{-1, differ};

    const int total = generator ? count : int(actions.size());
    for (int step = 0; step < total; ++step) {
        if (generator)
            actions.push_back(generator->next());
        const UserAction &action = actions[std::size_t(step)];
        const QString problem = driver.perform(action);
        if (!problem.isEmpty())
            return Mismatch{step, {QStringLiteral("could not perform the action: ") + problem}};
        model.apply(action);
        if (action.kind == UserAction::Kind::TypeText)
            model.acceptTypedJump(driver.observe());
        if (fault)
            fault(*window);
        differ = brokenInvariants(*window);
        if (check == Check::ModelAndInvariants)
            differ += differences(model.expected(), driver.observe());
        if (!differ.isEmpty())
            return Mismatch{step, differ};
    }
    return std::nullopt;
}

std::optional<Mismatch> replay(std::vector<UserAction> actions, const Fault &fault) {
    return run(actions, fault);
}

// Drops ever smaller runs of actions while the window still goes wrong,
// down to single actions: no action of the result can be left out.
std::vector<UserAction> shrink(std::vector<UserAction> actions, const Fault &fault) {
    int budget = shrinkBudget;
    for (std::size_t chunk = std::max<std::size_t>(1, actions.size() / 2); budget > 0; chunk /= 2) {
        for (std::size_t from = 0; from < actions.size() && budget > 0;) {
            std::vector<UserAction> fewer = actions;
            fewer.erase(fewer.begin() + std::ptrdiff_t(from),
                        fewer.begin() + std::ptrdiff_t(std::min(actions.size(), from + chunk)));
            --budget;
            if (const auto failed = replay(fewer, fault)) {
                fewer.resize(std::size_t(failed->step + 1)); // what follows the fault is not needed
                actions = std::move(fewer);
            } else {
                from += chunk;
            }
        }
        if (chunk == 1)
            break;
    }
    return actions;
}

QString report(std::uint64_t seed, int session, const Mismatch &found,
               const std::vector<UserAction> &shortest, const Fault &fault) {
    const QString when = found.step < 0 ? QStringLiteral("at start-up")
                                        : QStringLiteral("after action %1").arg(found.step + 1);
    QString text = QStringLiteral("The window and the model disagree %1 of session %2 (seed %3):\n")
                       .arg(when)
                       .arg(session)
                       .arg(seed);
    for (const QString &line : found.differences)
        text += QStringLiteral("    ") + line + QLatin1Char('\n');
    text += QStringLiteral("Shortest action list found that reproduces it on a fresh window (%1 actions):\n")
                .arg(shortest.size());
    for (std::size_t i = 0; i < shortest.size(); ++i)
        text += QStringLiteral("  %1. %2\n").arg(i + 1).arg(describe(shortest[i]));
    if (const auto again = replay(shortest, fault))
        for (const QString &line : again->differences)
            text += QStringLiteral("    then ") + line + QLatin1Char('\n');
    text += QStringLiteral("Repeat the session: BOOLEAN_LAWS_RANDOM_SEED=%1 BOOLEAN_LAWS_RANDOM_ACTIONS=%2")
                .arg(seed)
                .arg(sessionLength);
    return text;
}

struct Outcome {
    int actionsRun = 0;
    QString failure; // empty when the window always agreed
    std::vector<UserAction> shortest;
};

Outcome runSessions(std::uint64_t firstSeed, int actions, const Fault &fault) {
    Outcome outcome;
    for (int session = 0; outcome.actionsRun < actions; ++session) {
        const std::uint64_t seed = firstSeed + std::uint64_t(session);
        const int count = std::min(sessionLength, actions - outcome.actionsRun);
        ActionGenerator generator(seed);
        std::vector<UserAction> drawn;
        const auto found = run(drawn, fault, &generator, count);
        if (!found) {
            outcome.actionsRun += count;
            continue;
        }
        outcome.actionsRun += found->step + 1;
        drawn.resize(std::size_t(std::max(0, found->step + 1)));
        outcome.shortest = shrink(drawn, fault);
        outcome.failure = report(seed, session, *found, outcome.shortest, fault);
        break;
    }
    return outcome;
}

int requestedActions() {
    return qEnvironmentVariableIsSet("BOOLEAN_LAWS_RANDOM_ACTIONS")
               ? qEnvironmentVariableIntValue("BOOLEAN_LAWS_RANDOM_ACTIONS")
               : defaultActions;
}

} // namespace

// The planted faults, as rows of a data table.
Q_DECLARE_METATYPE(Fault)

class RandomActionsTest : public QObject {
    Q_OBJECT

public:
    // QtTest stops a test function after five minutes; a long soak takes
    // longer (a few milliseconds an action, fifty under valgrind).
    static void initMain() {
        if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
            qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(300000 + 100 * qint64(requestedActions())));
    }

private slots:
    void window_agrees_with_the_model_after_every_action() {
        const int actions = requestedActions();
        const QByteArray seedText = qgetenv("BOOLEAN_LAWS_RANDOM_SEED");
        const std::uint64_t seed = seedText.isEmpty() ? defaultSeed : seedText.toULongLong();
        QVERIFY2(actions > 0, "BOOLEAN_LAWS_RANDOM_ACTIONS must be a positive number");

        const Outcome outcome = runSessions(seed, actions, {});
        qInfo("%d random actions from seed %llu, %s", outcome.actionsRun,
              static_cast<unsigned long long>(seed),
              outcome.failure.isEmpty() ? "no mismatch" : "a mismatch");
        QVERIFY2(outcome.failure.isEmpty(), qPrintable(outcome.failure));
    }

    // The harness itself: a planted fault (the label of A vanishes whenever
    // the last law is selected) is found, reported with its seed, and cut
    // down to a list from which no action can be left out.
    // Faults planted after each action; the invariants alone find each.
    void the_invariants_find_planted_faults_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("reported");
        QTest::newRow("a wrong proof") << Fault([](Inf_Tarvisko &window) {
            // The selection moves on without the window: its proof is stale.
            const QSignalBlocker quiet(window.selection());
            window.selection()->setLaw((window.selection()->law() + 1) % 21);
        }) << "is not the proof";
        QTest::newRow("a list emptied") << Fault([](Inf_Tarvisko &window) {
            if (window.selection()->law() == 5)
                lawList(window)->clearSelection();
        }) << "List1(0) has 0 chosen rows";
        QTest::newRow("C left shown") << Fault([](Inf_Tarvisko &window) {
            valueSelector(window, 2)->show();
            window.Label1[2]->show();
        }) << "C is shown";
        QTest::newRow("a stale table") << Fault([](Inf_Tarvisko &window) {
            auto *table = window.findChild<TruthTableWindow *>();
            if (!table || table->isVisible())
                return;
            table->show();
            QTableView *view = table->findChild<QTableView *>();
            const QSignalBlocker quiet(view->selectionModel());
            view->selectionModel()->select(view->model()->index(view->model()->rowCount() - 1, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }) << "the truth table does not show";
    }
    void the_invariants_find_planted_faults() {
        QFETCH(Fault, fault);
        QFETCH(QString, reported);
        ActionGenerator generator(defaultSeed);
        std::vector<UserAction> drawn;
        const auto found = run(drawn, fault, &generator, sessionLength, Check::InvariantsOnly);
        QVERIFY2(found, "the planted fault went unnoticed");
        QVERIFY2(found->differences.join(QLatin1Char('\n')).contains(reported),
                 qPrintable(found->differences.join(QLatin1Char('\n'))));
    }

    void a_planted_fault_is_found_and_cut_down() {
        const Fault fault = [](Inf_Tarvisko &window) {
            if (window.selection()->law() == 20)
                window.Label1[0]->hide();
        };
        const Outcome outcome = runSessions(defaultSeed, 5 * sessionLength, fault);
        QVERIFY2(!outcome.failure.isEmpty(), "the planted fault went unnoticed");
        QVERIFY2(outcome.failure.contains(
                     QStringLiteral("label of A shown: expected \"yes\", window shows \"no\"")),
                 qPrintable(outcome.failure));
        QVERIFY(outcome.failure.contains(QStringLiteral("seed %1").arg(defaultSeed)));
        QVERIFY(!outcome.shortest.empty());
        QVERIFY(replay(outcome.shortest, fault));
        for (std::size_t left = 0; left < outcome.shortest.size(); ++left) {
            std::vector<UserAction> fewer = outcome.shortest;
            fewer.erase(fewer.begin() + std::ptrdiff_t(left));
            QVERIFY2(!replay(fewer, fault), qPrintable(describe(outcome.shortest[left])));
        }
        QVERIFY(!replay(outcome.shortest, {})); // the real window has no such fault
    }
};

QTEST_MAIN(RandomActionsTest)
#include "random_actions_test.moc"
