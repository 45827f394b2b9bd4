// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_driver.h"

#include "background_search.h"
#include "derivation_window.h"
#include "formula_printer.h"
#include "law_catalogue.h"
#include "truth_table_texts.h"
#include "truth_table_window.h"
#include "window_helpers.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

namespace testing {

namespace {

QPoint within(const QRect &rect, int acrossPercent, int downPercent) {
    return {rect.left() + acrossPercent * (rect.width() - 1) / 99,
            rect.top() + downPercent * (rect.height() - 1) / 99};
}

QString keyText(Qt::Key key) {
    if (key == Qt::Key_Space)
        return QStringLiteral(" ");
    if (key == Qt::Key_Tab)
        return QStringLiteral("\t");
    return {};
}

} // namespace

ChoiceList *WindowDriver::listOf(Control control) const {
    if (control == Control::LawList)
        return lawList(window_);
    return valueSelector(window_, int(selectorIndex(control)));
}

QWidget *WindowDriver::widgetOf(Control control) const {
    switch (control) {
    case Control::Description:
        return window_.Text1[0];
    case Control::ResultBox:
        return window_.Text1[1];
    case Control::Nothing:
        return nullptr;
    default:
        return listOf(control);
    }
}

QScrollBar *WindowDriver::scrollBarOf(Control control) const {
    if (control == Control::LawList)
        return lawList(window_)->verticalScrollBar();
    return static_cast<QPlainTextEdit *>(widgetOf(control))->verticalScrollBar();
}

ListPages WindowDriver::pages() const {
    auto page = [](const ChoiceList *list) {
        const int rowHeight = testing::rowRect(list, 0).height();
        return std::max(1, list->viewport()->height() / rowHeight - 1);
    };
    return {page(lawList(window_)), page(valueSelector(window_, 0))};
}

QRect WindowDriver::rowRect(Control list, int row) const {
    // The selectors share one shape; a hidden one is laid out like A's.
    const ChoiceList *shown = listOf(list);
    if (shown->isHidden())
        shown = valueSelector(window_, 0);
    const QRect inViewport = testing::rowRect(shown, row);
    const QPoint viewportAt = shown->viewport()->mapTo(&window_, QPoint(0, 0)) - shown->geometry().topLeft();
    return inViewport.translated(viewportAt + listOf(list)->geometry().topLeft());
}

void WindowDriver::clickScrollBar(QScrollBar *bar, int along) {
    const QPoint at(bar->width() / 2, along * (bar->height() - 1) / 99);
    QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, Qt::NoModifier, bar->mapTo(&window_, at));
}

bool WindowDriver::reveal(Control list, int first, int last) {
    if (list != Control::LawList)
        return true; // both values always show
    ChoiceList *laws = lawList(window_);
    const QRect view = laws->viewport()->rect();
    for (int clicks = 0; clicks < 2 * laws->count(); ++clicks) {
        const QRect top = testing::rowRect(laws, first);
        const QRect bottom = testing::rowRect(laws, last);
        if (top.top() < view.top())
            clickScrollBar(laws->verticalScrollBar(), 0); // the arrow up
        else if (bottom.bottom() > view.bottom())
            clickScrollBar(laws->verticalScrollBar(), 99); // the arrow down
        else
            return true;
    }
    problem_ = QStringLiteral("rows %1 to %2 of the law list never showed in full").arg(first).arg(last);
    return false;
}

QPoint WindowDriver::rowPoint(Control list, int row, int across, int down) {
    reveal(list, row, row);
    return within(rowRect(list, row), across, down);
}

QPoint WindowDriver::belowRowsPoint(Control list) {
    const int last = ReferenceModel::rowCount(list) - 1;
    reveal(list, last, last);
    const QRect lastRow = rowRect(list, last);
    const ChoiceList *shown = listOf(list)->isHidden() ? valueSelector(window_, 0) : listOf(list);
    const int viewportBottom =
        shown->viewport()->mapTo(&window_, QPoint(0, shown->viewport()->height() - 1)).y() -
        shown->geometry().top() + listOf(list)->geometry().top();
    if (lastRow.bottom() >= viewportBottom) {
        problem_ = QStringLiteral("%1 has no empty space below its rows").arg(nameOf(list));
        return {};
    }
    return {lastRow.center().x(), (lastRow.bottom() + 1 + viewportBottom) / 2};
}

