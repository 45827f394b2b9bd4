// SPDX-License-Identifier: GPL-3.0-or-later
#include "karnaugh_window.h"

#include "grade_texts.h"
#include "karnaugh_map_model.h"
#include "karnaugh_map_view.h"
#include "law_names.h"
#include "law_selection.h"
#include "loop_colours.h"
#include "menu_item.h"
#include "plain_button.h"
#include "read_only_line.h"
#include "readable_colours.h"
#include "screen_reader.h"
#include "window_font.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

using screen_reader::describe;

void useReadableHighlight(QWidget *widget) {
    QPalette palette = widget->palette();
    ::useReadableHighlight(palette);
    widget->setPalette(palette);
}

QWidget *widget(QWidget *control) { return control; }

} // namespace

KarnaughWindow::KarnaughWindow(LawSelection &selection, QWidget *parent)
    : QMainWindow(parent), selection_(selection), session_(this) {
    setObjectName(QStringLiteral("KarnaughWindow"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    setFont(windowFont());
    buildControls();
    connect(&session_, &KarnaughSession::changed, this, &KarnaughWindow::showSession);
    connect(&selection_, &LawSelection::lawChanged, this, &KarnaughWindow::follow);
    connect(&selection_, &LawSelection::tableFormulaChanged, this, &KarnaughWindow::follow);
    retranslate();
    follow();
    leftMap_->setFocus();
}

void KarnaughWindow::buildControls() {
    auto *page = new QWidget(this);
    setCentralWidget(page);
    formula_ = readOnlyLine(page);
    formulaLabel_ = new QLabel(page);
    formulaLabel_->setBuddy(formula_);

    leftModel_ = new KarnaughMapModel(this);
    rightModel_ = new KarnaughMapModel(this);
    leftMap_ = new KarnaughMapView(leftModel_, page);
    rightMap_ = new KarnaughMapView(rightModel_, page);
    leftCaption_ = new QLabel(page);
    rightCaption_ = new QLabel(page);
    for (QLabel *caption : {leftCaption_, rightCaption_})
        caption->setAlignment(Qt::AlignCenter);
    leftCaption_->setBuddy(leftMap_);
    rightCaption_->setBuddy(rightMap_);
    auto *maps = new QHBoxLayout;
    for (auto [caption, map] : {std::pair{leftCaption_, leftMap_}, std::pair{rightCaption_, rightMap_}}) {
        auto *column = new QVBoxLayout;
        column->addWidget(caption);
        column->addWidget(map, 0, Qt::AlignHCenter);
        column->addStretch();
        maps->addLayout(column);
    }
    maps->addStretch();

    comparison_ = readOnlyLine(page);
    comparisonLabel_ = new QLabel(page);
    comparisonLabel_->setBuddy(comparison_);
    sum_ = readOnlyLine(page);
    sumLabel_ = new QLabel(page);
    sumLabel_->setBuddy(sum_);
    product_ = readOnlyLine(page);
    productLabel_ = new QLabel(page);
    productLabel_->setBuddy(product_);

    groups_ = new QListWidget(page);
    groupsLabel_ = new QLabel(page);
    groupsLabel_->setBuddy(groups_);
    drawnGroups_ = new QListWidget(page);
    drawnLabel_ = new QLabel(page);
    drawnLabel_->setBuddy(drawnGroups_);
    for (QListWidget *list : {groups_, drawnGroups_}) {
        useReadableHighlight(list);
        list->setFixedHeight(list->fontMetrics().lineSpacing() * 4 + 2 * list->frameWidth() + 4);
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
    }

    otherCover_ = plainButton(page);
    selfGroup_ = plainButton(page);
    selfGroup_->setCheckable(true);
    check_ = plainButton(page);

    verdict_ = new QPlainTextEdit(page);
    verdict_->setReadOnly(true);
    verdict_->setFocusPolicy(Qt::ClickFocus);
    verdict_->setFixedHeight(verdict_->fontMetrics().lineSpacing() * 4 + 2 * verdict_->frameWidth() +
                             int(verdict_->document()->documentMargin() * 2));
    useReadableHighlight(verdict_);
    verdictLabel_ = new QLabel(page);
    verdictLabel_->setBuddy(verdict_);

    auto *grid = new QGridLayout(page);
    grid->addWidget(formulaLabel_, 0, 0);
    grid->addWidget(formula_, 0, 1);
    grid->addLayout(maps, 1, 0, 1, 2);
    grid->addWidget(comparisonLabel_, 2, 0);
    grid->addWidget(comparison_, 2, 1);
    grid->addWidget(sumLabel_, 3, 0);
    grid->addWidget(sum_, 3, 1);
    grid->addWidget(productLabel_, 4, 0);
    grid->addWidget(product_, 4, 1);
    grid->addWidget(groupsLabel_, 5, 0, Qt::AlignTop);
    grid->addWidget(groups_, 5, 1);
    grid->addWidget(drawnLabel_, 6, 0, Qt::AlignTop);
    grid->addWidget(drawnGroups_, 6, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {otherCover_, selfGroup_, check_})
        buttons->addWidget(button);
    buttons->addStretch();
    grid->addLayout(buttons, 7, 0, 1, 2);
    grid->addWidget(verdictLabel_, 8, 0, Qt::AlignTop);
    grid->addWidget(verdict_, 8, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(9, 1); // room to spare goes below, not between the map and its lines
    // The lines show the longest minimal forms of four variables whole.
    sum_->setMinimumWidth(sum_->fontMetrics().horizontalAdvance(
                              QStringLiteral("(!A v !B v C) ^ (A v B v !C) ^ (!A v B v !D) ^ (A v !B v D)")) +
                          sum_->fontMetrics().averageCharWidth() * 2);

    const std::array<QWidget *, 7> tabOrder{leftMap_,    rightMap_,  groups_, drawnGroups_,
                                            otherCover_, selfGroup_, check_};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(otherCover_, &QPushButton::clicked, &session_, &KarnaughSession::nextCover);
    connect(selfGroup_, &QPushButton::toggled, this, [this](bool on) {
        session_.setDrawing(on);
        if (on)
            leftMap_->setFocus();
    });
    connect(check_, &QPushButton::clicked, &session_, &KarnaughSession::check);
    connect(leftMap_, &KarnaughMapView::groupDrawn, &session_, &KarnaughSession::addGroup);
    connect(leftMap_, &KarnaughMapView::removeRequested, &session_, &KarnaughSession::removeGroupAt);
    auto *toggle = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
    connect(toggle, &QShortcut::activated, selfGroup_, [this] {
        if (selfGroup_->isEnabled())
            selfGroup_->toggle();
    });
    auto *close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void KarnaughWindow::addToContextMenu(QAction *action) {
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    groups_->addAction(action);
    drawnGroups_->addAction(action);
}

void KarnaughWindow::retranslate() {
    menu_item::retranslate(actions()); // the items other parts put into its menus
    describe(formula_, tr("Формула"),
             tr("Формулата, чиито карти се виждат: тази от таблицата на истинност, ако там е въведена своя, "
                "иначе формулата на избрания закон"));
    formulaLabel_->setText(tr("Формула:"));
    rightCaption_->setText(tr("Дясна страна"));
    describe(rightMap_, tr("Дясна страна"), tr("Картата на дясната страна на формулата"));
    describe(comparison_, tr("Сравнение"), tr("Дали картите на двете страни са една и съща картина"));
    comparisonLabel_->setText(tr("Сравнение:"));
    describe(sum_, tr("Минимална ДНФ"),
             tr("Минималната дизюнктивна нормална форма: сума от произведения с най-малко литерали"));
    sumLabel_->setText(tr("Минимална ДНФ:"));
    describe(product_, tr("Минимална КНФ"),
             tr("Минималната конюнктивна нормална форма: произведение от суми с най-малко литерали"));
    productLabel_->setText(tr("Минимална КНФ:"));
    describe(groups_, tr("Групи"), tr("Групите на минималната ДНФ, по едно произведение на ред"));
    groupsLabel_->setText(tr("Групи:"));
    describe(drawnGroups_, tr("Твоите групи"),
             tr("Групите, които си очертал, по едно произведение на ред, с оценката им след проверка"));
    drawnLabel_->setText(tr("Твоите групи:"));
    wordButton(otherCover_, tr("&Друго покритие"),
               tr("Показва следващото минимално покритие, когато има няколко"));
    wordButton(selfGroup_, tr("&Групирай сам"),
               tr("Скрива групите и минималните форми, за да очертаеш групите сам (Ctrl+G)"));
    wordButton(check_, tr("&Провери"), tr("Проверява очертаните групи"));
    describe(verdict_, tr("Извод"), tr("Какво показват картите, или оценката на очертаните групи"));
    verdictLabel_->setText(tr("Извод:"));
    showSession();
}

void KarnaughWindow::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void KarnaughWindow::follow() {
    // The table's own formula while it has one, else the law's.
    const QString tableFormula = selection_.tableFormula();
    if (!tableFormula.isEmpty())
        session_.show(tableFormula, std::nullopt);
    else
        session_.show(law_names::formula(selection_.law()), selection_.law());
}

void KarnaughWindow::showSession() {
    const std::optional<KarnaughFunction> &function = session_.function();
    setWindowTitle(tr("Карта на Карно – %1").arg(session_.subject()));
    if (mappedFormula_ != session_.formula()) {
        mappedFormula_ = session_.formula();
        formula_->setText(session_.formula());
        formula_->setCursorPosition(0);
        if (function) {
            leftModel_->setMap(function->layout, function->left.truth, function->letters);
            rightModel_->setMap(function->right ? std::optional(function->layout) : std::nullopt,
                                function->right ? function->right->truth : 0, function->letters);
        } else {
            leftModel_->setMap(std::nullopt, 0, {});
            rightModel_->setMap(std::nullopt, 0, {});
        }
    }
    const bool drawing = session_.isDrawing();
    if (selfGroup_->isChecked() != drawing)
        selfGroup_->setChecked(drawing);
    leftMap_->setDrawing(drawing && function);

    const bool twoSides = session_.hasTwoSides();
    const QString leftName = twoSides ? tr("Лява страна") : tr("Стойност");
    leftCaption_->setText(leftName);
    describe(leftMap_, leftName,
             twoSides ? tr("Картата на лявата страна на формулата")
                      : tr("Картата на стойността на формулата"));
    for (QWidget *control : {widget(leftCaption_), widget(leftMap_)})
        control->setVisible(bool(function));
    for (QWidget *control :
         {widget(rightCaption_), widget(rightMap_), widget(comparisonLabel_), widget(comparison_)})
        control->setVisible(twoSides);
    comparison_->setText(!twoSides                ? QString()
                         : function->sidesMatch() ? tr("Картите съвпадат")
                                                  : tr("Картите се различават"));

    for (QWidget *control : {widget(sumLabel_), widget(sum_), widget(productLabel_), widget(product_),
                             widget(groupsLabel_), widget(groups_), widget(otherCover_)})
        control->setVisible(!drawing);
    for (QWidget *control : {widget(drawnLabel_), widget(drawnGroups_), widget(check_)})
        control->setVisible(drawing);
    sum_->setText(function ? QString::fromStdString(function->sumOfProducts(function->left, session_.cover()))
                           : QString());
    product_->setText(function ? QString::fromStdString(function->productOfSums(function->left)) : QString());
    for (QLineEdit *line : {sum_, product_})
        line->setCursorPosition(0);
    otherCover_->setEnabled(function && function->left.sums.size() > 1 && session_.hintsAllowed());
    selfGroup_->setEnabled(function && session_.hintsAllowed());
    check_->setEnabled(bool(function));

    fillLists();
    if (function) {
        leftMap_->setLoops(drawing ? studentLoops() : coverLoops(function->left));
        rightMap_->setLoops(drawing || !twoSides ? std::vector<MapLoop>{} : coverLoops(*function->right));
    } else {
        leftMap_->setLoops({});
        rightMap_->setLoops({});
    }
    verdict_->setPlainText(verdictText());
}

void KarnaughWindow::fillLists() {
    groups_->clear();
    drawnGroups_->clear();
    const std::optional<KarnaughFunction> &function = session_.function();
    if (!function)
        return;
    const auto &sums = function->left.sums;
    if (!sums.empty())
        for (const derivations::Term &term : sums[session_.cover()])
            groups_->addItem(QString::fromStdString(function->termText(term)));
    const auto &drawn = session_.drawn();
    const auto &grade = session_.grade();
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const derivations::GroupGrade *groupGrade = grade ? &grade->groups[i] : nullptr;
        auto *item = new QListWidgetItem(grade_texts::groupLine(int(i) + 1, drawn[i], groupGrade, *function));
        if (groupGrade)
            item->setForeground(loop_colours::on(drawnGroups_->palette(), grade_texts::isWrong(*groupGrade)
                                                                              ? loop_colours::wrong
                                                                              : loop_colours::right));
        drawnGroups_->addItem(item);
    }
}

QString KarnaughWindow::verdictText() const {
    const std::optional<KarnaughFunction> &function = session_.function();
    if (!function)
        return session_.problem() ? session_.problem()->text() : QString();
    if (!session_.isDrawing())
        return tr("Минимално покритие %1 от %2.").arg(session_.cover() + 1).arg(session_.coverCount());
    if (!session_.grade())
        return function->right
                   ? tr("Очертай групите на лявата карта с мишката или с клавишите и натисни „Провери“.")
                   : tr("Очертай групите на картата с мишката или с клавишите и натисни „Провери“.");
    return grade_texts::verdict(*session_.grade(), *function, *leftModel_).join(QLatin1Char(' '));
}

std::vector<MapLoop> KarnaughWindow::coverLoops(const KarnaughSide &side) const {
    std::vector<MapLoop> loops;
    if (side.sums.empty())
        return loops;
    const derivations::Cover &cover = side.sums[session_.cover() % side.sums.size()];
    for (std::size_t i = 0; i < cover.size(); ++i)
        loops.push_back(
            {derivations::groupOf(session_.function()->layout, cover[i]),
             loop_colours::on(leftMap_->palette(), loop_colours::cover[i % loop_colours::cover.size()])});
    return loops;
}

std::vector<MapLoop> KarnaughWindow::studentLoops() const {
    std::vector<MapLoop> loops;
    const QPalette &palette = leftMap_->palette();
    const auto &drawn = session_.drawn();
    const auto &grade = session_.grade();
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        if (!grade) {
            loops.push_back({drawn[i], palette.color(QPalette::Text)});
            continue;
        }
        const bool wrong = grade_texts::isWrong(grade->groups[i]);
        loops.push_back({drawn[i],
                         loop_colours::on(palette, wrong ? loop_colours::wrong : loop_colours::right),
                         wrong ? MapLoop::Style::Dashed : MapLoop::Style::Solid});
    }
    if (grade)
        for (const derivations::MapCell &cell : grade->uncoveredOnes)
            loops.push_back({{cell.row, cell.column, 1, 1},
                             loop_colours::on(palette, loop_colours::wrong),
                             MapLoop::Style::Ring});
    return loops;
}
