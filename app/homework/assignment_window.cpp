// SPDX-License-Identifier: GPL-3.0-or-later
#include "assignment_window.h"

#include "assignment_files.h"
#include "assignment_sheet.h"
#include "formula_printer.h"
#include "homework_messages.h"
#include "language.h"
#include "menu_item.h"
#include "plain_button.h"
#include "proof_sheet.h"
#include "read_only_line.h"
#include "screen_reader.h"
#include "step_answer.h"
#include "window_font.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QShortcut>

#include <algorithm>

namespace {

QString printedText(const formulas::Tree &tree) { return QString::fromStdString(formulas::printed(tree)); }

QString kindText(exercises::Kind kind) {
    return QCoreApplication::translate("exercises", exercises::kindName(kind));
}

QString stepText(const exercises::StepName &name) {
    return QCoreApplication::translate("derivations", exercises::stepChoiceName(name));
}

QString markWord(homework::Mark mark) {
    switch (mark) {
    case homework::Mark::Solved:
        return AssignmentWindow::tr("решена");
    case homework::Mark::Tried:
        return AssignmentWindow::tr("опитана, още не е решена");
    case homework::Mark::Untouched:
        break;
    }
    return AssignmentWindow::tr("незапочната");
}

bool isLaw(const homework::Task &task) { return task.kind == homework::TaskKind::Law; }

} // namespace

QString taskFormula(const homework::Task &task) {
    const exercises::Exercise &exercise = task.exercise;
    // The teacher's own spelling where there is one; an exercise by its
    // level and seed has only the program's.
    if (!task.level && !isLaw(task))
        return QString::fromStdString(task.written).trimmed();
    QString formula = printedText(exercise.formula);
    if (exercise.kind == exercises::Kind::Prove)
        formula += QStringLiteral(" = ") + printedText(exercise.goal);
    return formula;
}

QString taskStatement(const homework::Task &task) {
    const QString formula = isLaw(task) ? printedText(task.exercise.formula) + QStringLiteral(" → ") +
                                              printedText(task.exercise.goal)
                                        : taskFormula(task);
    return kindText(task.exercise.kind) + QStringLiteral(": ") + formula;
}

