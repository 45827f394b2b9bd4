// SPDX-License-Identifier: GPL-3.0-or-later
#include "karnaugh_session.h"

#include "law_names.h"

#include <algorithm>

void KarnaughSession::show(const QString &formula, std::optional<int> law) {
    const bool sameFormula = shown_ && formula == formula_;
    law_ = law;
    if (!sameFormula) {
        shown_ = true;
        formula_ = formula;
        auto read = readKarnaugh(formula);
        function_.reset();
        problem_.reset();
        if (auto *function = std::get_if<KarnaughFunction>(&read))
            function_ = std::move(*function);
        else
            problem_ = std::get<KarnaughProblem>(read);
        cover_ = 0;
        drawn_.clear();
        grade_.reset();
        hintsAllowed_ = true;
    }
    emit changed();
}

QString KarnaughSession::subject() const { return law_ ? law_names::subject(*law_) : formula_; }

std::size_t KarnaughSession::coverCount() const {
    return function_ ? std::max<std::size_t>(1, function_->left.sums.size()) : 0;
}

std::size_t KarnaughSession::cover() const { return function_ ? cover_ % coverCount() : 0; }

void KarnaughSession::nextCover() {
    if (!hintsAllowed_)
        return;
    ++cover_;
    emit changed();
}

void KarnaughSession::setDrawing(bool drawing) {
    if (drawing == drawing_ || (!drawing && !hintsAllowed_))
        return;
    drawing_ = drawing;
    emit changed();
}

bool KarnaughSession::addGroup(const derivations::MapGroup &group) {
    if (!function_ || std::find(drawn_.begin(), drawn_.end(), group) != drawn_.end())
        return false;
    drawn_.push_back(group);
    grade_.reset();
    emit changed();
    return true;
}

bool KarnaughSession::removeGroupAt(const derivations::MapCell &cell) {
    if (!function_)
        return false;
    // The group drawn last lies on top.
    for (auto it = drawn_.rbegin(); it != drawn_.rend(); ++it) {
        const auto cells = derivations::cellsOf(function_->layout, *it);
        if (std::find(cells.begin(), cells.end(), cell) != cells.end()) {
            drawn_.erase(std::next(it).base());
            grade_.reset();
            emit changed();
            return true;
        }
    }
    return false;
}

void KarnaughSession::check() {
    if (!function_)
        return;
    grade_ = derivations::gradeGroups(function_->layout, function_->left.truth, drawn_);
    emit changed();
}

void KarnaughSession::setHintsAllowed(bool allowed) {
    hintsAllowed_ = allowed;
    if (!allowed)
        drawing_ = true;
    emit changed();
}

derivations::Cover KarnaughSession::drawnTerms() const {
    derivations::Cover terms;
    if (!function_)
        return terms;
    for (const derivations::MapGroup &group : drawn_)
        if (derivations::hasPowerOfTwoSides(function_->layout, group))
            terms.push_back(derivations::termOf(function_->layout, group));
    return terms;
}

namespace {

// "A ^ !C" in the map's letters; "1" is the whole map.
std::optional<derivations::Term> productOf(const QString &line, const std::string &letters) {
    const QString text = line.trimmed();
    if (text == QStringLiteral("1"))
        return derivations::Term{};
    derivations::Term term;
    const int count = int(letters.size());
    for (QString literal : text.split(QLatin1Char('^'))) {
        literal = literal.trimmed();
        const bool negated = literal.startsWith(QLatin1Char('!'));
        if (negated)
            literal = literal.mid(1).trimmed();
        const std::size_t at =
            literal.size() == 1 ? letters.find(char(literal.front().toLatin1())) : std::string::npos;
        if (at == std::string::npos)
            return std::nullopt;
        const std::uint32_t bit = std::uint32_t(1) << (count - 1 - int(at));
        term.care |= bit;
        if (!negated)
            term.value |= bit;
    }
    return term;
}

} // namespace

void KarnaughSession::drawSaved(const QStringList &products) {
    if (!function_)
        return;
    for (const QString &line : products) {
        const std::optional<derivations::Term> term = productOf(line, function_->letters);
        if (!term)
            continue;
        const derivations::MapGroup group = derivations::groupOf(function_->layout, *term);
        if (std::find(drawn_.begin(), drawn_.end(), group) == drawn_.end())
            drawn_.push_back(group);
    }
    grade_.reset();
    emit changed();
}
