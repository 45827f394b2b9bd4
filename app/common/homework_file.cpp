// SPDX-License-Identifier: GPL-3.0-or-later
#include "homework_file.h"

#include "utf8_lines.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace homework_file {

namespace {

struct HomeworkFile {
    Q_DECLARE_TR_FUNCTIONS(Homework)
};

} // namespace

std::variant<QByteArray, QString> contentsOf(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists())
        return HomeworkFile::tr("няма файл „%1“").arg(path);
    if (info.isDir())
        return HomeworkFile::tr("„%1“ е папка, а не файл").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return HomeworkFile::tr("файлът „%1“ не може да се прочете: %2").arg(path, file.errorString());
    // One byte past the limit tells a file too large without reading it all.
    const QByteArray bytes = file.read(qint64(homework::maxFileSize) + 1);
    if (file.error() != QFileDevice::NoError)
        return HomeworkFile::tr("файлът „%1“ не може да се прочете: %2").arg(path, file.errorString());
    if (std::size_t(bytes.size()) > homework::maxFileSize)
        return HomeworkFile::tr("файлът „%1“ е по-голям от 1 MB").arg(path);
    return bytes;
}

QString sha256Of(const QByteArray &bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace homework_file
