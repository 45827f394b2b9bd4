// SPDX-License-Identifier: GPL-3.0-or-later
#include "derivation_window.h"

#include "chain_output.h"
#include "law_selection.h"
#include "menu_item.h"
#include "plain_button.h"
#include "printed_text.h"
#include "read_only_line.h"
#include "readable_colours.h"
#include "screen_reader.h"
#include "verdict_text.h"
#include "window_font.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>

using derivations::LawId;
using screen_reader::describe;

namespace {

// The longest lines the window shows whole: a formula of the catalogue with
// its law (in the language shown), and a counterexample over four letters.
QString widestLine() {
    return QStringLiteral("(A ^ B) v (!A ^ C) v (B ^ C) = (A ^ B) v (!A ^ C)") +
           VerdictText::lawMark(derivations::LawId::Consensus);
}

void setLine(QLineEdit *line, const QString &text) {
    if (text == line->text())
        return;
    line->setText(text);
    line->setCursorPosition(0); // the beginning shows, should the window be narrowed
}

} // namespace

DerivationWindow::DerivationWindow(LawSelection &selection, QWidget *parent)
    : QMainWindow(parent), selection_(selection), session_(this) {
    setObjectName(QStringLiteral("DerivationWindow"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    setFont(windowFont());
    buildControls();
    buildActions();
    retranslate();

    connect(&session_, &DerivationSession::changed, this, &DerivationWindow::showSession);
    connect(&session_, &DerivationSession::started, this, [this] {
        field_->clear();
        law_->setCurrentIndex(0);
    });
    connect(&session_, &DerivationSession::stepTaken, this, [this](const QString &typed) {
        if (field_->text() == typed)
            field_->clear();
        law_->setCurrentIndex(0);
    });
    connect(&session_, &DerivationSession::hintFilled, this,
            [this](const formulas::Tree &formula, LawId law) {
                field_->setText(printedText(formula));
                law_->setCurrentIndex(int(law) + 1);
                field_->setFocus();
            });
    connect(session_.search(), &BackgroundSearch::searchingChanged, this,
            [this](bool searching) { setCursor(searching ? Qt::BusyCursor : Qt::ArrowCursor); });
    connect(&selection_, &LawSelection::lawChanged, this, [this](int row) {
        if (isVisible())
            session_.startOnLaw(row);
    });
    session_.startOnLaw(selection_.law());
    field_->setFocus();
}

void DerivationWindow::buildControls() {
    auto *page = new QWidget(this);
    setCentralWidget(page);
    goal_ = readOnlyLine(page);
    goalLabel_ = new QLabel(page);
    goalLabel_->setBuddy(goal_);

    steps_ = new QListWidget(page);
    QPalette palette = steps_->palette();
    useReadableHighlight(palette);
    steps_->setPalette(palette);
    const QFontMetrics metrics = fontMetrics();
    steps_->setMinimumSize(metrics.horizontalAdvance(widestLine()) + 4 * metrics.averageCharWidth(),
                           8 * metrics.height());
    stepsLabel_ = new QLabel(page);
    stepsLabel_->setBuddy(steps_);

    field_ = new QLineEdit(page);
    field_->installEventFilter(this);
    fieldLabel_ = new QLabel(page);
    fieldLabel_->setBuddy(field_);

    law_ = new QComboBox(page);
    for (std::size_t law = 0; law <= derivations::lawCount; ++law)
        law_->addItem(QString());
    lawLabel_ = new QLabel(page);
    lawLabel_->setBuddy(law_);

    verdict_ = readOnlyLine(page);
    verdictLabel_ = new QLabel(page);
    verdictLabel_->setBuddy(verdict_);

    hint_ = plainButton(page);
    show_ = plainButton(page);
    undo_ = plainButton(page);
    restart_ = plainButton(page);
    fromTable_ = plainButton(page);

    auto *grid = new QGridLayout(page);
    grid->addWidget(goalLabel_, 0, 0);
    grid->addWidget(goal_, 0, 1);
    grid->addWidget(stepsLabel_, 1, 0, Qt::AlignTop);
    grid->addWidget(steps_, 1, 1);
    grid->addWidget(fieldLabel_, 2, 0);
    grid->addWidget(field_, 2, 1);
    grid->addWidget(lawLabel_, 3, 0);
    grid->addWidget(law_, 3, 1, Qt::AlignLeft);
    grid->addWidget(verdictLabel_, 4, 0);
    grid->addWidget(verdict_, 4, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {hint_, show_, undo_, restart_, fromTable_})
        buttons->addWidget(button);
    buttons->addStretch();
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setRowStretch(1, 1);

    const std::array<QWidget *, 8> tabOrder{field_, law_, hint_, show_, undo_, restart_, fromTable_, steps_};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(field_, &QLineEdit::returnPressed, this, &DerivationWindow::checkTyped);
    connect(hint_, &QPushButton::clicked, &session_, &DerivationSession::hint);
    connect(show_, &QPushButton::clicked, &session_, &DerivationSession::showDerivation);
    connect(undo_, &QPushButton::clicked, &session_, &DerivationSession::undo);
    connect(restart_, &QPushButton::clicked, &session_, &DerivationSession::restart);
    connect(fromTable_, &QPushButton::clicked, this, &DerivationWindow::fromTable);
}

void DerivationWindow::buildActions() {
    auto *hintKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
    connect(hintKey, &QShortcut::activated, hint_, &QPushButton::click);
    auto *escapeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escapeKey, &QShortcut::activated, this, &DerivationWindow::escape);
    auto *undoKey = new QShortcut(QKeySequence::Undo, steps_);
    undoKey->setContext(Qt::WidgetShortcut);
    connect(undoKey, &QShortcut::activated, &session_, &DerivationSession::undo);
    auto *close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    save_ = new QAction(this);
    save_->setShortcut(QKeySequence::Save);
    connect(save_, &QAction::triggered, this, [this] {
        saveChainWithDialog(this, session_.chain(), session_.task().subject(), session_.task().goalText());
    });
    print_ = new QAction(this);
    print_->setShortcut(QKeySequence::Print);
    connect(print_, &QAction::triggered, this, [this] {
        printChainWithDialog(this, session_.chain(), session_.task().subject(), session_.task().goalText());
    });
    steps_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction *action : {save_, print_})
        addToContextMenu(action);
}

