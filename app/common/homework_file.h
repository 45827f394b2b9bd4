// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An assignment's or an answers file's bytes, read for the homework library,
// and the SHA-256 that ties a student's answers to the assignment's file.

#include <QByteArray>
#include <QString>

#include <variant>

namespace homework_file {

// The bytes as they are on disk, or a sentence saying why there are none
// (no such file, a folder, unreadable, over 1 MB). A file over the limit is
// not read past it.
std::variant<QByteArray, QString> contentsOf(const QString &path);

// Lower-case hex of the SHA-256 of the bytes.
QString sha256Of(const QByteArray &bytes);

} // namespace homework_file
