// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the real window with a chosen law and values, for screenshots:
//   show_window ROW A B C [table [FORMULA]]   (ROW 1..21, values 0/1)
// It selects them through the window's own lists, as a user's clicks would;
// "table" opens the truth-table window too, as Ctrl+T would, and types
// FORMULA over the law's.

#include "inf_tarvisko.h"
#include "truth_table_window.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    Inf_Tarvisko window;
    QAction *openTable = TruthTableWindow::attachTo(window);
    const bool table = (argc == 6 || argc == 7) && std::strcmp(argv[5], "table") == 0;
    if (argc == 5 || table) {
        window.List1[0]->setCurrentRow(std::atoi(argv[1]) - 1);
        for (std::size_t i = 0; i < 3; ++i)
            window.Bul_Prom[i]->setCurrentRow(std::atoi(argv[i + 2]));
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: %s [ROW A B C [table [FORMULA]]]\n", argv[0]);
        return 2;
    }
    window.show();
    if (table)
        openTable->trigger();
    if (argc == 7) {
        auto *field = window.findChild<TruthTableWindow *>()->findChild<QLineEdit *>();
        field->selectAll();
        field->insert(QString::fromLocal8Bit(argv[6])); // as typed: the law stays
    }
    return application.exec();
}