void DerivationWindow::addToContextMenu(QAction *action) {
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    steps_->addAction(action);
}

void DerivationWindow::retranslate() {
    menu_item::retranslate(actions()); // the items other parts put into its menus
    goalLabel_->setText(tr("&Цел:"));
    describe(goal_, tr("Цел"), tr("Формулата, до която трябва да стигне извеждането"));
    stepsLabel_->setText(tr("С&тъпки:"));
    describe(steps_, tr("Стъпки"), tr("Началната формула и всяка приета стъпка със своя закон"));
    fieldLabel_->setText(tr("&Следваща стъпка:"));
    describe(field_, tr("Следваща стъпка"), tr("Напишете следващата формула; Enter я проверява"));
    lawLabel_->setText(tr("&Закон:"));
    describe(law_, tr("Закон"), tr("Законът, който прилагате (по желание)"));
    law_->setItemText(0, tr("—"));
    for (std::size_t law = 0; law < derivations::lawCount; ++law)
        law_->setItemText(int(law) + 1, VerdictText::lawName(LawId(law)));
    verdictLabel_->setText(tr("Прове&рка:"));
    describe(verdict_, tr("Проверка"), tr("Какво показа проверката на последната стъпка"));
    wordButton(hint_, tr("&Подсказка"), tr("Следващият закон, после къде, после самата формула (Ctrl+H)"));
    wordButton(show_, tr("Покажи &извеждане"), tr("Цялото извеждане до целта"));
    wordButton(undo_, tr("&Отмени стъпка"), tr("Маха последната стъпка; началната формула остава (Ctrl+Z)"));
    wordButton(restart_, tr("Отна&чало"), tr("Обратно към началната формула"));
    wordButton(fromTable_, tr("От таб&лицата"), tr("Извеждане на формулата от прозореца с таблицата"));
    save_->setText(tr("Запази извеждането…"));
    print_->setText(tr("Печат…"));
    showSession();
}

void DerivationWindow::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void DerivationWindow::closeEvent(QCloseEvent *event) {
    // A closed window's search would otherwise run on to its bound.
    session_.cancel();
    QMainWindow::closeEvent(event);
}

void DerivationWindow::showSession() {
    const DerivationTask &task = session_.task();
    setWindowTitle(tr("Извеждане – %1").arg(task.subject()));
    setLine(goal_, task.goalText());
    QStringList items;
    for (const ChainStep &step : session_.chain().items())
        items << DerivationChain::itemText(step);
    QStringList shown;
    for (int row = 0; row < steps_->count(); ++row)
        shown << steps_->item(row)->text();
    if (items != shown) {
        steps_->clear();
        steps_->addItems(items);
        steps_->setCurrentRow(steps_->count() - 1);
        steps_->scrollToBottom();
    }
    setLine(verdict_, noteText(session_.note(), session_.stepCount()));
    for (QPushButton *button : {hint_, show_})
        button->setEnabled(session_.hintsAllowed());
}

bool DerivationWindow::eventFilter(QObject *watched, QEvent *event) {
    // Ctrl+Z in the empty field undoes a step; with text, it is the field's own undo.
    if (watched == field_ && event->type() == QEvent::KeyPress && field_->text().isEmpty() &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo)) {
        session_.undo();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void DerivationWindow::checkTyped() {
    const QString typed = field_->text();
    std::optional<LawId> claimed;
    if (law_->currentIndex() > 0)
        claimed = LawId(law_->currentIndex() - 1);
    session_.check(typed, claimed);
}

void DerivationWindow::fromTable() {
    const QString formula = selection_.tableFormula();
    if (formula.isEmpty())
        session_.startOnLaw(selection_.law()); // the table shows the law's own formula, or is closed
    else
        session_.startOnFormula(formula);
}

void DerivationWindow::escape() {
    if (!session_.stop())
        field_->clear();
}
