// SPDX-License-Identifier: GPL-3.0-or-later
#include "truth_table_window.h"

#include "inf_tarvisko.h"
#include "law_catalogue.h"
#include "table_verdict.h"
#include "truth_table_model.h"
#include "truth_table_texts.h"
#include "window_font.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QTableView>

namespace {

QString utf8(const char *text) { return QString::fromUtf8(text); }
QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// What a screen reader announces; the description is the tool-tip.
void describe(QWidget *control, const char *name, const char *toolTip) {
    control->setToolTip(utf8(toolTip));
    control->setAccessibleName(utf8(name));
    control->setAccessibleDescription(control->toolTip());
}

// A plain top-level widget reads as a pane; readers announce a window (and
// its title) only for this role.
QAccessibleInterface *windowInterface(const QString &className, QObject *object) {
    if (className == QLatin1String("TruthTableWindow") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

// The table shows up to eight rows (three variables) without scrolling.
constexpr int mostRows = 8;

// The widest texts the two lines must show whole: the catalogue's longest
// formula, and the longest message of the verdict line.
constexpr const char *widestFormula = "(A ^ B) v (!A ^ C) v (B ^ C) = (A ^ B) v (!A ^ C)";
constexpr const char *widestVerdict =
    "Грешка на позиция 1000: очаква се променлива (A, B, C), 0, 1, „!“ или „(“";

} // namespace

QAction *TruthTableWindow::attachTo(Inf_Tarvisko &main) {
    auto *open = new QAction(utf8(table_texts::menuItem), &main);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    main.addToContextMenus(open);
    QObject::connect(open, &QAction::triggered, &main, [&main] {
        auto *window = main.findChild<TruthTableWindow *>(QString(), Qt::FindDirectChildrenOnly);
        if (!window) {
            window = new TruthTableWindow(main);
            window->placeBeside(main);
        }
        if (window->isVisible())
            window->raise(); // a window just shown is on top already
        window->show();
        window->activateWindow();
    });
    return open;
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

TruthTableWindow::TruthTableWindow(Inf_Tarvisko &main) : QWidget(&main, Qt::Window), main_(main) {
    static const bool windowRoleKnown = (QAccessible::installFactory(windowInterface), true);
    Q_UNUSED(windowRoleKnown);
    setObjectName(QStringLiteral("TruthTableWindow"));
    setWindowIcon(main.windowIcon());
    setFont(windowFont());

    buildControls();
    followLaw();
    fitRows();
    connectToMainWindow();
    table_->setFocus();
}

void TruthTableWindow::buildControls() {
    formula_ = new QLineEdit(this);
    describe(formula_, table_texts::formulaName, table_texts::formulaToolTip);
    formula_->setMinimumWidth(formula_->fontMetrics().horizontalAdvance(utf8(widestFormula)) +
                              formula_->fontMetrics().averageCharWidth() * 4);
    auto *formulaLabel = new QLabel(utf8(table_texts::formulaLabel), this);
    formulaLabel->setBuddy(formula_);

    model_ = new TruthTableModel(this);
    table_ = new QTableView(this);
    table_->setModel(model_);
    describe(table_, table_texts::tableName, table_texts::tableToolTip);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the next control; the arrows move within it.
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->setCornerButtonEnabled(false);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setMinimumWidth(
        table_->fontMetrics().horizontalAdvance(utf8(table_texts::rowDiffers)) * 3);
    table_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setHighlightSections(false);

    verdict_ = new QLineEdit(this);
    describe(verdict_, table_texts::verdictName, table_texts::verdictToolTip);
    verdict_->setReadOnly(true);
    // Read and copied, but not a stop on the way from the table to the buttons.
    verdict_->setFocusPolicy(Qt::ClickFocus);
    verdict_->setMinimumWidth(verdict_->fontMetrics().horizontalAdvance(utf8(widestVerdict)) +
                              verdict_->fontMetrics().averageCharWidth() * 2);
    auto *verdictLabel = new QLabel(utf8(table_texts::verdictLabel), this);
    verdictLabel->setBuddy(verdict_);

    lawFormula_ = new QPushButton(utf8(table_texts::lawFormulaButton), this);
    describe(lawFormula_, table_texts::lawFormulaName, table_texts::lawFormulaToolTip);
    lawFormula_->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(formulaLabel, 0, 0);
    grid->addWidget(formula_, 0, 1);
    grid->addWidget(table_, 1, 0, 1, 2);
    grid->addWidget(verdictLabel, 2, 0);
    grid->addWidget(verdict_, 2, 1);
    buttons_ = new QHBoxLayout;
    buttons_->addWidget(lawFormula_);
    buttons_->addStretch();
    grid->addLayout(buttons_, 3, 0, 1, 2);
    grid->setRowStretch(1, 1);

    setTabOrder(formula_, table_);
    setTabOrder(table_, lawFormula_);

    // The student's keystrokes re-tabulate; the law's own formula comes back
    // with the button or Escape in the field.
    connect(formula_, &QLineEdit::textEdited, this, [this](const QString &text) {
        edited_ = true;
        tabulate(text);
    });
    connect(lawFormula_, &QPushButton::clicked, this, &TruthTableWindow::followLaw);
    auto *restore = new QShortcut(QKeySequence(Qt::Key_Escape), formula_);
    restore->setContext(Qt::WidgetShortcut);
    connect(restore, &QShortcut::activated, this, &TruthTableWindow::followLaw);
    auto *close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (followingSelectors_)
            return;
        const QModelIndexList chosen = table_->selectionModel()->selectedIndexes();
        if (chosen.isEmpty())
            followValues(); // a ctrl+click let the row go: the selectors' row stays chosen
        else
            chooseRow(chosen.first().row());
    });
    connect(model_, &QAbstractItemModel::modelReset, this, &TruthTableWindow::fitRows);
}

void TruthTableWindow::connectToMainWindow() {
    // A hidden window does nothing; showing it catches up (showEvent).
    connect(main_.List1[0], &ChoiceList::itemSelectionChanged, this, [this] {
        if (isVisible())
            followLaw();
    });
    for (ChoiceList *selector : main_.Bul_Prom)
        connect(selector, &ChoiceList::itemSelectionChanged, this, [this] {
            if (isVisible())
                followValues();
        });
}

void TruthTableWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (lawRow() != shownLaw_)
        followLaw();
    else
        followValues();
}

