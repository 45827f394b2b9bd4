// SPDX-License-Identifier: GPL-3.0-or-later
#include "karnaugh_window.h"

#include "grade_texts.h"
#include "inf_tarvisko.h"
#include "karnaugh_map_model.h"
#include "karnaugh_map_view.h"
#include "law_catalogue.h"
#include "law_names.h"
#include "law_selection.h"
#include "loop_colours.h"
#include "read_only_line.h"
#include "readable_colours.h"
#include "screen_reader.h"
#include "window_font.h"
#include "wording.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

using screen_reader::describe;

void useReadableHighlight(QWidget *widget) {
    QPalette palette = widget->palette();
    ::useReadableHighlight(palette);
    widget->setPalette(palette);
}

} // namespace

QAction *KarnaughWindow::attachTo(Inf_Tarvisko &main) {
    auto *open = new QAction(&main);
    (new Wording(&main))->add([open] { open->setText(tr("Карта на Карно…")); });
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    main.addToContextMenus(open);
    QObject::connect(open, &QAction::triggered, &main, [&main] { openFor(*main.selection(), main); });
    return open;
}

KarnaughWindow *KarnaughWindow::openFor(LawSelection &selection, QWidget &owner) {
    auto *window = owner.findChild<KarnaughWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new KarnaughWindow(selection, &owner);
    if (window->isVisible())
        window->raise(); // a window just shown is on top already
    window->show();
    window->activateWindow();
    return window;
}

