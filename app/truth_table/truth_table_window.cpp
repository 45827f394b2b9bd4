// SPDX-License-Identifier: GPL-3.0-or-later
#include "truth_table_window.h"

#include "law_selection.h"
#include "menu_item.h"
#include "plain_button.h"
#include "readable_colours.h"
#include "screen_reader.h"
#include "shift_f10_menu.h"
#include "table_verdict.h"
#include "truth_table_model.h"
#include "truth_table_texts.h"
#include "truth_table_view.h"
#include "window_font.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

namespace {

using table_texts::shown;

void describe(QWidget *control, const char *name, const char *toolTip) {
    control->setToolTip(shown(toolTip));
    screen_reader::describe(control, shown(name));
}

// The table shows up to eight rows (three variables) without scrolling.
constexpr int mostRows = 8;

// The widest texts the two lines must show whole: the catalogue's longest
// formula, and the longest message of the verdict line.
constexpr const char *widestFormula = "(A ^ B) v (!A ^ C) v (B ^ C) = (A ^ B) v (!A ^ C)";
constexpr const char *widestVerdict = QT_TRANSLATE_NOOP(
    "TruthTableWindow", "Грешка на позиция 1000: очаква се променлива (A, B, C), 0, 1, „!“ или „(“");

} // namespace

void TruthTableWindow::addToContextMenu(QAction *action) {
    action->setShortcutContext(Qt::WindowShortcut);
    table_->addAction(action);
    addAction(action);
}

TruthTableWindow::TruthTableWindow(LawSelection &selection, QWidget *parent)
    : QMainWindow(parent), selection_(selection), session_(this) {
    setObjectName(QStringLiteral("TruthTableWindow"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    setFont(windowFont());

    buildControls();
    connect(&session_, &TruthTableSession::changed, this, &TruthTableWindow::showSession);
    retranslate();
    followLaw();
    fitTable();
    followSelection();
    table_->setFocus();
}

void TruthTableWindow::buildControls() {
    auto *page = new QWidget(this);
    setCentralWidget(page);
    formula_ = new QLineEdit(page);
    formula_->setMinimumWidth(formula_->fontMetrics().horizontalAdvance(QString::fromLatin1(widestFormula)) +
                              formula_->fontMetrics().averageCharWidth() * 4);
    formulaLabel_ = new QLabel(page);
    formulaLabel_->setBuddy(formula_);

    model_ = new TruthTableModel(this);
    table_ = new TruthTableView(model_, page);
    table_->setWordWrap(false);
    table_->setCornerButtonEnabled(false);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setMinimumWidth(
        table_->fontMetrics().horizontalAdvance(QString::fromUtf8(table_texts::rowDiffers)) * 3);
    table_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    opensMenuOnShiftF10(table_);
    QPalette palette = table_->palette();
    useReadableHighlight(palette);
    table_->setPalette(palette);

    verdict_ = new QLineEdit(page);
    verdict_->setReadOnly(true);
    // Read and copied, but not a stop on the way from the table to the buttons.
    verdict_->setFocusPolicy(Qt::ClickFocus);
    verdictLabel_ = new QLabel(page);
    verdictLabel_->setBuddy(verdict_);

    lawFormula_ = plainButton(page);
    buildExerciseButtons();

    auto *grid = new QGridLayout(page);
    grid->addWidget(formulaLabel_, 0, 0);
    grid->addWidget(formula_, 0, 1);
    grid->addWidget(table_, 1, 0, 1, 2);
    grid->addWidget(verdictLabel_, 2, 0);
    grid->addWidget(verdict_, 2, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {lawFormula_, exercise_, check_, showTruth_, restart_})
        buttons->addWidget(button);
    buttons->addStretch();
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setRowStretch(1, 1);

    const std::array<QWidget *, 7> tabOrder{formula_, table_,     lawFormula_, exercise_,
                                            check_,   showTruth_, restart_};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // The student's keystrokes re-tabulate; the law's own formula comes back
    // with the button or Escape in the field.
    connect(formula_, &QLineEdit::textEdited, this, [this](const QString &text) {
        selection_.setTableFormula(text);
        session_.edit(text);
    });
    connect(lawFormula_, &QPushButton::clicked, this, &TruthTableWindow::followLaw);
    auto *restore = new QShortcut(QKeySequence(Qt::Key_Escape), formula_);
    restore->setContext(Qt::WidgetShortcut);
    connect(restore, &QShortcut::activated, this, &TruthTableWindow::followLaw);
    auto *close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList chosen = table_->selectionModel()->selectedIndexes();
        if (chosen.isEmpty())
            followValues(); // a ctrl+click let the row go: the selection's row stays chosen
        else
            chooseRow(chosen.first().row());
    });
    connect(model_, &QAbstractItemModel::modelReset, this, &TruthTableWindow::fitTable);
}

