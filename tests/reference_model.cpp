// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_model.h"

#include "fixed_texts.h"
#include "law_catalogue.h"
#include "proof_helpers.h"
#include "window_helpers.h"

#include <algorithm>

namespace testing {

namespace {

constexpr int lawCount = 21;
constexpr int valueCount = 2;

// Row indices of the laws of A, B and C; all others use A and B only.
constexpr std::array<int, 8> threeVariableLaws{6, 7, 8, 9, 12, 13, 16, 17};

constexpr std::array<Control, 6> tabOrder{Control::Description, Control::LawList,   Control::SelectorA,
                                          Control::SelectorB,   Control::SelectorC, Control::ResultBox};

bool isNavigationKey(Qt::Key key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

ReferenceModel::ReferenceModel(ListPages pages) : pages_(pages) {}

QSize ReferenceModel::windowSize() { return {572, 405}; }

QRect ReferenceModel::placeOf(Control control) {
    switch (control) {
    case Control::Description:
        return {8, 40, 553, 121};
    case Control::LawList:
        return {8, 176, 545, 80};
    case Control::SelectorA:
        return {8, 288, 30, 42};
    case Control::SelectorB:
        return {56, 288, 30, 42};
    case Control::SelectorC:
        return {104, 288, 30, 42};
    case Control::ResultBox:
        return {144, 264, 417, 129};
    case Control::Nothing:
        break;
    }
    return {};
}

Control ReferenceModel::listAt(QPoint point) {
    for (Control list : {Control::LawList, Control::SelectorA, Control::SelectorB, Control::SelectorC})
        if (placeOf(list).contains(point))
            return list;
    return Control::Nothing;
}

int ReferenceModel::rowCount(Control list) { return list == Control::LawList ? lawCount : valueCount; }

bool ReferenceModel::showsC() const {
    return std::find(threeVariableLaws.begin(), threeVariableLaws.end(), law_.selected) !=
           threeVariableLaws.end();
}

bool ReferenceModel::isShown(Control control) const { return control != Control::SelectorC || showsC(); }

ReferenceModel::ListState &ReferenceModel::stateOf(Control list) {
    return list == Control::LawList ? law_ : values_[std::size_t(selectorIndex(list))];
}

const ReferenceModel::ListState &ReferenceModel::stateOf(Control list) const {
    return list == Control::LawList ? law_ : values_[std::size_t(selectorIndex(list))];
}

void ReferenceModel::apply(const UserAction &action) {
    using Kind = UserAction::Kind;
    const bool reachable = isShown(action.target);
    switch (action.kind) {
    case Kind::ClickRow:
        if (reachable)
            press(action.target, action.row, action.modifiers);
        break;
    case Kind::DoubleClickRow:
        if (reachable) {
            press(action.target, action.row, action.modifiers);
            press(action.target, action.row, action.modifiers);
        }
        break;
    case Kind::DragRows:
        if (reachable) {
            press(action.target, action.row, action.modifiers);
            const int step = action.toRow > action.row ? 1 : -1;
            for (int row = action.row + step; row != action.toRow + step; row += step)
                moveOver(action.target, row);
        }
        break;
    case Kind::ClickBelowRows:
    case Kind::ClickScrollBar:
        // The list or box takes the focus; no row is under the pointer.
        if (reachable)
            focus_ = action.target;
        break;
    case Kind::ClickPoint:
        clickAt(action.point);
        break;
    case Kind::Key:
        for (int press = 0; press <= action.repeats; ++press)
            key(action.key, action.modifiers);
        break;
    case Kind::TypeText:
        typed_ += action.text.toLower();
        break;
    case Kind::OpenTable:
        openTable(action);
        break;
    case Kind::UseDerivation:
        break; // the main window's focus comes back where it was
    }
    keepFocusShown();
}

QString ReferenceModel::rowText(Control list, int row) {
    if (list == Control::LawList)
        return QString::fromStdString(catalogue::visibleEntry(catalogue::lawCatalogue.at(std::size_t(row))));
    return QString::number(row);
}

void ReferenceModel::acceptTypedJump(const WindowState &shown) {
    if (!isList(focus_))
        return;
    const bool law = focus_ == Control::LawList;
    const int selected = law ? shown.law : shown.value[std::size_t(selectorIndex(focus_))];
    const int current = law ? shown.lawCurrent : shown.valueCurrent[std::size_t(selectorIndex(focus_))];
    if (selected != current || selected < 0 || selected >= rowCount(focus_))
        return;
    if (!typed_.contains(rowText(focus_, selected).left(1).toLower()))
        return; // not a row the letters could reach: the comparison will say so
    ListState &state = stateOf(focus_);
    state.selected = selected;
    state.current = current;
    keepFocusShown();
}

void ReferenceModel::press(Control list, int row, Qt::KeyboardModifiers modifiers) {
    focus_ = list;
    ListState &state = stateOf(list);
    state.current = row;
    // Ctrl+click would deselect the selected row; the list keeps it.
    if (!(modifiers & Qt::ControlModifier) || row != state.selected)
        state.selected = row;
}

void ReferenceModel::openTable(const UserAction &action) {
    // Only the law list and the result box have the item in their menus; a
    // right-click selects the row under it first. The window opened is
    // closed again, and the main window's focus comes back where it was.
    switch (action.opening) {
    case UserAction::Opening::Shortcut:
        ++tablesOpened_;
        break;
    case UserAction::Opening::ShiftF10:
        if (focus_ == Control::LawList || focus_ == Control::ResultBox)
            ++tablesOpened_;
        break;
    case UserAction::Opening::RightClickLawRow:
        press(Control::LawList, action.row, Qt::NoModifier);
        ++tablesOpened_;
        break;
    }
}

void ReferenceModel::moveOver(Control list, int row) {
    // Dragging with the button held selects each row the pointer enters.
    ListState &state = stateOf(list);
    state.current = row;
    state.selected = row;
}

void ReferenceModel::clickAt(QPoint point) {
    for (Control box : {Control::Description, Control::ResultBox})
        if (placeOf(box).contains(point))
            focus_ = box;
    // The title, the labels and the bare window take no focus and do nothing.
}

void ReferenceModel::key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier))) {
        moveFocus(false);
        return;
    }
    if (key == Qt::Key_Tab) {
        moveFocus(true);
        return;
    }
    if (isList(focus_))
        listKey(focus_, key, modifiers);
    // The text boxes are read-only: their keys only move their own cursor.
}

