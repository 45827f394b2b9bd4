// SPDX-License-Identifier: GPL-3.0-or-later
#include "derivation_window.h"

#include "chain_output.h"
#include "changed_part.h"
#include "formula_printer.h"
#include "law_selection.h"
#include "read_only_line.h"
#include "readable_colours.h"
#include "screen_reader.h"
#include "verdict_text.h"
#include "window_font.h"
#include "wording.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

using derivations::DeriveOutcome;
using derivations::DeriveResult;
using derivations::LawId;
using Letter = VerdictText::Letter;

namespace {

QString printedText(const formulas::Tree &tree) { return QString::fromStdString(formulas::printed(tree)); }

using screen_reader::describe;

// The longest lines the window shows whole: a formula of the catalogue with
// its law (in the language shown), and a counterexample over four letters.
QString widestLine() {
    return QStringLiteral("(A ^ B) v (!A ^ C) v (B ^ C) = (A ^ B) v (!A ^ C)") +
           VerdictText::lawMark(derivations::LawId::Consensus);
}

// A chain to a minimal form may be long; another step or Escape stops it.
derivations::SearchBounds searchBounds(const std::atomic<bool> &cancelled) {
    derivations::SearchBounds bounds;
    bounds.maxSteps = 250;
    bounds.cancelled = &cancelled;
    return bounds;
}

} // namespace