void TruthTableWindow::retranslate() {
    menu_item::retranslate(actions()); // the items other parts put into its menus
    describe(formula_, table_texts::formulaName, table_texts::formulaToolTip);
    formulaLabel_->setText(shown(table_texts::formulaLabel));
    describe(table_, table_texts::tableName, table_texts::tableToolTip);
    describe(verdict_, table_texts::verdictName, table_texts::verdictToolTip);
    verdict_->setMinimumWidth(verdict_->fontMetrics().horizontalAdvance(shown(widestVerdict)) +
                              verdict_->fontMetrics().averageCharWidth() * 2);
    verdictLabel_->setText(shown(table_texts::verdictLabel));
    const std::array<std::array<const char *, 3>, 5> buttons{{
        {table_texts::lawFormulaButton, table_texts::lawFormulaName, table_texts::lawFormulaToolTip},
        {table_texts::exerciseButton, table_texts::exerciseName, table_texts::exerciseToolTip},
        {table_texts::checkButton, table_texts::checkName, table_texts::checkToolTip},
        {table_texts::showTruthButton, table_texts::showTruthName, table_texts::showTruthToolTip},
        {table_texts::restartButton, table_texts::restartName, table_texts::restartToolTip},
    }};
    const std::array<QPushButton *, 5> controls{lawFormula_, exercise_, check_, showTruth_, restart_};
    for (std::size_t i = 0; i < controls.size(); ++i) {
        controls[i]->setText(shown(buttons[i][0]));
        describe(controls[i], buttons[i][1], buttons[i][2]);
    }
    // The table's headers and cells, the verdict and the title.
    model_->retranslate();
    showVerdict();
    setWindowTitle(shown(table_texts::title) + QStringLiteral(" – ") + session_.subject());
    fitTable();
}

void TruthTableWindow::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void TruthTableWindow::buildExerciseButtons() {
    exercise_ = plainButton(centralWidget());
    exercise_->setCheckable(true);
    // The mnemonic is Alt+С; Ctrl+E works as well.
    auto *toggle = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    connect(toggle, &QShortcut::activated, exercise_, &QPushButton::click);
    check_ = plainButton(centralWidget());
    showTruth_ = plainButton(centralWidget());
    showTruth_->setCheckable(true);
    restart_ = plainButton(centralWidget());
    for (QPushButton *button : {check_, showTruth_, restart_})
        button->hide();

    connect(exercise_, &QPushButton::toggled, this, [this](bool on) {
        for (QPushButton *button : {check_, showTruth_, restart_})
            button->setVisible(on);
        model_->setExercise(on);
        table_->setExercise(on);
    });
    connect(check_, &QPushButton::clicked, model_, &TruthTableModel::check);
    connect(table_, &TruthTableView::checkRequested, model_, &TruthTableModel::check);
    connect(showTruth_, &QPushButton::toggled, model_, &TruthTableModel::showTruth);
    connect(showTruth_, &QPushButton::toggled, this, [this](bool on) {
        if (on)
            emit truthShown();
    });
    connect(restart_, &QPushButton::clicked, model_, &TruthTableModel::restart);
    connect(model_, &TruthTableModel::exerciseChanged, this, [this] {
        // A fresh exercise hides the true values again.
        const QSignalBlocker quiet(showTruth_);
        showTruth_->setChecked(model_->isTruthShown());
        showVerdict();
        emit answersChanged();
        const formulas::TableExercise *exercise = model_->exercise();
        if (exercise && model_->isChecked() && !model_->isTruthShown() &&
            exercise->rightCount() == exercise->cellCount())
            emit exerciseSolved();
    });
}

void TruthTableWindow::startExercise(const QString &formula) {
    selection_.setTableFormula(formula);
    session_.edit(formula);
    if (exercise_->isChecked())
        model_->restart();
    else
        exercise_->setChecked(true);
    table_->setFocus();
}

void TruthTableWindow::setHintsAllowed(bool allowed) {
    if (allowed) {
        hintsOffFor_.reset();
    } else {
        hintsOffFor_ = session_.formula();
        showTruth_->setChecked(false);
    }
    showTruth_->setEnabled(allowed);
}

std::pair<TruthTableWindow::Column, TruthTableWindow::Column> TruthTableWindow::exerciseAnswers() const {
    std::pair<Column, Column> answers;
    const formulas::TableExercise *exercise = model_->exercise();
    if (!exercise)
        return answers;
    for (int side = 0; side < exercise->sides(); ++side) {
        Column &column = side == 0 ? answers.first : answers.second;
        for (int row = 0; row < exercise->rows(); ++row) {
            const formulas::Answer answer = exercise->answer(row, side);
            column.push_back(answer == formulas::Answer::Blank
                                 ? std::nullopt
                                 : std::optional(answer == formulas::Answer::One));
        }
    }
    return answers;
}

void TruthTableWindow::writeAnswers(const Column &left, const Column &right) {
    const std::array<const Column *, 2> sides{&left, &right};
    for (int side = 0; side < 2; ++side)
        for (std::size_t row = 0; row < sides[side]->size() && int(row) < model_->rowCount(); ++row) {
            const std::optional<bool> value = (*sides[side])[row];
            const formulas::Answer answer = !value   ? formulas::Answer::Blank
                                            : *value ? formulas::Answer::One
                                                     : formulas::Answer::Zero;
            model_->setAnswer(model_->index(int(row), model_->variableCount() + side), answer);
        }
}

