// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the real window with a chosen law and values, for screenshots:
//   show_window ROW A B C   (ROW 1..21, values 0/1)
// It selects them through the window's own lists, as a user's clicks would.

#include "inf_tarvisko.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    Inf_Tarvisko window;
    if (argc == 5) {
        window.List1[0]->setCurrentRow(std::atoi(argv[1]) - 1);
        for (std::size_t i = 0; i < 3; ++i)
            window.Bul_Prom[i]->setCurrentRow(std::atoi(argv[i + 2]));
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: %s [ROW A B C]\n", argv[0]);
        return 2;
    }
    window.show();
    return application.exec();
}
