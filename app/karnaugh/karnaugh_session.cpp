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
    }
    emit changed();
}

QString KarnaughSession::subject() const { return law_ ? law_names::subject(*law_) : formula_; }

std::size_t KarnaughSession::coverCount() const {
    return function_ ? std::max<std::size_t>(1, function_->left.sums.size()) : 0;
}

std::size_t KarnaughSession::cover() const { return function_ ? cover_ % coverCount() : 0; }

void KarnaughSession::nextCover() {
    ++cover_;
    emit changed();
}

void KarnaughSession::setDrawing(bool drawing) {
    if (drawing == drawing_)
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
