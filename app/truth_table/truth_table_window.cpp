// SPDX-License-Identifier: GPL-3.0-or-later
#include "truth_table_window.h"

#include "context_menus.h"
#include "inf_tarvisko.h"
#include "law_catalogue.h"
#include "law_names.h"
#include "law_selection.h"
#include "readable_colours.h"
#include "screen_reader.h"
#include "table_verdict.h"
#include "truth_table_model.h"
#include "truth_table_texts.h"
#include "truth_table_view.h"
#include "window_font.h"
#include "wording.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>

namespace {

using table_texts::shown;
QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

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

QAction *TruthTableWindow::attachTo(Inf_Tarvisko &main) {
    auto *open = new QAction(&main);
    (new Wording(&main))->add([open] { open->setText(shown(table_texts::menuItem)); });
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    main.addToContextMenus(open);
    QObject::connect(open, &QAction::triggered, &main, [&main, open] {
        auto *window = main.findChild<TruthTableWindow *>(QString(), Qt::FindDirectChildrenOnly);
        if (!window) {
            window = new TruthTableWindow(*main.selection(), &main);
            window->placeBeside(main);
            // The other windows' items (the Karnaugh map, the sheets) in the
            // table's menu, their shortcuts working here too.
            for (QAction *action : main.actions())
                if (action != open)
                    window->addToTableMenu(action);
        }
        if (window->isVisible())
            window->raise(); // a window just shown is on top already
        window->show();
        window->activateWindow();
    });
    return open;
}

void TruthTableWindow::addToTableMenu(QAction *action) {
    table_->addAction(action);
    addAction(action);
}

void TruthTableWindow::placeBeside(const QWidget &main) {
    // Right of the main window where the screen has room, so that the proof
    // and the table show together; elsewhere the desktop places it.
    adjustSize();
    const QRect screen = main.screen()->availableGeometry();
    const QPoint at = main.frameGeometry().topRight() + QPoint(1, 0);
    if (screen.contains(QRect(at, frameSize())))
        move(at);
}

TruthTableWindow::TruthTableWindow(LawSelection &selection, QWidget *parent)
    : QWidget(parent, Qt::Window), selection_(selection) {
    screen_reader::readAsWindow(this);
    setObjectName(QStringLiteral("TruthTableWindow"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    setFont(windowFont());

    buildControls();
    followLaw();
    fitTable();
    followSelection();
    table_->setFocus();
}

void TruthTableWindow::buildControls() {
    formula_ = new QLineEdit(this);
    formula_->setMinimumWidth(formula_->fontMetrics().horizontalAdvance(QString::fromLatin1(widestFormula)) +
                              formula_->fontMetrics().averageCharWidth() * 4);
    formulaLabel_ = new QLabel(this);
    formulaLabel_->setBuddy(formula_);

    model_ = new TruthTableModel(this);
    table_ = new TruthTableView(model_, this);
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

    verdict_ = new QLineEdit(this);
    verdict_->setReadOnly(true);
    // Read and copied, but not a stop on the way from the table to the buttons.
    verdict_->setFocusPolicy(Qt::ClickFocus);
    verdictLabel_ = new QLabel(this);
    verdictLabel_->setBuddy(verdict_);

    lawFormula_ = new QPushButton(this);
    lawFormula_->setAutoDefault(false);
    buildExerciseButtons();
    setTexts();

    auto *grid = new QGridLayout(this);
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
        edited_ = true;
        selection_.setTableFormula(text);
        tabulate(text);
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

void TruthTableWindow::setTexts() {
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
}

void TruthTableWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || !formula_)
        return;
    setTexts();
    model_->retranslate();
    showVerdict();
    updateTitle();
    fitTable();
}

QPushButton *TruthTableWindow::makeButton() {
    auto *button = new QPushButton(this);
    button->setAutoDefault(false);
    return button;
}

void TruthTableWindow::buildExerciseButtons() {
    exercise_ = makeButton();
    exercise_->setCheckable(true);
    // The mnemonic is Alt+С; Ctrl+E works as well.
    auto *toggle = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    connect(toggle, &QShortcut::activated, exercise_, &QPushButton::click);
    check_ = makeButton();
    showTruth_ = makeButton();
    showTruth_->setCheckable(true);
    restart_ = makeButton();
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
    connect(restart_, &QPushButton::clicked, model_, &TruthTableModel::restart);
    connect(model_, &TruthTableModel::exerciseChanged, this, [this] {
        // A fresh exercise hides the true values again.
        const QSignalBlocker quiet(showTruth_);
        showTruth_->setChecked(model_->isTruthShown());
        showVerdict();
    });
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
    connect(&selection_, &LawSelection::tableFormulaChanged, this, &TruthTableWindow::followTableFormula);
}

void TruthTableWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (lawRow() != shownLaw_)
        followLaw();
    else
        followValues();
    if (edited_)
        selection_.setTableFormula(formula_->text());
}

void TruthTableWindow::hideEvent(QHideEvent *event) {
    QWidget::hideEvent(event);
    // A closed window shows no formula of its own.
    selection_.setTableFormula(QString());
}

int TruthTableWindow::lawRow() const { return selection_.law(); }

void TruthTableWindow::followTableFormula(const QString &formula) {
    // Another window's formula for the table; our own keystrokes set the
    // very text the field holds, and change nothing here.
    if (formula.isEmpty() || formula == formula_->text())
        return;
    edited_ = true;
    formula_->setText(formula);
    tabulate(formula);
}

void TruthTableWindow::followLaw() {
    shownLaw_ = lawRow();
    edited_ = false;
    selection_.setTableFormula(QString());
    QString formula;
    if (shownLaw_ >= 0 && std::size_t(shownLaw_) < catalogue::lawCatalogue.size())
        formula = utf8(catalogue::lawCatalogue[std::size_t(shownLaw_)].formula).trimmed();
    formula_->setText(formula);
    tabulate(formula);
}

void TruthTableWindow::tabulate(const QString &formula) {
    auto result = formulas::tabulate(formula.toStdU32String());
    if (auto *table = std::get_if<formulas::TruthTable>(&result)) {
        readError_.reset();
        model_->setTable(std::move(*table));
    } else {
        readError_ = std::get<formulas::ReadError>(result);
        model_->setTable(std::nullopt);
    }
    showVerdict();
    updateTitle();
    followValues();
    if (model_->inExercise())
        table_->setExercise(true); // the fresh exercise starts at its first cell
}

void TruthTableWindow::showVerdict() {
    QString verdict;
    if (!model_->table()) {
        // The reader's own message, "Грешка на позиция N: …"
        if (readError_)
            verdict = verdictOf(*readError_);
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

void TruthTableWindow::updateTitle() {
    QString what = shown(table_texts::ownFormulaTitle);
    if (!edited_ && shownLaw_ >= 0 && std::size_t(shownLaw_) < catalogue::lawCatalogue.size()) {
        what = QStringLiteral("%1. %2").arg(shownLaw_ + 1).arg(law_names::heading(shownLaw_));
    }
    setWindowTitle(shown(table_texts::title) + QStringLiteral(" – ") + what);
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
