// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the real window with a chosen law and values, for screenshots:
//   show_window ROW A B C [table [FORMULA [KEYS]]]   (ROW 1..21, values 0/1)
// It selects them through the window's selection, as the truth-table window does;
// "table" opens the truth-table window too, as Ctrl+T would, and types
// FORMULA over the law's (none when empty). KEYS start "check yourself" and
// go to the table: 0, 1 and blank as they are, "t" for Tab, "d" for Down,
// "c" for Enter (check), "r" for a click on "Покажи отговорите".
//   show_window ROW A B C kmap [FORMULA [KEYS]]
// opens the Karnaugh-map window instead, for FORMULA as the truth-table
// window's own (the law's when empty). KEYS go to its left map: "g" for
// Ctrl+G, "u", "d", "l", "r" for the arrows and "U", "D", "L", "R" for them
// with Shift, "e" for Enter, "x" for Delete, "c" for "Провери", "o" for
// "Друго покритие".
//   show_window ROW A B C derive [STEPS [LAST]]
// opens the derivation window on the law, as Ctrl+D would, and types each
// of STEPS (formulas between "|") into "Следваща стъпка" with Enter, waiting
// for each verdict; LAST is typed and left unchecked.
// SHOW_LANGUAGE=en in the environment shows the windows in English
// (Bulgarian otherwise, as the program starts): the windows are driven in
// Bulgarian, by their controls' Bulgarian names, then switched as the
// language menu switches them.

#include "exercise_window.h"
#include "inf_tarvisko.h"
#include "karnaugh_window.h"
#include "language.h"
#include "truth_table_window.h"
#include "window_opening.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QPushButton *button(const QWidget &window, const QString &name) {
    for (auto *button : window.findChildren<QPushButton *>())
        if (button->accessibleName() == name)
            return button;
    return nullptr;
}

void exercise(const QWidget &window, const char *keys) {
    button(window, QStringLiteral("Провери се"))->click();
    auto *table = window.findChild<QTableView *>();
    table->setFocus();
    for (const char *key = keys; *key; ++key) {
        if (*key == 'r') {
            button(window, QStringLiteral("Покажи отговорите"))->click();
            continue;
        }
        const int code = *key == 't'   ? int(Qt::Key_Tab)
                         : *key == 'd' ? int(Qt::Key_Down)
                         : *key == 'c' ? int(Qt::Key_Return)
                                       : int(*key);
        const QString text = std::strchr("tdc", *key) ? QString() : QString(QLatin1Char(*key));
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QCoreApplication::sendEvent(table, &press);
    }
}

void drawGroups(KarnaughWindow &window, const char *keys) {
    auto *map = window.findChild<QTableView *>();
    static constexpr const char *arrows = "udlrUDLR";
    static constexpr int arrowKeys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
    for (const char *key = keys; *key; ++key) {
        if (*key == 'g' || *key == 'c' || *key == 'o') {
            const char *name = *key == 'g' ? "Групирай сам" : *key == 'c' ? "Провери" : "Друго покритие";
            button(window, QString::fromUtf8(name))->click();
            continue;
        }
        const char *arrow = std::strchr(arrows, *key);
        const int code = arrow         ? arrowKeys[(arrow - arrows) % 4]
                         : *key == 'e' ? int(Qt::Key_Return)
                                       : int(Qt::Key_Delete);
        QKeyEvent press(QEvent::KeyPress, code,
                        arrow && arrow - arrows >= 4 ? Qt::ShiftModifier : Qt::NoModifier);
        QCoreApplication::sendEvent(map, &press);
    }
}

QLineEdit *named(const QWidget &window, const QString &name) {
    for (auto *line : window.findChildren<QLineEdit *>())
        if (line->accessibleName() == name)
            return line;
    return nullptr;
}

void derive(const QWidget &window, const char *steps, const char *last) {
    QLineEdit *field = named(window, QStringLiteral("Следваща стъпка"));
    QLineEdit *verdict = named(window, QStringLiteral("Проверка"));
    for (const QString &step : QString::fromLocal8Bit(steps).split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        field->setText(step);
        const QString before = verdict->text();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(field, &enter);
        QElapsedTimer waited;
        waited.start();
        while (verdict->text() == before && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (last)
        field->setText(QString::fromLocal8Bit(last));
}

} // namespace

static int showIn(language::Language shown, QApplication &application) {
    language::apply(shown);
    return application.exec();
}

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    language::apply(language::Language::Bulgarian);
    const language::Language shown =
        language::fromCode(qEnvironmentVariable("SHOW_LANGUAGE")).value_or(language::Language::Bulgarian);
    Inf_Tarvisko window;
    const WindowOpening opening = attachWindowOpening(window);
    QAction *openTable = opening.truthTable;
    QAction *openDerivation = opening.derivation;
    const bool table = argc >= 6 && argc <= 8 && std::strcmp(argv[5], "table") == 0;
    const bool kmap = argc >= 6 && argc <= 8 && std::strcmp(argv[5], "kmap") == 0;
    const bool derivation = argc >= 6 && argc <= 8 && std::strcmp(argv[5], "derive") == 0;
    const bool exerciseWindow = argc >= 6 && argc <= 8 && std::strcmp(argv[5], "exercises") == 0;
    if (argc == 5 || table || kmap || derivation || exerciseWindow) {
        window.selection()->setLaw(std::atoi(argv[1]) - 1);
        for (int i = 0; i < 3; ++i)
            window.selection()->setValue(i, std::atoi(argv[i + 2]) == 1);
    } else if (argc != 1) {
        std::fprintf(stderr,
                     "usage: %s [ROW A B C [table|kmap [FORMULA [KEYS]] | derive [STEPS [LAST]] | exercises "
                     "[KIND [SEED]]]]\n",
                     argv[0]);
        return 2;
    }
    window.show();
    if (kmap) {
        if (argc >= 7 && *argv[6])
            window.selection()->setTableFormula(QString::fromLocal8Bit(argv[6]));
        opening.karnaugh->trigger(); // as Ctrl+K would
        auto *maps = window.findChild<KarnaughWindow *>();
        if (argc == 8)
            drawGroups(*maps, argv[7]);
        return showIn(shown, application);
    }
    if (exerciseWindow) {
        opening.exercises->trigger(); // as Ctrl+U would
        ExerciseSession &session = window.findChild<ExerciseWindow *>()->session();
        session.choose(argc >= 7 ? std::atoi(argv[6]) : 0, exercises::Level::Medium);
        session.setSeed(argc == 8 ? std::uint32_t(std::atol(argv[7])) : 0);
        return showIn(shown, application);
    }
    if (derivation) {
        openDerivation->trigger();
        derive(*window.findChild<QWidget *>(QStringLiteral("DerivationWindow")), argc >= 7 ? argv[6] : "",
               argc == 8 ? argv[7] : nullptr);
    }
    if (!table)
        return showIn(shown, application);
    openTable->trigger();
    auto *tableWindow = window.findChild<TruthTableWindow *>();
    if (argc >= 7 && *argv[6]) {
        auto *field = tableWindow->findChild<QLineEdit *>();
        field->selectAll();
        field->insert(QString::fromLocal8Bit(argv[6])); // as typed: the law stays
    }
    if (argc == 8)
        exercise(*tableWindow, argv[7]);
    return showIn(shown, application);
}
