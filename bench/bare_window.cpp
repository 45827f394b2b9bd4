// SPDX-License-Identifier: GPL-3.0-or-later
// The floor to measure the program's start against: a Qt Widgets window of
// the same fixed size, showing one label and nothing else.

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Булева алгебра"));
    window.setAlignment(Qt::AlignCenter);
    window.setFixedSize(572, 405);
    window.show();
    return application.exec();
}
