// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise_window.h"

#include "formula_printer.h"
#include "language.h"
#include "law_selection.h"
#include "menu_item.h"
#include "plain_button.h"
#include "read_only_line.h"
#include "screen_reader.h"
#include "verdict_text.h"
#include "window_font.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableWidget>

using exercises::Kind;
using exercises::Level;

namespace {

QString printedText(const formulas::Tree &tree) { return QString::fromStdString(formulas::printed(tree)); }

QString kindText(Kind kind) { return QCoreApplication::translate("exercises", exercises::kindName(kind)); }
QString levelText(Level level) {
    return QCoreApplication::translate("exercises", exercises::levelName(level));
}

QString stepText(const exercises::StepName &name) {
    return QCoreApplication::translate("derivations", exercises::stepChoiceName(name));
}

std::uint32_t randomSeed() { return QRandomGenerator::global()->bounded(exercises::maxSeed); }

} // namespace

QString exerciseTask(const exercises::Exercise &exercise) {
    QString task = printedText(exercise.formula);
    if (exercise.kind == Kind::Prove)
        task += QStringLiteral(" = ") + printedText(exercise.goal);
    else if (exercise.kind == Kind::Law)
        task += QStringLiteral(" \u2192 ") + printedText(exercise.goal);
    return kindText(exercise.kind) + QStringLiteral(": ") + task;
}

QString exerciseSolution(const exercises::Exercise &exercise) {
    QStringList lines;
    switch (exercise.kind) {
    case Kind::Prove:
    case Kind::Simplify:
        lines << printedText(exercise.derivation.start);
        for (const derivations::DerivationStep &step : exercise.derivation.steps)
            lines << QStringLiteral("= ") + printedText(step.formula) + VerdictText::lawMark(step.law);
        break;
    case Kind::Table: {
        const std::size_t count = exercise.letters.size();
        QString head;
        for (char letter : exercise.letters)
            head += QLatin1Char(letter) + QStringLiteral(" ");
        lines << head + QStringLiteral("| F");
        for (std::uint64_t row = 0; row < (std::uint64_t(1) << count); ++row) {
            QString line;
            for (std::size_t v = 0; v < count; ++v)
                line += QLatin1String((row >> (count - 1 - v)) & 1 ? "1 " : "0 ");
            lines << line + QStringLiteral("| ") + QLatin1Char((exercise.truth >> row) & 1 ? '1' : '0');
        }
        break;
    }
    case Kind::Map: {
        const std::string letters(exercise.letters.begin(), exercise.letters.end());
        lines << ExerciseWindow::tr("Минимална ДНФ: %1")
                     .arg(QString::fromStdString(derivations::formatSumOfProducts(
                         int(letters.size()), exercise.minimalCover, letters)));
        break;
    }
    case Kind::Law:
        lines << stepText(exercise.step);
        break;
    }
    return lines.join(QLatin1Char('\n'));
}

