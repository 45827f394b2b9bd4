// SPDX-License-Identifier: GPL-3.0-or-later
#include "assignment_files.h"

#include "assignment_session.h"
#include "homework_file.h"
#include "utf8_lines.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cctype>

namespace assignment_files {

namespace {

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
    auto contents = homework_file::contentsOf(path);
    if (auto *failure = std::get_if<QString>(&contents)) {
        // The command line's phrase, as a sentence of its own in a message box.
        QString sentence = *failure;
        if (!sentence.isEmpty())
            sentence[0] = sentence[0].toUpper();
        return sentence + QLatin1Char('.');
    }
    return contents;
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
        if (std::size_t(file.size()) > homework::maxFileSize)
            continue;
        if (++looked > mostLookedAt)
            break;
        const auto bytes = read(file.filePath());
        if (const auto *content = std::get_if<QByteArray>(&bytes);
            content && !holdsAnswers(*content) && homework_file::sha256Of(*content) == sha256)
            return file.filePath();
    }
    return {};
}

} // namespace assignment_files
