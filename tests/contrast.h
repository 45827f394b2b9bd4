// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// WCAG's contrast ratio between the commonest colour of an area (its
// background) and the colour farthest from it (the glyphs' ink). Light grey
// text on a light background fails however it is anti-aliased.

#include <QColor>
#include <QHash>
#include <QImage>

#include <algorithm>
#include <cmath>

namespace testing {

inline double inkContrast(const QImage &picture, const QRect &area) {
    auto luminance = [](QColor colour) {
        auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[picture.pixel(x, y)];
    const QRgb background =
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first;
    double best = 1;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it) {
        const double a = luminance(QColor(background)), b = luminance(QColor(*it));
        best = std::max(best, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
    }
    return best;
}

inline double inkContrast(const QImage &picture) { return inkContrast(picture, picture.rect()); }

} // namespace testing