ExerciseWindow::ExerciseWindow(LawSelection &selection, QWidget *parent)
    : QMainWindow(parent), selection_(selection), session_(randomSeed(), this) {
    setObjectName(QStringLiteral("ExerciseWindow"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    setFont(windowFont());
    buildControls();
    connect(&session_, &ExerciseSession::changed, this, &ExerciseWindow::showSession);
    retranslate();
    kind_->setFocus();
}

void ExerciseWindow::buildControls() {
    auto *page = new QWidget(this);
    setCentralWidget(page);
    page->setContextMenuPolicy(Qt::ActionsContextMenu);

    kind_ = new QComboBox(page);
    level_ = new QComboBox(page);
    for (int i = 0; i <= ExerciseSession::mixedKinds; ++i)
        kind_->addItem(QString());
    for (int i = 0; i < exercises::levelCount; ++i)
        level_->addItem(QString());
    kindLabel_ = new QLabel(page);
    kindLabel_->setBuddy(kind_);
    levelLabel_ = new QLabel(page);
    levelLabel_->setBuddy(level_);
    task_ = readOnlyLine(page);
    task_->setMinimumWidth(task_->fontMetrics().averageCharWidth() * 60);
    taskLabel_ = new QLabel(page);
    taskLabel_->setBuddy(task_);
    seed_ = new QLabel(page);
    seed_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    new_ = plainButton(page);
    start_ = plainButton(page);
    showSolution_ = plainButton(page);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {new_, start_, showSolution_})
        buttons->addWidget(button);
    buttons->addStretch();

    answers_ = new QListWidget(page);
    answers_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (std::size_t i = 0; i < exercises::stepChoices().size(); ++i)
        answers_->addItem(QString());
    answerLabel_ = new QLabel(page);
    answerLabel_->setBuddy(answers_);
    answer_ = plainButton(page);

    result_ = new QLabel(page);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    resultLabel_ = new QLabel(page);
    solution_ = new QPlainTextEdit(page);
    solution_->setReadOnly(true);
    solution_->hide();

    progress_ = new QTableWidget(exercises::kindCount, exercises::levelCount, page);
    progress_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    progress_->setContextMenuPolicy(Qt::ActionsContextMenu);
    progress_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    progress_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    progress_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    progress_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int k = 0; k < exercises::kindCount; ++k)
        for (int l = 0; l < exercises::levelCount; ++l) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            progress_->setItem(k, l, item);
        }
    progressLabel_ = new QLabel(page);
    progressLabel_->setBuddy(progress_);
    reset_ = plainButton(page);

    auto *grid = new QGridLayout(page);
    grid->addWidget(kindLabel_, 0, 0);
    grid->addWidget(kind_, 0, 1);
    grid->addWidget(levelLabel_, 0, 2);
    grid->addWidget(level_, 0, 3);
    grid->addWidget(taskLabel_, 1, 0);
    grid->addWidget(task_, 1, 1, 1, 3);
    grid->addWidget(seed_, 2, 1, 1, 3);
    grid->addLayout(buttons, 3, 1, 1, 3);
    grid->addWidget(answerLabel_, 4, 0, Qt::AlignTop);
    grid->addWidget(answers_, 4, 1, 1, 3);
    grid->addWidget(answer_, 5, 1, Qt::AlignLeft);
    grid->addWidget(resultLabel_, 6, 0);
    grid->addWidget(result_, 6, 1, 1, 3);
    grid->addWidget(solution_, 7, 1, 1, 3);
    grid->addWidget(progressLabel_, 8, 0, 1, 4);
    grid->addWidget(progress_, 9, 0, 1, 4);
    grid->addWidget(reset_, 10, 0, 1, 4, Qt::AlignLeft);
    buildDraftControls(grid, 11);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    setTabOrder(kind_, level_);
    setTabOrder(level_, new_);
    setTabOrder(new_, start_);
    setTabOrder(start_, showSolution_);
    setTabOrder(showSolution_, answers_);
    setTabOrder(answers_, answer_);
    setTabOrder(answer_, progress_);
    setTabOrder(progress_, reset_);

    connect(kind_, &QComboBox::activated, this, &ExerciseWindow::chooseFromControls);
    connect(level_, &QComboBox::activated, this, &ExerciseWindow::chooseFromControls);
    connect(new_, &QPushButton::clicked, &session_, &ExerciseSession::next);
    connect(start_, &QPushButton::clicked, this, [this] {
        session_.start();
        if (session_.exercise() && session_.exercise()->kind == Kind::Law)
            answers_->setFocus();
    });
    connect(showSolution_, &QPushButton::clicked, &session_, &ExerciseSession::showSolution);
    connect(answers_, &QListWidget::itemActivated, this, &ExerciseWindow::answerChosen);
    connect(answer_, &QPushButton::clicked, this, &ExerciseWindow::answerChosen);
    connect(reset_, &QPushButton::clicked, this, &ExerciseWindow::confirmReset);
    // Ctrl+N wherever the focus is in the window.
    auto *another = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
    connect(another, &QShortcut::activated, new_, &QPushButton::click);
    auto *close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void ExerciseWindow::buildDraftControls(QGridLayout *grid, int row) {
    QWidget *page = centralWidget();
    draftCount_ = readOnlyLine(page);
    draftLabel_ = new QLabel(page);
    draftLabel_->setBuddy(draftCount_);
    openAssignment_ = plainButton(page);
    addToDraft_ = plainButton(page);
    saveDraft_ = plainButton(page);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {addToDraft_, saveDraft_, openAssignment_})
        buttons->addWidget(button);
    buttons->addStretch();
    grid->addWidget(draftLabel_, row, 0);
    grid->addWidget(draftCount_, row, 1, 1, 3);
    grid->addLayout(buttons, row + 1, 0, 1, 4);
    setTabOrder(reset_, addToDraft_);
    setTabOrder(addToDraft_, saveDraft_);
    setTabOrder(saveDraft_, openAssignment_);
    connect(addToDraft_, &QPushButton::clicked, this, &ExerciseWindow::addToDraft);
    connect(saveDraft_, &QPushButton::clicked, this, &ExerciseWindow::saveDraftWithDialog);
    connect(openAssignment_, &QPushButton::clicked, this, &ExerciseWindow::chooseAssignment);
}

