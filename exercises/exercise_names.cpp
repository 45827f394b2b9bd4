// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise.h"

#include "translate_noop.h"

#include <array>

namespace exercises {

namespace {

const std::array<const char *, kindCount> kindNames{
    QT_TRANSLATE_NOOP("exercises", "Докажи"),  QT_TRANSLATE_NOOP("exercises", "Опрости"),
    QT_TRANSLATE_NOOP("exercises", "Таблица"), QT_TRANSLATE_NOOP("exercises", "Карта"),
    QT_TRANSLATE_NOOP("exercises", "Закон"),
};

const std::array<const char *, levelCount> levelNames{
    QT_TRANSLATE_NOOP("exercises", "лесно"),
    QT_TRANSLATE_NOOP("exercises", "средно"),
    QT_TRANSLATE_NOOP("exercises", "трудно"),
};

} // namespace

const char *kindName(Kind kind) { return kindNames[std::size_t(kind)]; }
const char *levelName(Level level) { return levelNames[std::size_t(level)]; }

} // namespace exercises
