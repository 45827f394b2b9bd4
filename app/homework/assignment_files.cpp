// SPDX-License-Identifier: GPL-3.0-or-later
#include "assignment_files.h"

#include "assignment_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cctype>

namespace assignment_files {

namespace {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(AssignmentFiles)

public:
    static QString missing(const QString &path) { return tr("Няма файл „%1“.").arg(path); }
    static QString folder(const QString &path) { return tr("„%1“ е папка, а не файл.").arg(path); }
    static QString unreadable(const QString &path, const QString &reason) {
        return tr("Файлът „%1“ не може да се прочете: %2.").arg(path, reason);
    }
    static QString tooLarge(const QString &path) {
        return tr("Файлът „%1“ е по-голям от 1 MB: не е задание, нито отговори.").arg(path);
    }
};

// The lines that are neither blank nor comments, up to `count` of them.
QList<QByteArray> keyLines(const QByteArray &bytes, int count) {
    QList<QByteArray> lines;
    for (const QByteArray &line : AssignmentSession::withoutBom(bytes).split('\n')) {
        const QByteArray text = line.trimmed();
        if (text.isEmpty() || text.startsWith('#'))
            continue;
        lines << text;
        if (lines.size() == count)
            break;
    }
    return lines;
}

// The folder's files looked at for an assignment: enough for a class's folder.
constexpr int mostLookedAt = 500;

} // namespace

std::variant<QByteArray, QString> read(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists())
        return Texts::missing(path);
    if (info.isDir())
        return Texts::folder(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Texts::unreadable(path, file.errorString());
    const QByteArray bytes = file.read(mostBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return Texts::unreadable(path, file.errorString());
    if (bytes.size() > mostBytes)
        return Texts::tooLarge(path);
    return bytes;
}

// The header of answers names the assignment by the SHA-256 of its file: a
// line of a key and 64 hexadecimal digits among the first three.
QString namedSha256(const QByteArray &answers) {
    for (const QByteArray &line : keyLines(answers, 3)) {
        const qsizetype colon = line.indexOf(':');
        const QByteArray value = colon < 0 ? QByteArray() : line.mid(colon + 1).trimmed();
        if (value.size() == 64 && std::all_of(value.begin(), value.end(), [](char c) {
                return std::isxdigit(static_cast<unsigned char>(c));
            }))
            return QString::fromLatin1(value).toLower();
    }
    return {};
}

bool holdsAnswers(const QByteArray &bytes) {
    // An assignment starts with its title; answers with theirs, then the SHA-256.
    const QByteArray text = AssignmentSession::withoutBom(bytes);
    const auto read = homework::readAssignment(std::string_view(text.constData(), std::size_t(text.size())));
    const auto *error = std::get_if<homework::AssignmentError>(&read);
    return error && error->problem == homework::AssignmentProblem::NoTitle && !namedSha256(bytes).isEmpty();
}

QString assignmentBeside(const QString &answersPath, const QString &sha256) {
    if (sha256.isEmpty())
        return {};
    const QDir folder = QFileInfo(answersPath).absoluteDir();
    const QFileInfoList files = folder.entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
    int looked = 0;
    for (const QFileInfo &file : files) {
        if (file.size() > mostBytes)
            continue;
        if (++looked > mostLookedAt)
            break;
        const auto bytes = read(file.filePath());
        if (const auto *content = std::get_if<QByteArray>(&bytes);
            content && !holdsAnswers(*content) && AssignmentSession::sha256Of(*content) == sha256)
            return file.filePath();
    }
    return {};
}

} // namespace assignment_files
