#include "window_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QList>

QFont windowFont() {
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setStyleHint(QFont::Serif);
    // Asked for by a missing name, the font system searches its stand-ins
    // again for every script and weight the window draws; the one it picks
    // is asked for by its own name instead, so the search runs once. A
    // stand-in without Cyrillic is left to the search, which looks further
    // for the Bulgarian letters.
    const QString chosen = QFontInfo(font).family();
    if (chosen != font.family() && QFontDatabase::writingSystems(chosen).contains(QFontDatabase::Cyrillic))
        font.setFamily(chosen);
    return font;
}

// QGuiApplication's own setFont: it leaves the fonts that a desktop theme
// sets for tool-tips and menus as they are, and it sends the widgets no
// change of font (each control of the window has the window's font anyway).
ApplicationFontScope::ApplicationFontScope(const QFont &font) : previous_(QGuiApplication::font()) {
    QGuiApplication::setFont(font);
}

ApplicationFontScope::~ApplicationFontScope() { QGuiApplication::setFont(previous_); }