QString WindowDriver::perform(const UserAction &action) {
    using Kind = UserAction::Kind;
    problem_.clear();
    QWindow *platformWindow = window_.windowHandle();
    switch (action.kind) {
    case Kind::ClickRow:
        QTest::mouseClick(platformWindow, action.button, action.modifiers,
                          rowPoint(action.target, action.row, action.across, action.down));
        break;
    case Kind::DoubleClickRow:
        QTest::mouseDClick(platformWindow, Qt::LeftButton, action.modifiers,
                           rowPoint(action.target, action.row, action.across, action.down));
        break;
    case Kind::DragRows: {
        // Every move enters a new row, so the list never scrolls on its own
        // while the button is held.
        reveal(action.target, std::min(action.row, action.toRow), std::max(action.row, action.toRow));
        auto at = [&](int row) { return within(rowRect(action.target, row), action.across, action.down); };
        QTest::mousePress(platformWindow, Qt::LeftButton, action.modifiers, at(action.row));
        const int step = action.toRow > action.row ? 1 : -1;
        for (int row = action.row + step; row != action.toRow + step; row += step)
            QTest::mouseMove(platformWindow, at(row));
        QTest::mouseRelease(platformWindow, Qt::LeftButton, action.modifiers, at(action.toRow));
        break;
    }
    case Kind::ClickBelowRows: {
        const QPoint below = belowRowsPoint(action.target);
        if (problem_.isEmpty())
            QTest::mouseClick(platformWindow, action.button, action.modifiers, below);
        break;
    }
    case Kind::ClickScrollBar:
        clickScrollBar(scrollBarOf(action.target), action.along);
        break;
    case Kind::ClickPoint:
        QTest::mouseClick(platformWindow, Qt::LeftButton, action.modifiers, action.point);
        break;
    case Kind::Key:
        if (action.repeats == 0) {
            QTest::keyClick(platformWindow, action.key, action.modifiers);
        } else {
            QTest::keyPress(platformWindow, action.key, action.modifiers);
            for (int repeat = 0; repeat < action.repeats; ++repeat)
                QTest::simulateEvent(platformWindow, true, action.key, action.modifiers, keyText(action.key),
                                     true);
            QTest::keyRelease(platformWindow, action.key, action.modifiers);
        }
        break;
    case Kind::TypeText:
        for (const QChar typed : action.text) {
            // The key code of a letter is its capital's code point.
            const int code = typed.toUpper().unicode();
            QTest::simulateEvent(platformWindow, true, code, Qt::NoModifier, QString(typed), false);
            QTest::simulateEvent(platformWindow, false, code, Qt::NoModifier, QString(typed), false);
        }
        break;
    case Kind::UseDerivation:
        QTest::keyClick(platformWindow, Qt::Key_D, Qt::ControlModifier);
        if (problem_.isEmpty())
            problem_ = useDerivation(action.text);
        break;
    case Kind::OpenTable:
        switch (action.opening) {
        case UserAction::Opening::Shortcut:
            QTest::keyClick(platformWindow, Qt::Key_T, Qt::ControlModifier);
            break;
        case UserAction::Opening::ShiftF10:
            QTest::keyClick(platformWindow, Qt::Key_F10, Qt::ShiftModifier);
            break;
        case UserAction::Opening::RightClickLawRow:
            QTest::mouseClick(platformWindow, Qt::RightButton, Qt::NoModifier,
                              rowPoint(Control::LawList, action.row, action.across, action.down));
            break;
        }
        break;
    }
    // A right-click on the law list opens its menu, whatever the action meant.
    settleMenusAndTable(action.kind == Kind::OpenTable);
    return problem_;
}

void WindowDriver::settleMenusAndTable(bool chooseTable) {
    if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        QAction *item = nullptr;
        for (QAction *action : menu->actions())
            if (chooseTable && action->text() == QString::fromUtf8(table_texts::menuItem))
                item = action;
        if (item) {
            menu->setActiveAction(item);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            QTest::keyClick(menu, Qt::Key_Escape);
        }
    }
    auto *table = window_.findChild<TruthTableWindow *>();
    if (!table || !table->isVisible())
        return;
    ++tablesOpened_;
    if (problem_.isEmpty())
        problem_ = checkTable(*table);
    // What a window manager does when a window closes: the one below it
    // becomes active again.
    table->close();
    window_.activateWindow();
    if (!QTest::qWaitForWindowActive(&window_) && problem_.isEmpty())
        problem_ = QStringLiteral("the main window never became active again");
}

