// The program's start-up picture with the lists and text boxes drawn by plain
// widgets instead of Qt's item views and text boxes: frames, painted rows and
// lines, the same scroll bars. It has no keyboard handling, selection,
// scrolling or accessibility, so it is the least that controls the program
// drew itself could cost; a measure for that choice, never a window to ship.

#include "dispatch.h"
#include "fixed_texts.h"
#include "form_values.h"
#include "law_catalogue.h"
#include "proof_text.h"
#include "twips.h"
#include "window_font.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>

#include <array>
#include <vector>

namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

void fill(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A sunken frame with a vertical scroll bar along its right edge.
class Panel : public QFrame {
public:
    Panel(QWidget *parent, const QRect &rect, const QColor &colour, bool scrolls) : QFrame(parent) {
        setGeometry(rect);
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        fill(this, colour);
        if (scrolls) {
            bar_ = new QScrollBar(Qt::Vertical, this);
            const int width = bar_->sizeHint().width();
            bar_->setGeometry(rect.width() - width - 2, 2, width, rect.height() - 4);
        }
    }

protected:
    int contentWidth() const { return width() - 4 - (bar_ ? bar_->width() : 0); }

private:
    QScrollBar *bar_ = nullptr;
};

// Lines ending in "\r\n", wrapped at the panel's width.
class TextPanel : public Panel {
public:
    TextPanel(QWidget *parent, const QRect &rect, QString text)
        : Panel(parent, rect, QColor(0xE0, 0xE0, 0xE0), true), text_(std::move(text)) {}

protected:
    void paintEvent(QPaintEvent *event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        qreal y = 6;
        for (const QString &paragraph : text_.split(QStringLiteral("\r\n"))) {
            QTextLayout layout(paragraph, font());
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(contentWidth() - 8);
                line.setPosition(QPointF(0, y));
                y += line.height();
            }
            layout.endLayout();
            layout.draw(&painter, QPointF(6, 0));
            if (y > height())
                break;
        }
    }

private:
    QString text_;
};

// Rows of text, the first one selected.
class ListPanel : public Panel {
public:
    ListPanel(QWidget *parent, const QRect &rect, const QColor &colour, bool scrolls,
              std::vector<QString> rows)
        : Panel(parent, rect, colour, scrolls), rows_(std::move(rows)) {}

protected:
    void paintEvent(QPaintEvent *event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        const int height = fontMetrics().height() + 2;
        for (int i = 0; i < int(rows_.size()) && i * height < this->height(); ++i) {
            const QRect row(2, 2 + i * height, contentWidth(), height);
            const bool selected = i == 0;
            if (selected)
                painter.fillRect(row, palette().highlight());
            painter.setPen(selected ? palette().highlightedText().color() : palette().text().color());
            painter.drawText(row.adjusted(3, 0, 0, 0), Qt::AlignVCenter, rows_[std::size_t(i)]);
        }
    }

private:
    std::vector<QString> rows_;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QString::fromUtf8(texts::caption));
    window.setFixedSize(twipsSize(8580, 6075));
    fill(&window, QColor(0x80, 0x80, 0xFF));
    window.setFont(windowFont());

    auto *title = new QLabel(QString::fromUtf8(texts::title), &window);
    title->setGeometry(twipsRect(600, 120, 6975, 375));
    title->setAlignment(Qt::AlignCenter);
    fill(title, QColor(0xFF, 0xC0, 0x80));
    QFont bold = window.font();
    bold.setBold(true);
    title->setFont(bold);

    QString description;
    for (const char *line : texts::descriptionLines)
        description += QString::fromUtf8(line) + QStringLiteral("\r\n");
    new TextPanel(&window, twipsRect(120, 600, 8295, 1815), description);

    // The catalogue the program keeps in its hidden lists, here in plain vectors.
    std::vector<QString> laws, names, formulas, counts;
    for (const catalogue::LawRow &row : catalogue::lawCatalogue) {
        laws.push_back(QString::fromStdString(catalogue::visibleEntry(row)));
        names.push_back(fromView(row.name));
        formulas.push_back(fromView(row.formula));
        counts.push_back(fromView(row.variableCount));
    }
    new ListPanel(&window, twipsRect(120, 2640, 8175, 1200), Qt::white, true, laws);

    // Law 1 has two variables: A and B are shown, C is not.
    const std::array<int, 2> lefts{120, 840};
    const std::array<QColor, 2> colours{QColor(0xFF, 0x80, 0x80), QColor(0x80, 0xFF, 0x80)};
    for (std::size_t i = 0; i < lefts.size(); ++i) {
        auto *label = new QLabel(QString::fromUtf8(texts::variableNames[i]), &window);
        label->setGeometry(twipsRect(lefts[i], 3960, 450, 375));
        label->setAlignment(Qt::AlignCenter);
        fill(label, colours[i]);
        new ListPanel(
            &window, twipsRect(lefts[i], 4320, 450, 630), colours[i], false,
            {QString::fromUtf8(texts::selectorItems[0]), QString::fromUtf8(texts::selectorItems[1])});
    }

    provers::ProofText proof;
    proof.append("1: ", names[0].toStdString(), "\r\n", formulas[0].toStdString(), "\r\n");
    provers::FormValues values;
    values.NotA = values.NotB = 1;
    provers::proveRow(0, values, proof);
    new TextPanel(&window, twipsRect(2160, 3960, 6255, 1935), QString::fromStdString(proof.text()));

    window.show();
    return application.exec();
}