void ExerciseWindow::addToDraft() {
    if (session_.exercise())
        draft_.add(*session_.exercise());
    showDraft();
}

void ExerciseWindow::showDraft() {
    draftCount_->setText(tr("Задачи в него: %1").arg(draft_.taskCount()));
    saveDraft_->setEnabled(draft_.taskCount() > 0);
    addToDraft_->setEnabled(session_.exercise().has_value());
}

std::optional<QString> ExerciseWindow::saveDraft(const QString &path, const QString &title, bool hints) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(draft_.file(title, hints, language::current() == language::Language::English)) < 0 ||
        !file.commit())
        return tr("Заданието не е записано в „%1“: %2.").arg(path, file.errorString());
    return std::nullopt;
}

void ExerciseWindow::saveDraftWithDialog() {
    if (draft_.taskCount() == 0)
        return;
    bool given = false;
    const QString title = QInputDialog::getText(this, tr("Запази заданието"), tr("Заглавие на заданието:"),
                                                QLineEdit::Normal, tr("Домашна работа"), &given)
                              .simplified();
    if (!given || title.isEmpty())
        return;
    const bool hints =
        QMessageBox::question(this, tr("Запази заданието"), tr("Да могат ли учениците да ползват подсказки?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Запази заданието"),
                                     QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                         .filePath(title + QStringLiteral(".txt")),
                                     tr("Задания (*.txt)"));
    if (path.isEmpty())
        return;
    if (const std::optional<QString> failure = saveDraft(path, title, hints))
        QMessageBox::warning(this, tr("Запази заданието"), *failure);
}

void ExerciseWindow::chooseAssignment() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Отвори задание"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        tr("Задания и отговори (*.txt);;Всички файлове (*)"));
    if (!path.isEmpty())
        emit assignmentChosen(path);
}

void ExerciseWindow::addToContextMenu(QAction *action) {
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    for (QWidget *owner :
         {centralWidget(), static_cast<QWidget *>(answers_), static_cast<QWidget *>(progress_)})
        owner->addAction(action);
}

void ExerciseWindow::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void ExerciseWindow::retranslate() {
    menu_item::retranslate(actions());
    setWindowTitle(tr("Упражнения"));
    kindLabel_->setText(tr("&Вид:"));
    levelLabel_->setText(tr("Н&иво:"));
    for (int k = 0; k < exercises::kindCount; ++k)
        kind_->setItemText(k, kindText(Kind(k)));
    kind_->setItemText(ExerciseSession::mixedKinds, tr("Смесено"));
    for (int l = 0; l < exercises::levelCount; ++l)
        level_->setItemText(l, levelText(Level(l)));
    taskLabel_->setText(tr("За&дача:"));
    wordButton(new_, tr("&Ново"), tr("Ново упражнение от същия вид и ниво (Ctrl+N)"));
    wordButton(start_, tr("&Започни"), tr("Отваря прозореца, в който се решава задачата"));
    wordButton(showSolution_, tr("Покажи &решение"),
               tr("Показва решението на програмата; задачата не се брои за решена"));
    answerLabel_->setText(tr("&Отговор:"));
    const std::vector<exercises::StepName> choices = exercises::stepChoices();
    for (std::size_t i = 0; i < choices.size(); ++i)
        answers_->item(int(i))->setText(stepText(choices[i]));
    wordButton(answer_, tr("О&тговори"), tr("Избраният закон или грешка е отговорът"));
    resultLabel_->setText(tr("Резултат:"));
    progressLabel_->setText(tr("На&предък (решени / опитани / подсказки):"));
    for (int k = 0; k < exercises::kindCount; ++k)
        progress_->setVerticalHeaderItem(k, new QTableWidgetItem(kindText(Kind(k))));
    for (int l = 0; l < exercises::levelCount; ++l)
        progress_->setHorizontalHeaderItem(l, new QTableWidgetItem(levelText(Level(l))));
    // Every row in sight: the table never scrolls.
    progress_->resizeRowsToContents();
    int height = progress_->horizontalHeader()->sizeHint().height() + 2 * progress_->frameWidth();
    for (int k = 0; k < exercises::kindCount; ++k)
        height += progress_->rowHeight(k);
    progress_->setFixedHeight(height);
    // Eight names in sight of the answer's list.
    answers_->setMinimumHeight(answers_->sizeHintForRow(0) * 8 + 2 * answers_->frameWidth());
    screen_reader::describe(task_, tr("Задача"), QString());
    screen_reader::describe(answers_, tr("Отговор"), QString());
    screen_reader::describe(progress_, tr("Напредък"), QString());
    wordButton(reset_, tr("Н&улирай"), tr("Изчиства напредъка след потвърждение"));
    draftLabel_->setText(tr("Ново задание:"));
    screen_reader::describe(draftCount_, tr("Ново задание"),
                            tr("Колко задачи има в заданието, което се съставя"));
    wordButton(addToDraft_, tr("Добави към заданието"),
               tr("Добавя показаното упражнение, с нивото и семето му, към заданието, което се съставя"));
    wordButton(saveDraft_, tr("Запази заданието…"), tr("Записва съставеното задание във файл за учениците"));
    wordButton(openAssignment_, tr("Отвори задание…"),
               tr("Отваря задание от учителя или запазени отговори по него"));
    showSession();
}