QString WindowDriver::useDerivation(const QString &step) {
    auto *derivation = window_.findChild<DerivationWindow *>();
    if (!derivation || !QTest::qWaitForWindowActive(derivation))
        return QStringLiteral("ctrl+D opened no derivation window");
    for (const QChar typed : step)
        QTest::keyClick(derivation->windowHandle(), typed.toLatin1());
    QTest::keyClick(derivation->windowHandle(), Qt::Key_Return);
    const auto *search = derivation->findChild<BackgroundSearch *>();
    if (!QTest::qWaitFor([search] { return !search->isRunning(); }, 10000))
        return QStringLiteral("the step's check never ended");
    // The window shows the selection's law: its left side first, its right side the goal.
    const int law = lawList(window_)->selectedRow();
    const std::string_view formula = catalogue::lawCatalogue.at(std::size_t(law)).formula;
    const auto sides = std::get<formulas::Equation>(
        formulas::readTree(QString::fromUtf8(formula.data(), qsizetype(formula.size())).toStdU32String()));
    const auto *steps = derivation->findChild<QListWidget *>();
    const QString start = QString::fromStdString(formulas::printed(sides.left));
    const QString goal = QString::fromStdString(formulas::printed(sides.right));
    QString problem;
    QString shownGoal;
    for (const auto *line : derivation->findChildren<QLineEdit *>())
        if (line->accessibleName() == QStringLiteral("Цел"))
            shownGoal = line->text();
    if (steps->count() < 1 || steps->item(0)->text() != start || shownGoal != goal)
        problem = QStringLiteral("the derivation window does not start on law %1").arg(law + 1);
    derivation->close();
    window_.activateWindow();
    if (!QTest::qWaitForWindowActive(&window_) && problem.isEmpty())
        problem = QStringLiteral("the main window never became active again");
    return problem;
}

QString WindowDriver::checkTable(const QWidget &table) const {
    const int law = lawList(window_)->selectedRow();
    const std::string_view formula = catalogue::lawCatalogue.at(std::size_t(law)).formula;
    const auto *field = table.findChild<QLineEdit *>();
    if (!table.windowTitle().startsWith(QStringLiteral("Таблица на истинност")) || !field ||
        field->text() != QString::fromUtf8(formula.data(), qsizetype(formula.size())).trimmed())
        return QStringLiteral("the truth table does not show law %1").arg(law + 1);
    int row = 0;
    const int variables = valueSelector(window_, 2)->isHidden() ? 2 : 3;
    for (int i = 0; i < variables; ++i)
        row = 2 * row + valueSelector(window_, int(i))->selectedRow();
    const QModelIndexList chosen = table.findChild<QTableView *>()->selectionModel()->selectedRows();
    if (chosen.size() != 1 || chosen.first().row() != row)
        return QStringLiteral("the truth table's chosen row is not %1").arg(row);
    return {};
}

WindowState WindowDriver::observe() const {
    WindowState state;
    state.law = lawList(window_)->selectedRow();
    state.lawCurrent = lawList(window_)->currentRow();
    for (std::size_t i = 0; i < 3; ++i) {
        state.value[i] = valueSelector(window_, int(i))->selectedRow();
        state.valueCurrent[i] = valueSelector(window_, int(i))->currentRow();
        state.labelShown[i] = window_.Label1[i]->isVisible();
        state.selectorShown[i] = valueSelector(window_, int(i))->isVisible();
    }
    for (int i = 1; i < 4; ++i)
        state.catalogueListsHidden = state.catalogueListsHidden && !catalogueList(window_, i)->isVisible();

    const QWidget *focused = QApplication::focusWidget();
    state.focus = focused ? focused->objectName() : QStringLiteral("no control");
    for (Control control : {Control::Description, Control::LawList, Control::SelectorA, Control::SelectorB,
                            Control::SelectorC, Control::ResultBox})
        if (focused == widgetOf(control))
            state.focus = nameOf(control);

    state.result = QByteArray::fromStdString(window_.resultText());
    state.shownResult = window_.Text1[1]->toPlainText();
    state.description = window_.Text1[0]->toPlainText();
    const provers::FormValues &form = window_.formValues();
    state.formValues = {form.A, form.B, form.C};
    state.formComplements = {form.NotA, form.NotB};
    state.tablesOpened = tablesOpened_;
    return state;
}

} // namespace testing