int TruthTableWindow::lawRow() const { return main_.List1[0]->selectedRow(); }

void TruthTableWindow::followLaw() {
    shownLaw_ = lawRow();
    edited_ = false;
    QString formula;
    if (shownLaw_ >= 0 && std::size_t(shownLaw_) < catalogue::lawCatalogue.size())
        formula = utf8(catalogue::lawCatalogue[std::size_t(shownLaw_)].formula).trimmed();
    formula_->setText(formula);
    tabulate(formula);
}

void TruthTableWindow::tabulate(const QString &formula) {
    auto result = formulas::tabulate(formula.toStdString());
    QString verdict;
    if (auto *table = std::get_if<formulas::TruthTable>(&result)) {
        verdict = verdictOf(*table);
        model_->setTable(std::move(*table));
    } else {
        verdict = verdictOf(std::get<formulas::ReadError>(result));
        model_->setTable(std::nullopt);
    }
    if (verdict != verdict_->text()) {
        verdict_->setText(verdict);
        verdict_->setCursorPosition(0); // the beginning shows, should the window be narrowed
    }
    updateTitle();
    followValues();
}

void TruthTableWindow::updateTitle() {
    QString what = utf8(table_texts::ownFormulaTitle);
    if (!edited_ && shownLaw_ >= 0 && std::size_t(shownLaw_) < catalogue::lawCatalogue.size()) {
        QString name = utf8(catalogue::lawCatalogue[std::size_t(shownLaw_)].name).trimmed();
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        what = QStringLiteral("%1. %2").arg(shownLaw_ + 1).arg(name);
    }
    setWindowTitle(utf8(table_texts::title) + QStringLiteral(" – ") + what);
}

void TruthTableWindow::followValues() {
    if (settingSelectors_ || model_->rowCount() == 0)
        return;
    // The row's number is the used variables' values read as binary digits,
    // the first variable most significant.
    int row = 0;
    for (char variable : model_->table()->variables)
        row = 2 * row + (main_.Bul_Prom[std::size_t(variable - 'A')]->selectedRow() == 1 ? 1 : 0);
    const QModelIndex current = table_->currentIndex();
    const QModelIndex target = model_->index(row, current.isValid() ? current.column() : 0);
    QScopedValueRollback following(followingSelectors_, true);
    table_->selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    table_->scrollTo(target);
}

void TruthTableWindow::chooseRow(int row) {
    // Each selector changed raises one proof in the main window, as a click
    // on it would; their echoes must not move the table meanwhile.
    QScopedValueRollback setting(settingSelectors_, true);
    const formulas::TruthTable &table = *model_->table();
    const auto &values = table.rows[std::size_t(row)].values;
    for (char variable : table.variables) {
        const auto index = std::size_t(variable - 'A');
        main_.Bul_Prom[index]->setCurrentRow(values[index] ? 1 : 0);
    }
}

void TruthTableWindow::fitRows() {
    // Eight rows and the header show whole at any scale and in any font; the
    // columns take at least what their header texts need.
    if (model_->columnCount() == 0)
        return; // a formula that cannot be read keeps the table's place
    const QHeaderView *columns = table_->horizontalHeader();
    const QHeaderView *rows = table_->verticalHeader();
    const int frame = 2 * table_->frameWidth();
    int width = rows->sizeHint().width();
    for (int column = 0; column < model_->columnCount(); ++column)
        width += columns->sectionSizeHint(column);
    table_->setMinimumSize(width + frame,
                           columns->sizeHint().height() + mostRows * rows->defaultSectionSize() + frame);
}
