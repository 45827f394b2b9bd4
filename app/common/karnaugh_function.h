// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A formula read for its Karnaugh maps: the layout its variables give, each
// side's truth on the map's cells and every minimal cover of each side. The
// window, the command line and the sheets all start from here, so they show
// the same maps and the same minimal forms.

#include "formula.h"
#include "karnaugh.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <variant>
#include <vector>

struct KarnaughSide {
    std::uint64_t truth = 0;                  // bit r: the side's value on truth-table row r
    std::vector<derivations::Cover> sums;     // every minimal sum of products
    std::vector<derivations::Cover> products; // every minimal product of sums
};

struct KarnaughFunction {
    derivations::KarnaughLayout layout;
    std::string letters; // the formula's variables, alphabetical: both sides' together
    KarnaughSide left;   // or the whole formula where there is no "="
    std::optional<KarnaughSide> right;

    bool sidesMatch() const { return right && right->truth == left.truth; }
    std::string sumOfProducts(const KarnaughSide &side, std::size_t cover = 0) const;
    std::string productOfSums(const KarnaughSide &side) const;
    std::string termText(derivations::Term term) const;
};

// Why a formula has no maps: the reader's error, or a variable count
// outside 2 to 4.
struct KarnaughProblem {
    std::optional<formulas::ReadError> unreadable;
    int variables = 0;

    // In one sentence.
    QString text() const;
};

std::variant<KarnaughFunction, KarnaughProblem> readKarnaugh(const QString &formula);
// The maps of a formula, or why it has none in one sentence.
std::variant<KarnaughFunction, QString> karnaughFunction(const QString &formula);

// The maps as the command line prints them, one string a line: the map's
// rows, then "Минимална ДНФ: …" and "Минимална КНФ: …"; with "=", each side
// after its heading and a last line saying whether the maps match.
QStringList karnaughReport(const KarnaughFunction &function);