AssignmentWindow::AssignmentWindow(LawSelection &selection, QWidget *parent)
    : QMainWindow(parent), selection_(selection), session_(this) {
    setObjectName(QStringLiteral("AssignmentWindow"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    setFont(windowFont());
    buildControls();
    connect(&session_, &AssignmentSession::changed, this, &AssignmentWindow::showSession);
    retranslate();
    tasks_->setFocus();
}

void AssignmentWindow::buildControls() {
    auto *page = new QWidget(this);
    setCentralWidget(page);
    page->setContextMenuPolicy(Qt::ActionsContextMenu);

    title_ = readOnlyLine(page);
    title_->setMinimumWidth(title_->fontMetrics().averageCharWidth() * 60);
    titleLabel_ = new QLabel(page);
    titleLabel_->setBuddy(title_);
    hints_ = readOnlyLine(page);
    hintsLabel_ = new QLabel(page);
    hintsLabel_->setBuddy(hints_);
    tasks_ = new QListWidget(page);
    tasks_->setContextMenuPolicy(Qt::ActionsContextMenu);
    tasksLabel_ = new QLabel(page);
    tasksLabel_->setBuddy(tasks_);

    answers_ = new QListWidget(page);
    answers_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (std::size_t i = 0; i < exercises::stepChoices().size(); ++i)
        answers_->addItem(QString());
    answerLabel_ = new QLabel(page);
    answerLabel_->setBuddy(answers_);
    answer_ = plainButton(page);

    start_ = plainButton(page);
    save_ = plainButton(page);
    print_ = plainButton(page);
    saveSheet_ = plainButton(page);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {start_, save_, print_, saveSheet_})
        buttons->addWidget(button);
    buttons->addStretch();

    result_ = readOnlyLine(page);
    resultLabel_ = new QLabel(page);
    resultLabel_->setBuddy(result_);

    auto *grid = new QGridLayout(page);
    grid->addWidget(titleLabel_, 0, 0);
    grid->addWidget(title_, 0, 1);
    grid->addWidget(hintsLabel_, 1, 0);
    grid->addWidget(hints_, 1, 1);
    grid->addWidget(tasksLabel_, 2, 0, Qt::AlignTop);
    grid->addWidget(tasks_, 2, 1);
    grid->addLayout(buttons, 3, 1);
    grid->addWidget(answerLabel_, 4, 0, Qt::AlignTop);
    grid->addWidget(answers_, 4, 1);
    grid->addWidget(answer_, 5, 1, Qt::AlignLeft);
    grid->addWidget(resultLabel_, 6, 0);
    grid->addWidget(result_, 6, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);

    setTabOrder(tasks_, start_);
    setTabOrder(start_, save_);
    setTabOrder(save_, print_);
    setTabOrder(print_, saveSheet_);
    setTabOrder(saveSheet_, answers_);
    setTabOrder(answers_, answer_);

    connect(tasks_, &QListWidget::currentRowChanged, &session_, &AssignmentSession::choose);
    connect(tasks_, &QListWidget::itemActivated, start_, &QPushButton::click);
    connect(start_, &QPushButton::clicked, this, [this] {
        session_.start();
        if (session_.isOpen() && isLaw(session_.assignment().tasks[std::size_t(session_.chosen())]))
            answers_->setFocus();
    });
    connect(answers_, &QListWidget::itemActivated, this, &AssignmentWindow::answerChosen);
    connect(answer_, &QPushButton::clicked, this, &AssignmentWindow::answerChosen);
    connect(save_, &QPushButton::clicked, this, &AssignmentWindow::save);
    connect(print_, &QPushButton::clicked, this, &AssignmentWindow::print);
    connect(saveSheet_, &QPushButton::clicked, this, &AssignmentWindow::saveSheetWithDialog);
    auto *saveKey = new QShortcut(QKeySequence::Save, this);
    connect(saveKey, &QShortcut::activated, save_, &QPushButton::click);
    auto *printKey = new QShortcut(QKeySequence::Print, this);
    connect(printKey, &QShortcut::activated, print_, &QPushButton::click);
    auto *close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void AssignmentWindow::addToContextMenu(QAction *action) {
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    for (QWidget *owner : {centralWidget(), static_cast<QWidget *>(tasks_), static_cast<QWidget *>(answers_)})
        owner->addAction(action);
}

void AssignmentWindow::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void AssignmentWindow::retranslate() {
    menu_item::retranslate(actions());
    titleLabel_->setText(tr("Задание:"));
    screen_reader::describe(title_, tr("Задание"), QString());
    hintsLabel_->setText(tr("Подсказки:"));
    screen_reader::describe(hints_, tr("Подсказки"), QString());
    tasksLabel_->setText(tr("Зада&чи:"));
    screen_reader::describe(tasks_, tr("Задачи"),
                            tr("Задачите на заданието: ✓ решена, ✗ опитана, – незапочната"));
    answerLabel_->setText(tr("Отго&вор:"));
    screen_reader::describe(answers_, tr("Отговор"), QString());
    const std::vector<exercises::StepName> choices = exercises::stepChoices();
    for (std::size_t i = 0; i < choices.size(); ++i)
        answers_->item(int(i))->setText(stepText(choices[i]));
    answers_->setMinimumHeight(answers_->sizeHintForRow(0) * 6 + 2 * answers_->frameWidth());
    wordButton(answer_, tr("О&тговори"), tr("Избраният закон или грешка е отговорът"));
    wordButton(start_, tr("&Започни"), tr("Отваря прозореца, в който се решава избраната задача"));
    wordButton(save_, tr("Запази &отговорите"), tr("Записва отговорите в един файл за учителя (Ctrl+S)"));
    wordButton(print_, tr("&Печат…"), tr("Отпечатва листа със задачите (Ctrl+P)"));
    wordButton(saveSheet_, tr("Запази &листа…"), tr("Записва листа със задачите като PDF или HTML"));
    resultLabel_->setText(tr("Резултат:"));
    screen_reader::describe(result_, tr("Резултат"), QString());
    showSession();
}

void AssignmentWindow::showSession() {
    const bool open = session_.isOpen();
    const homework::Assignment &assignment = session_.assignment();
    const QString title = QString::fromStdString(assignment.title);
    setWindowTitle(open ? tr("Задание – %1").arg(title) : tr("Задание"));
    title_->setText(title);
    title_->setCursorPosition(0);
    hints_->setText(!open              ? QString()
                    : assignment.hints ? tr("разрешени")
                                       : tr("забранени: бутоните за подсказка и решение не работят"));
    hints_->setCursorPosition(0);

    if (tasks_->count() != session_.taskCount()) {
        tasks_->clear();
        for (int i = 0; i < session_.taskCount(); ++i)
            tasks_->addItem(QString());
        // Every task in sight up to ten, then the list scrolls.
        const int rows = std::clamp(session_.taskCount(), 4, 10);
        tasks_->setMinimumHeight(std::max(tasks_->sizeHintForRow(0), tasks_->fontMetrics().height()) * rows +
                                 2 * tasks_->frameWidth());
    }
    for (int i = 0; i < session_.taskCount(); ++i) {
        const homework::Mark mark = session_.mark(i);
        const QString statement = taskStatement(assignment.tasks[std::size_t(i)]);
        QListWidgetItem *item = tasks_->item(i);
        item->setText(
            QStringLiteral("%1  %2. %3").arg(HomeworkMessages::markSymbol(mark)).arg(i + 1).arg(statement));
        item->setData(Qt::AccessibleTextRole, tr("%1. %2, %3").arg(i + 1).arg(statement, markWord(mark)));
    }
    if (open && tasks_->currentRow() != session_.chosen())
        tasks_->setCurrentRow(session_.chosen());

    const bool law = open && isLaw(assignment.tasks[std::size_t(session_.chosen())]);
    for (QWidget *control : {static_cast<QWidget *>(answerLabel_), static_cast<QWidget *>(answers_),
                             static_cast<QWidget *>(answer_)})
        control->setVisible(law);
    if (law) {
        // The name given before stays chosen.
        int chosenRow = -1;
        if (const homework::TaskWork *work = session_.work(session_.chosen()); work && !work->lines.empty()) {
            const QString given = QString::fromStdString(work->lines.front());
            const std::vector<exercises::StepName> choices = exercises::stepChoices();
            for (std::size_t i = 0; i < choices.size(); ++i)
                if (given == stepText(choices[i]) ||
                    given == QString::fromUtf8(exercises::stepChoiceName(choices[i])))
                    chosenRow = int(i);
        }
        answers_->setCurrentRow(chosenRow);
    }
    start_->setEnabled(open && !law);
    save_->setEnabled(open);
    print_->setEnabled(open);
    saveSheet_->setEnabled(open);

    QString result;
    if (open) {
        result = tr("Решени: %1 от %2.").arg(session_.solvedCount()).arg(session_.taskCount());
        if (!session_.student().isEmpty())
            result += QLatin1Char(' ') + tr("Ученик: %1.").arg(session_.student());
        if (session_.isModified())
            result += QLatin1Char(' ') + tr("Има незапазени промени.");
    }
    result_->setText(result);
    result_->setCursorPosition(0);
}

void AssignmentWindow::answerChosen() {
    const int row = answers_->currentRow();
    const std::vector<exercises::StepName> choices = exercises::stepChoices();
    if (row < 0 || std::size_t(row) >= choices.size())
        return;
    // By its own name whatever language the window speaks, as a saved chain names its laws.
    session_.answerLaw(session_.chosen(),
                       QString::fromUtf8(exercises::stepChoiceName(choices[std::size_t(row)])));
}

void AssignmentWindow::refuse(const QString &message) { QMessageBox::warning(this, tr("Задание"), message); }

bool AssignmentWindow::openFiles(const QString &assignmentOrAnswers, const QString &answers) {
    if (!mayDropWork())
        return false;
    const auto first = assignment_files::read(assignmentOrAnswers);
    if (const auto *failure = std::get_if<QString>(&first)) {
        refuse(*failure);
        return false;
    }
    const QByteArray &bytes = std::get<QByteArray>(first);
    if (!answers.isEmpty()) {
        const auto second = assignment_files::read(answers);
        if (const auto *failure = std::get_if<QString>(&second)) {
            refuse(*failure);
            return false;
        }
        return openAssignment(assignmentOrAnswers) && continueAnswers(answers, std::get<QByteArray>(second));
    }
    if (!assignment_files::holdsAnswers(bytes))
        return openAssignment(assignmentOrAnswers);

    // Answers alone: their assignment is most likely beside them, as a
    // student keeps the teacher's file; else the student shows where it is.
    QString assignment =
        assignment_files::assignmentBeside(assignmentOrAnswers, assignment_files::namedSha256(bytes));
    if (assignment.isEmpty()) {
        QMessageBox::information(this, tr("Задание"),
                                 tr("Отговорите в „%1“ са на задание, което не е в същата папка. "
                                    "Изберете файла на заданието.")
                                     .arg(QFileInfo(assignmentOrAnswers).fileName()));
        assignment = QFileDialog::getOpenFileName(this, tr("Отвори задание"),
                                                  QFileInfo(assignmentOrAnswers).absolutePath(),
                                                  tr("Задания (*.txt);;Всички файлове (*)"));
        if (assignment.isEmpty())
            return false;
    }
    return openAssignment(assignment) && continueAnswers(assignmentOrAnswers, bytes);
}

bool AssignmentWindow::openAssignment(const QString &path) {
    const auto read = assignment_files::read(path);
    if (const auto *failure = std::get_if<QString>(&read)) {
        refuse(*failure);
        return false;
    }
    if (const std::optional<homework::AssignmentError> error = session_.open(std::get<QByteArray>(read))) {
        refuse(tr("„%1“ не е задание: %2")
                   .arg(QFileInfo(path).fileName(), HomeworkMessages::assignmentProblem(*error)));
        return false;
    }
    assignmentPath_ = path;
    answersPath_.clear();
    return true;
}

bool AssignmentWindow::continueAnswers(const QString &path, const QByteArray &bytes) {
    const std::optional<ContinueProblem> problem = session_.continueFrom(bytes);
    if (!problem) {
        answersPath_ = path;
        return true;
    }
    const QString name = QFileInfo(path).fileName();
    refuse(problem->kind == ContinueProblem::Kind::OtherAssignment
               ? tr("Отговорите в „%1“ са на друго задание.").arg(name)
               : tr("Отговорите в „%1“ не могат да се продължат: %2")
                     .arg(name, HomeworkMessages::answersProblem(problem->error)));
    return false;
}

std::optional<QString> AssignmentWindow::saveAnswers(const QString &path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(session_.answersFile(language::current() == language::Language::English)) < 0 ||
        !file.commit())
        return tr("Отговорите не са записани в „%1“: %2.").arg(path, file.errorString());
    answersPath_ = path;
    session_.markSaved();
    return std::nullopt;
}

void AssignmentWindow::save() {
    if (!session_.isOpen())
        return;
    if (session_.student().isEmpty()) {
        bool given = false;
        const QString name = QInputDialog::getText(this, tr("Запази отговорите"), tr("Твоето име:"),
                                                   QLineEdit::Normal, QString(), &given)
                                 .simplified();
        if (!given || name.isEmpty())
            return;
        session_.setStudent(name);
    }
    QString path = answersPath_;
    if (path.isEmpty()) {
        const QString folder =
            assignmentPath_.isEmpty() ? QDir::homePath() : QFileInfo(assignmentPath_).absolutePath();
        const QString suggested = tr("отговори – %1.txt").arg(session_.student());
        path = QFileDialog::getSaveFileName(this, tr("Запази отговорите"), QDir(folder).filePath(suggested),
                                            tr("Отговори (*.txt)"));
        if (path.isEmpty())
            return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> failure = saveAnswers(path);
    QGuiApplication::restoreOverrideCursor();
    if (failure)
        refuse(*failure);
}

void AssignmentWindow::print() {
    if (!session_.isOpen())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(sheetPageLayout());
    printer.setDocName(QString::fromStdString(session_.assignment().title));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Печат"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> failure =
        printSheet(&printer, assignmentSheetHtml(session_.assignment(), false));
    QGuiApplication::restoreOverrideCursor();
    if (failure)
        refuse(*failure + QLatin1Char('.'));
}

std::optional<QString> AssignmentWindow::saveSheet(const QString &path) const {
    return writeAssignmentSheet(session_.assignment(), false, path);
}

void AssignmentWindow::saveSheetWithDialog() {
    if (!session_.isOpen())
        return;
    const QString folder =
        assignmentPath_.isEmpty() ? QDir::homePath() : QFileInfo(assignmentPath_).absolutePath();
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Запази листа"),
        QDir(folder).filePath(QString::fromStdString(session_.assignment().title) + QStringLiteral(".pdf")),
        QStringLiteral("PDF (*.pdf);;HTML (*.html)"));
    if (path.isEmpty())
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> failure = saveSheet(path);
    QGuiApplication::restoreOverrideCursor();
    if (failure)
        refuse(*failure + QLatin1Char('.'));
}

bool AssignmentWindow::mayDropWork() {
    if (!session_.isModified())
        return true;
    const auto choice = QMessageBox::question(
        this, tr("Задание"), tr("Да се запазят ли отговорите преди затварянето?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (choice == QMessageBox::Save)
        save();
    if (choice == QMessageBox::Discard)
        session_.markSaved(); // let go: not asked about again as the program closes
    return choice == QMessageBox::Discard || (choice == QMessageBox::Save && !session_.isModified());
}

void AssignmentWindow::closeEvent(QCloseEvent *event) {
    if (!mayDropWork()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