KarnaughWindow::KarnaughWindow(LawSelection &selection, QWidget *parent)
    : QWidget(parent, Qt::Window), selection_(selection) {
    screen_reader::readAsWindow(this);
    setObjectName(QStringLiteral("KarnaughWindow"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    setFont(windowFont());
    words_ = new Wording(this);
    buildControls();
    // The maps' captions, the verdict and the title in the new words; a
    // formula that could not be read is read again for its message.
    words_->afterChange([this] {
        if (!function_)
            shownFormula_.reset();
        follow();
        refresh();
    });
    connect(&selection_, &LawSelection::lawChanged, this, &KarnaughWindow::follow);
    connect(&selection_, &LawSelection::tableFormulaChanged, this, &KarnaughWindow::follow);
    follow();
    leftMap_->setFocus();
}

QPushButton *KarnaughWindow::makeButton() {
    auto *button = new QPushButton(this);
    button->setAutoDefault(false);
    return button;
}

void KarnaughWindow::wordButton(QPushButton *button, const QString &text, const QString &name,
                                const QString &toolTip) {
    button->setText(text);
    describe(button, name, toolTip);
}

void KarnaughWindow::buildControls() {
    formula_ = readOnlyLine(this);
    words_->add([=, this] {
        describe(
            formula_, tr("Формула"),
            tr("Формулата, чиито карти се виждат: тази от таблицата на истинност, ако там е въведена своя, "
               "иначе формулата на избрания закон"));
    });
    auto *formulaLabel = new QLabel(this);
    words_->add([=, this] { formulaLabel->setText(tr("Формула:")); });
    formulaLabel->setBuddy(formula_);

    leftModel_ = new KarnaughMapModel(this);
    rightModel_ = new KarnaughMapModel(this);
    leftMap_ = new KarnaughMapView(leftModel_, this);
    rightMap_ = new KarnaughMapView(rightModel_, this);
    leftCaption_ = new QLabel(this);
    rightCaption_ = new QLabel(this);
    words_->add([=, this] { rightCaption_->setText(tr("Дясна страна")); });
    words_->add(
        [=, this] { describe(rightMap_, tr("Дясна страна"), tr("Картата на дясната страна на формулата")); });
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

    comparison_ = readOnlyLine(this);
    words_->add([=, this] {
        describe(comparison_, tr("Сравнение"), tr("Дали картите на двете страни са една и съща картина"));
    });
    comparisonLabel_ = new QLabel(this);
    words_->add([=, this] { comparisonLabel_->setText(tr("Сравнение:")); });
    comparisonLabel_->setBuddy(comparison_);
    sum_ = readOnlyLine(this);
    words_->add([=, this] {
        describe(sum_, tr("Минимална ДНФ"),
                 tr("Минималната дизюнктивна нормална форма: сума от произведения с най-малко литерали"));
    });
    sumLabel_ = new QLabel(this);
    words_->add([=, this] { sumLabel_->setText(tr("Минимална ДНФ:")); });
    sumLabel_->setBuddy(sum_);
    product_ = readOnlyLine(this);
    words_->add([=, this] {
        describe(product_, tr("Минимална КНФ"),
                 tr("Минималната конюнктивна нормална форма: произведение от суми с най-малко литерали"));
    });
    productLabel_ = new QLabel(this);
    words_->add([=, this] { productLabel_->setText(tr("Минимална КНФ:")); });
    productLabel_->setBuddy(product_);

    groups_ = new QListWidget(this);
    words_->add([=, this] {
        describe(groups_, tr("Групи"), tr("Групите на минималната ДНФ, по едно произведение на ред"));
    });
    groupsLabel_ = new QLabel(this);
    words_->add([=, this] { groupsLabel_->setText(tr("Групи:")); });
    groupsLabel_->setBuddy(groups_);
    drawnGroups_ = new QListWidget(this);
    words_->add([=, this] {
        describe(drawnGroups_, tr("Твоите групи"),
                 tr("Групите, които си очертал, по едно произведение на ред, с оценката им след проверка"));
    });
    drawnLabel_ = new QLabel(this);
    words_->add([=, this] { drawnLabel_->setText(tr("Твоите групи:")); });
    drawnLabel_->setBuddy(drawnGroups_);
    for (QListWidget *list : {groups_, drawnGroups_}) {
        useReadableHighlight(list);
        list->setFixedHeight(list->fontMetrics().lineSpacing() * 4 + 2 * list->frameWidth() + 4);
    }

    otherCover_ = makeButton();
    words_->add([this] {
        wordButton(otherCover_, tr("&Друго покритие"), tr("Друго покритие"),
                   tr("Показва следващото минимално покритие, когато има няколко"));
    });
    selfGroup_ = makeButton();
    words_->add([this] {
        wordButton(selfGroup_, tr("&Групирай сам"), tr("Групирай сам"),
                   tr("Скрива групите и минималните форми, за да очертаеш групите сам (Ctrl+G)"));
    });
    selfGroup_->setCheckable(true);
    check_ = makeButton();
    words_->add(
        [this] { wordButton(check_, tr("&Провери"), tr("Провери"), tr("Проверява очертаните групи")); });

    verdict_ = new QPlainTextEdit(this);
    words_->add([=, this] {
        describe(verdict_, tr("Извод"), tr("Какво показват картите, или оценката на очертаните групи"));
    });
    verdict_->setReadOnly(true);
    verdict_->setFocusPolicy(Qt::ClickFocus);
    verdict_->setFixedHeight(verdict_->fontMetrics().lineSpacing() * 4 + 2 * verdict_->frameWidth() +
                             int(verdict_->document()->documentMargin() * 2));
    useReadableHighlight(verdict_);
    auto *verdictLabel = new QLabel(this);
    words_->add([=, this] { verdictLabel->setText(tr("Извод:")); });
    verdictLabel->setBuddy(verdict_);

    auto *grid = new QGridLayout(this);
    grid->addWidget(formulaLabel, 0, 0);
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
    grid->addWidget(verdictLabel, 8, 0, Qt::AlignTop);
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

    connect(otherCover_, &QPushButton::clicked, this, &KarnaughWindow::stepCover);
    connect(selfGroup_, &QPushButton::toggled, this, [this](bool on) {
        leftMap_->setDrawing(on);
        refresh();
        if (on)
            leftMap_->setFocus();
    });
    connect(check_, &QPushButton::clicked, this, &KarnaughWindow::check);
    connect(leftMap_, &KarnaughMapView::groupDrawn, this, &KarnaughWindow::addGroup);
    connect(leftMap_, &KarnaughMapView::removeRequested, this, &KarnaughWindow::removeGroupAt);
    auto *toggle = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
    connect(toggle, &QShortcut::activated, selfGroup_, [this] {
        if (selfGroup_->isEnabled())
            selfGroup_->toggle();
    });
    auto *close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void KarnaughWindow::follow() {
    QString formula = selection_.tableFormula();
    QString what = formula;
    if (formula.isEmpty()) {
        const int law = selection_.law();
        if (law >= 0 && std::size_t(law) < catalogue::lawCatalogue.size()) {
            formula = utf8(catalogue::lawCatalogue[std::size_t(law)].formula).trimmed();
            what = tr("%1. %2").arg(law + 1).arg(law_names::heading(law));
        }
    }
    setWindowTitle(tr("Карта на Карно – %1").arg(what));
    if (shownFormula_ == formula)
        return; // the same maps: the student's groups stay
    shownFormula_ = formula;
    formula_->setText(formula);
    formula_->setCursorPosition(0);

    auto result = karnaughFunction(formula);
    function_.reset();
    problem_.clear();
    if (auto *function = std::get_if<KarnaughFunction>(&result))
        function_ = std::move(*function);
    else
        problem_ = std::get<QString>(result);
    cover_ = 0;
    drawn_.clear();
    grade_.reset();
    if (function_) {
        leftModel_->setMap(function_->layout, function_->left.truth, function_->letters);
        rightModel_->setMap(function_->right ? std::optional(function_->layout) : std::nullopt,
                            function_->right ? function_->right->truth : 0, function_->letters);
    } else {
        leftModel_->setMap(std::nullopt, 0, {});
        rightModel_->setMap(std::nullopt, 0, {});
    }
    leftMap_->setDrawing(selfGroup_->isChecked() && function_);
    refresh();
}

void KarnaughWindow::refresh() {
    const bool drawing = selfGroup_->isChecked();
    const bool twoSides = function_ && function_->right;
    const QString leftName = twoSides ? tr("Лява страна") : tr("Стойност");
    leftCaption_->setText(leftName);
    describe(leftMap_, leftName,
             twoSides ? tr("Картата на лявата страна на формулата")
                      : tr("Картата на стойността на формулата"));
    for (QWidget *widget : {static_cast<QWidget *>(leftCaption_), static_cast<QWidget *>(leftMap_)})
        widget->setVisible(bool(function_));
    for (QWidget *widget : {static_cast<QWidget *>(rightCaption_), static_cast<QWidget *>(rightMap_),
                            static_cast<QWidget *>(comparisonLabel_), static_cast<QWidget *>(comparison_)})
        widget->setVisible(twoSides);
    comparison_->setText(!twoSides                 ? QString()
                         : function_->sidesMatch() ? tr("Картите съвпадат")
                                                   : tr("Картите се различават"));

    for (QWidget *widget : {static_cast<QWidget *>(sumLabel_), static_cast<QWidget *>(sum_),
                            static_cast<QWidget *>(productLabel_), static_cast<QWidget *>(product_),
                            static_cast<QWidget *>(groupsLabel_), static_cast<QWidget *>(groups_),
                            static_cast<QWidget *>(otherCover_)})
        widget->setVisible(!drawing);
    for (QWidget *widget : {static_cast<QWidget *>(drawnLabel_), static_cast<QWidget *>(drawnGroups_),
                            static_cast<QWidget *>(check_)})
        widget->setVisible(drawing);
    sum_->setText(function_ ? QString::fromStdString(function_->sumOfProducts(function_->left, cover_))
                            : QString());
    product_->setText(function_ ? QString::fromStdString(function_->productOfSums(function_->left))
                                : QString());
    for (QLineEdit *line : {sum_, product_})
        line->setCursorPosition(0);
    otherCover_->setEnabled(function_ && function_->left.sums.size() > 1);
    selfGroup_->setEnabled(bool(function_));
    check_->setEnabled(bool(function_));

    fillLists();
    if (function_) {
        leftMap_->setLoops(drawing ? studentLoops() : coverLoops(function_->left));
        rightMap_->setLoops(drawing || !twoSides ? std::vector<MapLoop>{} : coverLoops(*function_->right));
    } else {
        leftMap_->setLoops({});
        rightMap_->setLoops({});
    }
    verdict_->setPlainText(verdictText());
}

void KarnaughWindow::fillLists() {
    groups_->clear();
    drawnGroups_->clear();
    if (!function_)
        return;
    const auto &sums = function_->left.sums;
    if (!sums.empty())
        for (const derivations::Term &term : sums[cover_ % sums.size()])
            groups_->addItem(QString::fromStdString(function_->termText(term)));
    for (std::size_t i = 0; i < drawn_.size(); ++i) {
        const derivations::GroupGrade *grade = grade_ ? &grade_->groups[i] : nullptr;
        auto *item = new QListWidgetItem(grade_texts::groupLine(int(i) + 1, drawn_[i], grade, *function_));
        if (grade)
            item->setForeground(loop_colours::on(drawnGroups_->palette(), grade_texts::isWrong(*grade)
                                                                              ? loop_colours::wrong
                                                                              : loop_colours::right));
        drawnGroups_->addItem(item);
    }
}

QString KarnaughWindow::verdictText() const {
    if (!function_)
        return problem_;
    if (!selfGroup_->isChecked()) {
        const std::size_t covers = std::max<std::size_t>(1, function_->left.sums.size());
        return tr("Минимално покритие %1 от %2.").arg(cover_ % covers + 1).arg(covers);
    }
    if (!grade_)
        return function_->right
                   ? tr("Очертай групите на лявата карта с мишката или с клавишите и натисни „Провери“.")
                   : tr("Очертай групите на картата с мишката или с клавишите и натисни „Провери“.");
    return grade_texts::verdict(*grade_, *function_, *leftModel_).join(QLatin1Char(' '));
}

std::vector<MapLoop> KarnaughWindow::coverLoops(const KarnaughSide &side) const {
    std::vector<MapLoop> loops;
    if (side.sums.empty())
        return loops;
    const derivations::Cover &cover = side.sums[cover_ % side.sums.size()];
    for (std::size_t i = 0; i < cover.size(); ++i)
        loops.push_back(
            {derivations::groupOf(function_->layout, cover[i]),
             loop_colours::on(leftMap_->palette(), loop_colours::cover[i % loop_colours::cover.size()])});
    return loops;
}

std::vector<MapLoop> KarnaughWindow::studentLoops() const {
    std::vector<MapLoop> loops;
    const QPalette &palette = leftMap_->palette();
    for (std::size_t i = 0; i < drawn_.size(); ++i) {
        if (!grade_) {
            loops.push_back({drawn_[i], palette.color(QPalette::Text)});
            continue;
        }
        const bool wrong = grade_texts::isWrong(grade_->groups[i]);
        loops.push_back({drawn_[i],
                         loop_colours::on(palette, wrong ? loop_colours::wrong : loop_colours::right),
                         wrong ? MapLoop::Style::Dashed : MapLoop::Style::Solid});
    }
    if (grade_)
        for (const derivations::MapCell &cell : grade_->uncoveredOnes)
            loops.push_back({{cell.row, cell.column, 1, 1},
                             loop_colours::on(palette, loop_colours::wrong),
                             MapLoop::Style::Ring});
    return loops;
}

void KarnaughWindow::stepCover() {
    ++cover_;
    refresh();
}

void KarnaughWindow::addGroup(const derivations::MapGroup &group) {
    if (!function_ || std::find(drawn_.begin(), drawn_.end(), group) != drawn_.end())
        return;
    drawn_.push_back(group);
    grade_.reset();
    refresh();
}

void KarnaughWindow::removeGroupAt(const derivations::MapCell &cell) {
    if (!function_)
        return;
    // The group drawn last lies on top.
    for (auto it = drawn_.rbegin(); it != drawn_.rend(); ++it) {
        const auto cells = derivations::cellsOf(function_->layout, *it);
        if (std::find(cells.begin(), cells.end(), cell) != cells.end()) {
            drawn_.erase(std::next(it).base());
            grade_.reset();
            refresh();
            return;
        }
    }
}

void KarnaughWindow::check() {
    if (!function_)
        return;
    grade_ = derivations::gradeGroups(function_->layout, function_->left.truth, drawn_);
    refresh();
}