void TruthTableWindow::followSelection() {
    // A hidden window does nothing; showing it catches up (showEvent).
    connect(&selection_, &LawSelection::lawChanged, this, [this] {
        if (isVisible())
            followLaw();
    });
    connect(&selection_, &LawSelection::valueChanged, this, [this] {
        if (isVisible())
            followValues();
    });
}

void TruthTableWindow::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (selection_.law() != session_.law())
        followLaw();
    else
        followValues();
    if (session_.isEdited())
        selection_.setTableFormula(session_.formula());
}

void TruthTableWindow::hideEvent(QHideEvent *event) {
    QMainWindow::hideEvent(event);
    // A closed window shows no formula of its own.
    selection_.setTableFormula(QString());
}

void TruthTableWindow::followLaw() {
    selection_.setTableFormula(QString());
    session_.showLaw(selection_.law());
}

void TruthTableWindow::showSession() {
    if (hintsOffFor_ && *hintsOffFor_ != session_.formula())
        setHintsAllowed(true);
    if (formula_->text() != session_.formula())
        formula_->setText(session_.formula()); // the student's keystrokes are there already
    model_->setTable(session_.table());
    showVerdict();
    setWindowTitle(shown(table_texts::title) + QStringLiteral(" – ") + session_.subject());
    followValues();
    if (model_->inExercise())
        table_->setExercise(true); // the fresh exercise starts at its first cell
}

void TruthTableWindow::showVerdict() {
    QString verdict;
    if (!model_->table()) {
        // The reader's own message, "Грешка на позиция N: …"
        if (session_.readError())
            verdict = verdictOf(*session_.readError());
    } else if (const formulas::TableExercise *exercise = model_->exercise()) {
        verdict = model_->isChecked()
                      ? shown(table_texts::score).arg(exercise->rightCount()).arg(exercise->cellCount())
                      : shown(table_texts::exercisePrompt).arg(exercise->cellCount());
    } else {
        verdict = verdictOf(*model_->table());
    }
    if (verdict != verdict_->text()) {
        verdict_->setText(verdict);
        verdict_->setCursorPosition(0); // the beginning shows, should the window be narrowed
    }
}

void TruthTableWindow::followValues() {
    if (model_->rowCount() == 0)
        return;
    // The row's number is the used variables' values read as binary digits,
    // the first variable most significant. Letters past C have no selector in
    // the main window: they keep the chosen row's values.
    const QModelIndex current = table_->currentIndex();
    const auto &variables = model_->table()->variables;
    const auto &shown = model_->table()->rows[std::size_t(current.isValid() ? current.row() : 0)].values;
    int row = 0;
    for (std::size_t column = 0; column < variables.size(); ++column) {
        const int letter = variables[column] - 'A';
        const bool value = letter < 3 ? selection_.value(letter) : shown[column];
        row = 2 * row + (value ? 1 : 0);
    }
    table_->moveToCell(row, current.isValid() ? current.column() : 0);
}

void TruthTableWindow::chooseRow(int row) {
    // The variables the formula leaves out keep their values. The main
    // window proves each value that changes, as a click on its selector would.
    const formulas::TruthTable &table = *model_->table();
    const auto &values = table.rows[std::size_t(row)].values;
    std::array<bool, 3> chosen = selection_.values();
    for (std::size_t column = 0; column < table.variables.size(); ++column) {
        const auto letter = std::size_t(table.variables[column] - 'A');
        if (letter < chosen.size())
            chosen[letter] = values[column];
    }
    selection_.setValues(chosen);
}

void TruthTableWindow::fitTable() {
    // Eight rows and the header show whole at any scale and in any font.
    if (model_->columnCount() == 0)
        return; // a formula that cannot be read keeps the table's place
    QHeaderView *columns = table_->horizontalHeader();
    const QHeaderView *rows = table_->verticalHeader();
    const QFontMetrics metrics = table_->fontMetrics();
    // The variables' columns narrow, twice their letter; the sides share the
    // rest, with room at least for an answer, its mark and the true value.
    const QString widestAnswer =
        shown(table_texts::withTruth)
            .arg(QStringLiteral("0 ") + shown(table_texts::wrongSign), QStringLiteral("1"));
    const int answerWidth = metrics.horizontalAdvance(widestAnswer) + 2 * metrics.averageCharWidth();
    int width = rows->sizeHint().width() + 2 * table_->frameWidth();
    for (int column = 0; column < model_->columnCount(); ++column) {
        const int hint = columns->sectionSizeHint(column);
        if (column < model_->variableCount()) {
            columns->setSectionResizeMode(column, QHeaderView::Fixed);
            columns->resizeSection(column, 2 * hint);
            width += 2 * hint;
        } else {
            columns->setSectionResizeMode(column, QHeaderView::Stretch);
            width += std::max(hint, answerWidth);
        }
    }
    table_->setMinimumSize(width, columns->sizeHint().height() + mostRows * rows->defaultSectionSize() +
                                      2 * table_->frameWidth());
}
