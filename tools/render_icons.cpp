// Writes the installed PNG icons from the very drawing the window uses:
//   render_icons OUTPUT_FOLDER   (boolean-laws-32.png ... boolean-laws-256.png)

#include "program_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QIcon icon = program_icon::make();
    for (int size : program_icon::installedSizes) {
        const QString path = folder.filePath(QStringLiteral("boolean-laws-%1.png").arg(size));
        if (!icon.pixmap(QSize(size, size)).save(path, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(path));
            return 1;
        }
    }
    return 0;
}
