// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The teacher's and the student's files as the assignment's window reads
// them: the bytes of a file (within the size an assignment or its answers
// may have), whether they are answers rather than an assignment, and the
// assignment that answers name, looked for beside them.

#include <QByteArray>
#include <QString>

#include <variant>

namespace assignment_files {

// The file's bytes as they are (its SHA-256 is of these), or why they
// cannot be had in one sentence (none, a folder, unreadable, over 1 MB).
std::variant<QByteArray, QString> read(const QString &path);
// Answers rather than an assignment: no assignment's title, and an
// assignment's SHA-256 in the header.
bool holdsAnswers(const QByteArray &bytes);
// A file in the folder of `answersPath` whose bytes have that SHA-256, or none.
QString assignmentBeside(const QString &answersPath, const QString &sha256);
// The SHA-256 the answers name their assignment by, if any.
QString namedSha256(const QByteArray &answers);

} // namespace assignment_files
