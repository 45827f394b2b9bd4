// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The assignment a teacher builds from the exercise window: each exercise
// added by its kind, level and seed, so that the file names it as
// "средно 12345" and every student gets the very same task. Written as the
// assignment's file ("Запази заданието").

#include "assignment.h"

#include <QByteArray>
#include <QString>

class AssignmentDraft {
public:
    // False when the same exercise is in it already.
    bool add(const exercises::Exercise &exercise);
    int taskCount() const { return int(assignment_.tasks.size()); }
    void clear() { assignment_.tasks.clear(); }

    // The file, with that title and hints allowed or not, in the language given.
    QByteArray file(const QString &title, bool hints, bool english) const;

private:
    homework::Assignment assignment_;
};
