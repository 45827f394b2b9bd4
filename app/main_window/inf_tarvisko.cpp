// SPDX-License-Identifier: GPL-3.0-or-later
#include "inf_tarvisko.h"

#include "accessible_texts.h"
#include "fixed_texts.h"
#include "law_catalogue.h"
#include "law_names.h"
#include "law_proof.h"
#include "menu_item.h"
#include "program_icon.h"
#include "readable_colours.h"
#include "screen_reader.h"
#include "shift_f10_menu.h"
#include "text_box.h"
#include "text_to_number.h"
#include "twips.h"
#include "window_font.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShortcut>

namespace {

constexpr QColor windowColour{0x80, 0x80, 0xFF};
constexpr QColor titleColour{0xFF, 0xC0, 0x80};
constexpr QColor textBoxColour{0xE0, 0xE0, 0xE0};
constexpr QColor listColour{0xFF, 0xFF, 0xFF};
// A red, B green, C violet: each label shares its selector's colour.
constexpr std::array<QColor, 3> variableColours{QColor{0xFF, 0x80, 0x80}, QColor{0x80, 0xFF, 0x80},
                                                QColor{0xFF, 0x80, 0xFF}};

// The text on every fixed background is black, whatever the desktop's theme:
// a dark theme's light text would be unreadable on these light colours.
constexpr QColor textColour{0x00, 0x00, 0x00};

QPalette::ColorRole textRoleOn(QPalette::ColorRole background) {
    return background == QPalette::Base ? QPalette::Text : QPalette::WindowText;
}

void paint(QWidget *widget, QPalette::ColorRole role, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    palette.setColor(textRoleOn(role), textColour);
    useReadableHighlight(palette);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

template <class Control>
Control *place(Control *control, const QRect &rect, QPalette::ColorRole role, const QColor &colour) {
    control->setGeometry(rect);
    paint(control, role, colour);
    return control;
}

QLabel *makeLabel(QWidget *parent, const QRect &rect, const QColor &colour) {
    auto *label = place(new QLabel(parent), rect, QPalette::Window, colour);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPlainTextEdit *makeTextBox(QWidget *parent, const QRect &rect) {
    auto *box = place(new TextBox(parent), rect, QPalette::Base, textBoxColour);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A proof is read, selected and copied, never edited.
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
    // Ctrl+wheel zooms a read-only box by itself; the zoom keys do here too,
    // so a student can enlarge the proof. The window's places stay fixed.
    for (const auto &[keys, zoom] :
         {std::pair{QKeySequence::ZoomIn, +1}, std::pair{QKeySequence::ZoomOut, -1}}) {
        auto *shortcut = new QShortcut(keys, box);
        shortcut->setContext(Qt::WidgetShortcut);
        QObject::connect(shortcut, &QShortcut::activated, box, [box, zoom = zoom] { box->zoomIn(zoom); });
    }
    return box;
}

ChoiceList *makeList(QWidget *parent, const QRect &rect, const QColor &colour) {
    return place(new ChoiceList(parent), rect, QPalette::Base, colour);
}

// Controls carry the names screen readers' tools and the tests find them by: "List1(0)", ...
template <class Control, std::size_t size>
void nameArray(const QString &name, const std::array<Control *, size> &controls) {
    for (std::size_t i = 0; i < size; ++i)
        controls[i]->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(i));
}

} // namespace

Inf_Tarvisko::Inf_Tarvisko(LawSelection *selection, QWidget *parent)
    : QWidget(parent), selection_(selection ? selection : new LawSelection(this)) {
    // Form_Load chooses law 1 and the values 0 as the window always starts;
    // a selection handed in with other choices is shown after that.
    const int law = selection_->law();
    const std::array<bool, 3> values = selection_->values();

    screen_reader::readAsWindow(this);
    setObjectName(QStringLiteral("Inf_Tarvisko"));
    setWindowIcon(program_icon::make());
    setFixedSize(twipsSize(8580, 6075));
    paint(this, QPalette::Window, windowColour);

    setFont(windowFont());

    buildControls();
    setTexts();
    connectHandlers();
    Form_Load();
    followSelection();
    selection_->setLaw(law);
    selection_->setValues(values);
}

void Inf_Tarvisko::buildControls() {
    Etiket = makeLabel(this, twipsRect(600, 120, 6975, 375), titleColour);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    QFont bold = font();
    bold.setBold(true);
    Etiket->setFont(bold);

    Text1[0] = makeTextBox(this, twipsRect(120, 600, 8295, 1815));
    opensMenuOnShiftF10(Text1[0]);

    List1[0] = makeList(this, twipsRect(120, 2640, 8175, 1200), listColour);
    opensMenuOnShiftF10(List1[0]);

    const std::array<int, 3> variableLefts{120, 840, 1560};
    for (std::size_t i = 0; i < 3; ++i) {
        Label1[i] = makeLabel(this, twipsRect(variableLefts[i], 3960, 450, 375), variableColours[i]);
        Label1[i]->setText(QString::fromLatin1(texts::variableNames[i]));

        Bul_Prom[i] = makeList(this, twipsRect(variableLefts[i], 4320, 450, 630), variableColours[i]);
        Bul_Prom[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Bul_Prom[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        for (const char *item : texts::selectorItems)
            Bul_Prom[i]->addItem(QString::fromUtf8(item));
    }

    Text1[1] = makeTextBox(this, twipsRect(2160, 3960, 6255, 1935));
    opensMenuOnShiftF10(Text1[1]);

    // The catalogue travels in three hidden lists, one column each.
    List1[1] = makeList(this, twipsRect(6360, 2880, 855, 2625), listColour);
    List1[2] = makeList(this, twipsRect(6720, 1080, 3855, 2625), listColour);
    List1[3] = makeList(this, twipsRect(4680, 2520, 855, 2625), listColour);
    // The names in the user's language: the proof's header shows them.
    for (std::size_t law = 0; law < catalogue::lawCatalogue.size(); ++law) {
        const catalogue::LawRow &row = catalogue::lawCatalogue[law];
        List1[1]->addItem(QString::fromUtf8(row.variableCount));
        List1[2]->addItem(law_names::name(int(law)));
        List1[3]->addItem(QString::fromUtf8(row.formula));
    }
    for (std::size_t i = 1; i < List1.size(); ++i)
        List1[i]->hide();

    nameArray(QStringLiteral("Text1"), Text1);
    nameArray(QStringLiteral("List1"), List1);
    nameArray(QStringLiteral("Label1"), Label1);
    nameArray(QStringLiteral("Bul_Prom"), Bul_Prom);

    // Tab order in the order of this list; labels and hidden lists never
    // take focus.
    Etiket->setFocusPolicy(Qt::NoFocus);
    for (QLabel *label : Label1)
        label->setFocusPolicy(Qt::NoFocus);
    const std::array<QWidget *, 9> tabOrder{Text1[0],    List1[0], List1[1], Bul_Prom[0], Bul_Prom[1],
                                            Bul_Prom[2], Text1[1], List1[2], List1[3]};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    for (std::size_t i = 0; i < 3; ++i) {
        // The label "A" names the selector under it, as a reader relates them.
        Label1[i]->setBuddy(Bul_Prom[i]);
    }
}

void Inf_Tarvisko::setTexts() {
    setWindowTitle(tr(texts::caption));
    Etiket->setText(tr(texts::title));
    QString description;
    for (const char *line : texts::descriptionLines)
        description += tr(line) + QStringLiteral("\r\n");
    Text1[0]->setPlainText(description);
    for (QPlainTextEdit *box : Text1)
        box->setToolTip(tr(texts::textBoxToolTip));
    List1[0]->setToolTip(tr(texts::lawListToolTip));
    for (std::size_t i = 0; i < 3; ++i) {
        Label1[i]->setToolTip(tr(texts::variableLabelToolTip));
        Bul_Prom[i]->setToolTip(tr(texts::selectorToolTip));
    }
    nameForScreenReaders();
}

void Inf_Tarvisko::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void Inf_Tarvisko::retranslate() {
    setTexts();
    // The items other parts put into the context menus.
    menu_item::retranslate(actions());
    // The law list and the hidden names list in the new words; setting an
    // item's text leaves the selection, and so the handlers, alone.
    for (int row = 0; row < List1[0]->count(); ++row) {
        List1[0]->item(row)->setText(law_names::listEntry(row));
        List1[2]->item(row)->setText(law_names::name(row));
    }
    // The proof again, its header naming the law in the new language.
    const int row = List1[0]->selectedRow();
    if (row >= 0)
        ShowLaw(static_cast<std::int16_t>(row));
}

void Inf_Tarvisko::addToContextMenus(QAction *action) {
    List1[0]->addAction(action);
    Text1[1]->addAction(action);
    // Its shortcut works wherever the focus is in the window.
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
}

void Inf_Tarvisko::nameForScreenReaders() {
    screen_reader::describe(Text1[0], tr(accessible::descriptionBoxName));
    screen_reader::describe(List1[0], tr(accessible::lawListName));
    for (std::size_t i = 0; i < 3; ++i)
        screen_reader::describe(Bul_Prom[i], tr(accessible::selectorNames[i]));
    screen_reader::describe(Text1[1], tr(accessible::resultBoxName));
    for (std::size_t i = 1; i < List1.size(); ++i)
        screen_reader::describe(List1[i], tr(accessible::hiddenListNames[i - 1]));
}

void Inf_Tarvisko::connectHandlers() {
    // itemSelectionChanged reports the selection after it has changed, for
    // clicks, keys and the program's own selections alike.
    for (std::size_t i = 0; i < List1.size(); ++i)
        connect(List1[i], &ChoiceList::itemSelectionChanged, this, [this, i] { List1_Click(int(i)); });
    for (std::size_t i = 0; i < Bul_Prom.size(); ++i)
        connect(Bul_Prom[i], &ChoiceList::itemSelectionChanged, this, [this, i] { Bul_Prom_Click(int(i)); });
}

void Inf_Tarvisko::followSelection() {
    // Selecting the row raises the click handler, which proves it once;
    // a row selected already (the click that set the selection) does nothing.
    connect(selection_, &LawSelection::lawChanged, this, [this](int row) {
        if (row != List1[0]->selectedRow())
            List1[0]->setCurrentRow(row);
    });
    connect(selection_, &LawSelection::valueChanged, this, [this](int variable, bool value) {
        ChoiceList *selector = Bul_Prom[std::size_t(variable)];
        if (selector->selectedRow() != int(value))
            selector->setCurrentRow(int(value));
    });
}

void Inf_Tarvisko::Form_Load() {
    const auto last = static_cast<std::int16_t>(List1[1]->count() - 1);
    for (ChoiceList *selector : Bul_Prom)
        selector->setCurrentRow(0);
    for (std::int16_t i = 0; i <= last; ++i)
        List1[0]->addItem(law_names::listEntry(i));
    List1[0]->setCurrentRow(0);
}

void Inf_Tarvisko::List1_Click(int /*index*/) {
    const int row = List1[0]->selectedRow();
    const int n = static_cast<int>(catalogue::textToNumber(List1[1]->itemText(row).toStdString()));
    // Only what changes is hidden or shown: hiding and showing again a
    // control that stays would repaint it and the window behind it.
    for (std::size_t i = 0; i < 3; ++i) {
        const bool used = int(i) < n;
        Label1[i]->setHidden(!used);
        Bul_Prom[i]->setHidden(!used);
    }
    ReadValues();
    ShowLaw(static_cast<std::int16_t>(row));
    if (row >= 0)
        selection_->setLaw(row);
}

void Inf_Tarvisko::Bul_Prom_Click(int index) {
    ShowLaw(static_cast<std::int16_t>(List1[0]->selectedRow()));
    const int row = Bul_Prom[std::size_t(index)]->selectedRow();
    if (row >= 0)
        selection_->setValue(index, row == 1);
}

void Inf_Tarvisko::ReadValues() {
    std::array<double, 3> read{};
    for (std::size_t i = 0; i < 3; ++i)
        read[i] = catalogue::textToNumber(Bul_Prom[i]->itemText(Bul_Prom[i]->selectedRow()).toStdString());
    values_.A = read[0];
    values_.B = read[1];
    values_.C = read[2];
    values_.NotA = values_.A == 1 ? 0 : 1;
    values_.NotB = values_.B == 1 ? 0 : 1;
}

void Inf_Tarvisko::ShowLaw(std::int16_t row) {
    provers::ProofText text;
    provers::appendHeader(row, List1[2]->itemText(row).toStdString(), List1[3]->itemText(row).toStdString(),
                          text);
    ReadValues();
    provers::proveRow(row, values_, text);

    resultText_ = text.text();
    // One setPlainText of the whole "\r\n" text shows clean lines.
    Text1[1]->setPlainText(QString::fromUtf8(resultText_));
}
