#pragma once

#include <QFont>

// The window's font: Times New Roman, 12 points; where Times is missing, the
// serif with Cyrillic that the font system puts in its place.
QFont windowFont();

// Makes font the application's font until it goes out of scope, then puts
// the previous one back. A text box lays out a first, empty document in the
// application's font before it takes its own; built inside this scope, the
// window's text boxes never make the font system load a face that nothing
// in the window shows.
class ApplicationFontScope {
public:
    explicit ApplicationFontScope(const QFont &font);
    ~ApplicationFontScope();
    ApplicationFontScope(const ApplicationFontScope &) = delete;
    ApplicationFontScope &operator=(const ApplicationFontScope &) = delete;

private:
    QFont previous_;
};