void ExerciseWindow::showSession() {
    kind_->setCurrentIndex(session_.kindChoice());
    level_->setCurrentIndex(int(session_.level()));
    const std::optional<exercises::Exercise> &exercise = session_.exercise();
    task_->setText(exercise ? exerciseTask(*exercise) : tr("Няма упражнение от това семе"));
    task_->setCursorPosition(0);
    seed_->setText(exercise ? tr("Семе: %1").arg(exercise->seed) : QString());
    const bool law = exercise && exercise->kind == Kind::Law;
    for (QWidget *control : {static_cast<QWidget *>(answerLabel_), static_cast<QWidget *>(answers_),
                             static_cast<QWidget *>(answer_)})
        control->setVisible(law);
    start_->setEnabled(exercise.has_value());
    showSolution_->setEnabled(exercise.has_value() && !session_.isSolutionShown());
    const bool open = session_.result() != ExerciseSession::Result::Solved;
    answers_->setEnabled(law && open);
    answer_->setEnabled(law && open);
    if (!session_.answered())
        answers_->setCurrentRow(-1);

    switch (session_.result()) {
    case ExerciseSession::Result::Open:
        result_->setText(tr("Още не е решена"));
        break;
    case ExerciseSession::Result::Wrong:
        result_->setText(tr("Не е „%1“: опитайте пак").arg(stepText(*session_.answered())));
        break;
    case ExerciseSession::Result::Solved:
        result_->setText(tr("Решена"));
        break;
    case ExerciseSession::Result::Shown:
        result_->setText(tr("Решението е показано"));
        break;
    }
    showDraft();
    solution_->setVisible(exercise && session_.isSolutionShown());
    solution_->setPlainText(exercise && session_.isSolutionShown() ? exerciseSolution(*exercise) : QString());
    showProgress();
}

void ExerciseWindow::showProgress() {
    for (int k = 0; k < exercises::kindCount; ++k)
        for (int l = 0; l < exercises::levelCount; ++l) {
            const ProgressCell &cell = session_.progress().at(Kind(k), Level(l));
            QTableWidgetItem *item = progress_->item(k, l);
            item->setText(QStringLiteral("%1 / %2 / %3").arg(cell.solved).arg(cell.tried).arg(cell.hints));
            item->setData(Qt::AccessibleTextRole, tr("%1, %2: решени %3, опитани %4, подсказки %5")
                                                      .arg(kindText(Kind(k)), levelText(Level(l)))
                                                      .arg(cell.solved)
                                                      .arg(cell.tried)
                                                      .arg(cell.hints));
        }
}

void ExerciseWindow::chooseFromControls() {
    session_.choose(kind_->currentIndex(), Level(level_->currentIndex()));
}

void ExerciseWindow::answerChosen() {
    const int row = answers_->currentRow();
    const std::vector<exercises::StepName> choices = exercises::stepChoices();
    if (row < 0 || std::size_t(row) >= choices.size())
        return;
    session_.answer(choices[std::size_t(row)]);
}

void ExerciseWindow::confirmReset() {
    if (QMessageBox::question(this, tr("Нулирай напредъка"), tr("Да се изчисти ли целият напредък?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes)
        session_.resetProgress();
}