DerivationWindow::DerivationWindow(LawSelection &selection, QWidget *parent)
    : QWidget(parent, Qt::Window), selection_(selection), search_(new BackgroundSearch(this)) {
    screen_reader::readAsWindow(this);
    setObjectName(QStringLiteral("DerivationWindow"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    setFont(windowFont());
    words_ = new Wording(this);
    buildControls();
    buildActions();
    words_->afterChange([this] { reword(); });

    connect(&selection_, &LawSelection::lawChanged, this, [this](int row) {
        if (isVisible())
            startOnLaw(row);
    });
    connect(search_, &BackgroundSearch::searchingChanged, this, [this](bool searching) {
        setCursor(searching ? Qt::BusyCursor : Qt::ArrowCursor);
        if (searching)
            say(tr("Търсене… Escape го прекъсва."));
    });
    startOnLaw(selection_.law());
    field_->setFocus();
}

void DerivationWindow::buildControls() {
    goal_ = readOnlyLine(this);
    words_->add(
        [=, this] { describe(goal_, tr("Цел"), tr("Формулата, до която трябва да стигне извеждането")); });
    auto *goalLabel = new QLabel(this);
    words_->add([=, this] { goalLabel->setText(tr("&Цел:")); });
    goalLabel->setBuddy(goal_);

    steps_ = new QListWidget(this);
    words_->add([=, this] {
        describe(steps_, tr("Стъпки"), tr("Началната формула и всяка приета стъпка със своя закон"));
    });
    QPalette palette = steps_->palette();
    useReadableHighlight(palette);
    steps_->setPalette(palette);
    const QFontMetrics metrics = fontMetrics();
    steps_->setMinimumSize(metrics.horizontalAdvance(widestLine()) + 4 * metrics.averageCharWidth(),
                           8 * metrics.height());
    auto *stepsLabel = new QLabel(this);
    words_->add([=, this] { stepsLabel->setText(tr("С&тъпки:")); });
    stepsLabel->setBuddy(steps_);

    field_ = new QLineEdit(this);
    words_->add([=, this] {
        describe(field_, tr("Следваща стъпка"), tr("Напишете следващата формула; Enter я проверява"));
    });
    field_->installEventFilter(this);
    auto *fieldLabel = new QLabel(this);
    words_->add([=, this] { fieldLabel->setText(tr("&Следваща стъпка:")); });
    fieldLabel->setBuddy(field_);

    law_ = new QComboBox(this);
    words_->add([=, this] { describe(law_, tr("Закон"), tr("Законът, който прилагате (по желание)")); });
    for (std::size_t law = 0; law <= derivations::lawCount; ++law)
        law_->addItem(QString());
    words_->add([this] {
        law_->setItemText(0, tr("—"));
        for (std::size_t law = 0; law < derivations::lawCount; ++law)
            law_->setItemText(int(law) + 1, VerdictText::lawName(LawId(law)));
    });
    auto *lawLabel = new QLabel(this);
    words_->add([=, this] { lawLabel->setText(tr("&Закон:")); });
    lawLabel->setBuddy(law_);

    verdict_ = readOnlyLine(this);
    words_->add([=, this] {
        describe(verdict_, tr("Проверка"), tr("Какво показа проверката на последната стъпка"));
    });
    auto *verdictLabel = new QLabel(this);
    words_->add([=, this] { verdictLabel->setText(tr("Прове&рка:")); });
    verdictLabel->setBuddy(verdict_);

    hint_ = makeButton();
    words_->add([this] {
        wordButton(hint_, tr("&Подсказка"),
                   tr("Следващият закон, после къде, после самата формула (Ctrl+H)"));
    });
    show_ = makeButton();
    words_->add([this] { wordButton(show_, tr("Покажи &извеждане"), tr("Цялото извеждане до целта")); });
    undo_ = makeButton();
    words_->add([this] {
        wordButton(undo_, tr("&Отмени стъпка"),
                   tr("Маха последната стъпка; началната формула остава (Ctrl+Z)"));
    });
    restart_ = makeButton();
    words_->add([this] { wordButton(restart_, tr("Отна&чало"), tr("Обратно към началната формула")); });
    fromTable_ = makeButton();
    words_->add([this] {
        wordButton(fromTable_, tr("От таб&лицата"), tr("Извеждане на формулата от прозореца с таблицата"));
    });

    auto *grid = new QGridLayout(this);
    grid->addWidget(goalLabel, 0, 0);
    grid->addWidget(goal_, 0, 1);
    grid->addWidget(stepsLabel, 1, 0, Qt::AlignTop);
    grid->addWidget(steps_, 1, 1);
    grid->addWidget(fieldLabel, 2, 0);
    grid->addWidget(field_, 2, 1);
    grid->addWidget(lawLabel, 3, 0);
    grid->addWidget(law_, 3, 1, Qt::AlignLeft);
    grid->addWidget(verdictLabel, 4, 0);
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
    connect(hint_, &QPushButton::clicked, this, &DerivationWindow::hint);
    connect(show_, &QPushButton::clicked, this, &DerivationWindow::showDerivation);
    connect(undo_, &QPushButton::clicked, this, &DerivationWindow::undoStep);
    connect(restart_, &QPushButton::clicked, this, &DerivationWindow::startAgain);
    connect(fromTable_, &QPushButton::clicked, this, &DerivationWindow::fromTable);
}

QPushButton *DerivationWindow::makeButton() {
    auto *button = new QPushButton(this);
    button->setAutoDefault(false); // Enter in the field only checks
    return button;
}

void DerivationWindow::wordButton(QPushButton *button, const QString &text, const QString &toolTip) {
    button->setText(text);
    describe(button, QString(text).remove(QLatin1Char('&')), toolTip);
}

void DerivationWindow::reword() {
    // The steps' law names, the combo's laws and the title in the new words;
    // the last verdict stays as it was said until the next step.
    const std::vector<ChainStep> &items = chain_.items();
    for (std::size_t row = 0; row < std::size_t(steps_->count()) && row < items.size(); ++row)
        steps_->item(int(row))->setText(DerivationChain::itemText(items[row]));
    setWindowTitle(tr("Извеждане – %1").arg(task_.subject));
    if (showingPrompt_)
        say(prompt());
}

void DerivationWindow::buildActions() {
    auto *hintKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
    connect(hintKey, &QShortcut::activated, hint_, &QPushButton::click);
    auto *escapeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escapeKey, &QShortcut::activated, this, &DerivationWindow::escape);
    auto *undoKey = new QShortcut(QKeySequence::Undo, steps_);
    undoKey->setContext(Qt::WidgetShortcut);
    connect(undoKey, &QShortcut::activated, this, &DerivationWindow::undoStep);
    auto *close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    auto *saveChain = new QAction(this);
    words_->add([saveChain] { saveChain->setText(tr("Запази извеждането…")); });
    saveChain->setShortcut(QKeySequence::Save);
    connect(saveChain, &QAction::triggered, this, &DerivationWindow::save);
    auto *printChain = new QAction(this);
    words_->add([printChain] { printChain->setText(tr("Печат…")); });
    printChain->setShortcut(QKeySequence::Print);
    connect(printChain, &QAction::triggered, this, &DerivationWindow::print);
    for (QAction *action : {saveChain, printChain}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        steps_->addAction(action);
    }
    steps_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

bool DerivationWindow::eventFilter(QObject *watched, QEvent *event) {
    // Ctrl+Z in the empty field undoes a step; with text, it is the field's own undo.
    if (watched == field_ && event->type() == QEvent::KeyPress && field_->text().isEmpty() &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo)) {
        undoStep();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DerivationWindow::startOnLaw(int row) { start(DerivationTasks::ofLaw(row)); }

void DerivationWindow::startOnFormula(const QString &text) {
    auto task = DerivationTasks::ofFormula(text);
    if (auto *error = std::get_if<QString>(&task)) {
        say(*error);
        return;
    }
    start(std::get<DerivationTask>(task));
}

void DerivationWindow::start(const DerivationTask &task) {
    search_->cancel();
    task_ = task;
    setWindowTitle(tr("Извеждане – %1").arg(task_.subject));
    goal_->setText(task_.goalText);
    goal_->setCursorPosition(0);
    field_->clear();
    law_->setCurrentIndex(0);
    chain_.restart(task_.start, task_.goal);
    chainChanged();
    say(prompt());
}

QString DerivationWindow::prompt() const {
    if (chain_.reachedGoal())
        return VerdictText::done(chain_.stepCount(), Letter::Capital);
    return tr("Напишете следващата формула и натиснете Enter.");
}

void DerivationWindow::say(const QString &text) {
    showingPrompt_ = text == prompt();
    if (text != verdict_->text()) {
        verdict_->setText(text);
        verdict_->setCursorPosition(0); // the beginning shows, should the window be narrowed
    }
}

void DerivationWindow::chainChanged() {
    hintLevel_ = 0;
    hintSource_.reset();
    steps_->clear();
    for (const ChainStep &step : chain_.items())
        steps_->addItem(DerivationChain::itemText(step));
    steps_->setCurrentRow(steps_->count() - 1);
    steps_->scrollToBottom();
}

void DerivationWindow::checkTyped() {
    const QString typed = field_->text();
    if (typed.trimmed().isEmpty())
        return;
    auto read = DerivationTasks::readStep(typed);
    if (auto *error = std::get_if<QString>(&read)) {
        search_->cancel();
        say(*error);
        return;
    }
    const formulas::Tree after = std::get<formulas::Tree>(read);
    const formulas::Tree before = chain_.last();
    std::optional<LawId> claimed;
    if (law_->currentIndex() > 0)
        claimed = LawId(law_->currentIndex() - 1);
    search_->run(
        [this, before, after, claimed, typed](const std::atomic<bool> &) -> BackgroundSearch::Finish {
            const derivations::StepVerdict verdict = derivations::checkStep(before, after, claimed);
            return [this, typed, after, verdict] { takeVerdict(typed, after, verdict); };
        });
}

void DerivationWindow::takeVerdict(const QString &typed, const formulas::Tree &formula,
                                   const derivations::StepVerdict &verdict) {
    using derivations::VerdictKind;
    const bool added = verdict.kind == VerdictKind::Correct || verdict.kind == VerdictKind::CorrectOtherLaw ||
                       verdict.kind == VerdictKind::BigStep;
    if (!added) {
        say(VerdictText::step(verdict, Letter::Capital)); // the field keeps the text for correction
        return;
    }
    ChainStep step{formula, std::nullopt, verdict.laws, verdict.kind == VerdictKind::BigStep};
    if (!step.bigStep)
        step.law = verdict.law;
    chain_.add(std::move(step));
    chainChanged();
    if (field_->text() == typed)
        field_->clear();
    law_->setCurrentIndex(0);
    say(chain_.reachedGoal() ? VerdictText::done(chain_.stepCount(), Letter::Capital)
                             : VerdictText::step(verdict, Letter::Capital));
}

void DerivationWindow::hint() {
    if (chain_.reachedGoal()) {
        say(tr("Подсказка: целта е достигната."));
        return;
    }
    if (hintSource_) {
        showHint(*hintSource_);
        return;
    }
    const formulas::Tree from = chain_.last();
    const formulas::Tree to = chain_.goal();
    search_->run([this, from, to](const std::atomic<bool> &cancelled) -> BackgroundSearch::Finish {
        DeriveResult found = derivations::derive(from, to, derivations::allLaws(), searchBounds(cancelled));
        return [this, found = std::move(found)] {
            hintSource_ = found;
            showHint(found);
        };
    });
}

void DerivationWindow::showHint(const DeriveResult &found) {
    if (found.outcome == DeriveOutcome::NotEquivalent) {
        say(tr("Подсказка: целта не е равносилна на последната формула: %1")
                .arg(VerdictText::counterexample(found.counterexample)));
        return;
    }
    if (found.outcome == DeriveOutcome::GaveUp || found.derivation.steps.empty()) {
        say(tr("Подсказка: в границите на търсенето не е намерено извеждане до целта."));
        return;
    }
    const derivations::DerivationStep &next = found.derivation.steps.front();
    hintLevel_ = std::min(hintLevel_ + 1, 3);
    switch (hintLevel_) {
    case 1:
        say(tr("Подсказка: следващият закон е %1.").arg(VerdictText::lawName(next.law)));
        break;
    case 2:
        say(tr("Подсказка: %1 се прилага към %2.")
                .arg(VerdictText::lawName(next.law),
                     printedText(changedPart(chain_.last(), next.formula, next.law))));
        break;
    default:
        field_->setText(printedText(next.formula));
        law_->setCurrentIndex(int(next.law) + 1);
        say(tr("Подсказка: следващата формула е в полето; Enter я проверява."));
        field_->setFocus();
        break;
    }
}

void DerivationWindow::showDerivation() {
    if (chain_.reachedGoal()) {
        say(VerdictText::done(chain_.stepCount(), Letter::Capital));
        return;
    }
    const formulas::Tree from = chain_.last();
    const formulas::Tree to = chain_.goal();
    search_->run([this, from, to](const std::atomic<bool> &cancelled) -> BackgroundSearch::Finish {
        DeriveResult found = derivations::derive(from, to, derivations::allLaws(), searchBounds(cancelled));
        return [this, found = std::move(found)] {
            if (found.outcome == DeriveOutcome::NotEquivalent) {
                say(tr("Целта не е равносилна на последната формула: %1")
                        .arg(VerdictText::counterexample(found.counterexample)));
                return;
            }
            if (found.outcome == DeriveOutcome::GaveUp) {
                say(tr("В границите на търсенето не е намерено извеждане до целта."));
                return;
            }
            for (const derivations::DerivationStep &step : found.derivation.steps)
                chain_.add(ChainStep{step.formula, step.law, {}, false});
            chainChanged();
            say(VerdictText::done(chain_.stepCount(), Letter::Capital));
        };
    });
}

void DerivationWindow::undoStep() {
    search_->cancel();
    if (!chain_.undo()) {
        say(tr("Началната формула остава; няма стъпка за отмяна."));
        return;
    }
    chainChanged();
    say(prompt());
}

void DerivationWindow::startAgain() {
    search_->cancel();
    chain_.restart(task_.start, task_.goal);
    chainChanged();
    say(prompt());
}

void DerivationWindow::fromTable() {
    const QString formula = selection_.tableFormula();
    if (formula.isEmpty())
        startOnLaw(selection_.law()); // the table shows the law's own formula, or is closed
    else
        startOnFormula(formula);
}

void DerivationWindow::escape() {
    if (search_->cancel()) {
        say(tr("Търсенето е прекъснато."));
        return;
    }
    field_->clear();
}

void DerivationWindow::save() { saveChainWithDialog(this, chain_, task_.subject, task_.goalText); }

void DerivationWindow::print() { printChainWithDialog(this, chain_, task_.subject, task_.goalText); }