void ReferenceModel::listKey(Control list, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    ListState &state = stateOf(list);
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (key == Qt::Key_Space) {
        if (!ctrl || state.current != state.selected)
            state.selected = state.current;
        return;
    }
    if (!isNavigationKey(key))
        return;
    const int last = rowCount(list) - 1;
    const int page = list == Control::LawList ? pages_.lawList : pages_.selector;
    int target = state.current;
    switch (key) {
    case Qt::Key_Up:
        target = state.current - 1;
        break;
    case Qt::Key_Down:
        target = state.current + 1;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = last;
        break;
    case Qt::Key_PageUp:
        target = state.current - page;
        break;
    case Qt::Key_PageDown:
        target = state.current + page;
        break;
    default:
        break;
    }
    target = std::clamp(target, 0, last);
    // Moving onto the selected row with ctrl held would deselect it: the
    // list refuses, and the key does nothing at all.
    if (target == state.current || (ctrl && target == state.selected))
        return;
    state.current = target;
    state.selected = target;
}

void ReferenceModel::moveFocus(bool forward) {
    const auto at = std::find(tabOrder.begin(), tabOrder.end(), focus_);
    if (at == tabOrder.end())
        return;
    const int size = int(tabOrder.size());
    int index = int(at - tabOrder.begin());
    do
        index = (index + (forward ? 1 : size - 1)) % size;
    while (!isShown(tabOrder[std::size_t(index)]));
    focus_ = tabOrder[std::size_t(index)];
}

void ReferenceModel::keepFocusShown() {
    // A control that is hidden while it has the focus hands it on.
    if (!isShown(focus_))
        moveFocus(true);
}

WindowState ReferenceModel::expected() const {
    WindowState state;
    state.law = law_.selected;
    state.lawCurrent = law_.current;
    for (std::size_t i = 0; i < 3; ++i) {
        state.value[i] = values_[i].selected;
        state.valueCurrent[i] = values_[i].current;
        const bool shown = i < 2 || showsC();
        state.labelShown[i] = shown;
        state.selectorShown[i] = shown;
        state.formValues[i] = values_[i].selected; // C keeps its value while hidden
    }
    state.formComplements = {values_[0].selected == 1 ? 0 : 1, values_[1].selected == 1 ? 0 : 1};
    state.focus = nameOf(focus_);
    state.tablesOpened = tablesOpened_;
    const Inputs inputs{values_[0].selected, values_[1].selected, values_[2].selected};
    state.result = headerOf(law_.selected) + proofOf(law_.selected, inputs);
    state.shownResult = QString::fromUtf8(state.result).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const char *line : texts::descriptionLines)
        state.description += QString::fromUtf8(line) + QLatin1Char('\n');
    return state;
}

} // namespace testing
