// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise_progress.h"

#include <QSettings>

namespace {

// The keys stay the same in every language: "exercises/prove/easy/solved".
constexpr std::array<const char *, exercises::kindCount> kindKeys{"prove", "simplify", "table", "map", "law"};
constexpr std::array<const char *, exercises::levelCount> levelKeys{"easy", "medium", "hard"};

QString key(std::size_t kind, std::size_t level, const char *what) {
    return QStringLiteral("%1/%2/%3")
        .arg(QLatin1String(kindKeys[kind]), QLatin1String(levelKeys[level]), QLatin1String(what));
}

// A count that cannot be read, or a negative one, is none.
int count(const QSettings &settings, const QString &name) {
    bool ok = false;
    const int value = settings.value(name).toInt(&ok);
    return ok && value > 0 ? value : 0;
}

} // namespace

ExerciseProgress ExerciseProgress::load() {
    ExerciseProgress progress;
    QSettings settings;
    settings.beginGroup(QStringLiteral("exercises"));
    for (std::size_t k = 0; k < kindKeys.size(); ++k)
        for (std::size_t l = 0; l < levelKeys.size(); ++l) {
            ProgressCell &cell = progress.cells_[k][l];
            cell.solved = count(settings, key(k, l, "solved"));
            cell.tried = count(settings, key(k, l, "tried"));
            cell.hints = count(settings, key(k, l, "hints"));
        }
    return progress;
}

void ExerciseProgress::save() const {
    QSettings settings;
    settings.beginGroup(QStringLiteral("exercises"));
    for (std::size_t k = 0; k < kindKeys.size(); ++k)
        for (std::size_t l = 0; l < levelKeys.size(); ++l) {
            const ProgressCell &cell = cells_[k][l];
            settings.setValue(key(k, l, "solved"), cell.solved);
            settings.setValue(key(k, l, "tried"), cell.tried);
            settings.setValue(key(k, l, "hints"), cell.hints);
        }
}
