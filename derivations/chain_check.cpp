// SPDX-License-Identifier: GPL-3.0-or-later
#include "chain_check.h"

#include "formula_tree.h"
#include "utf8.h"

#include <optional>
#include <string>

namespace derivations {

namespace {

bool isBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\r'; }

struct Line {
    Tree formula;
    std::optional<LawId> claimed; // an unknown name claims a law that is never the one applied
    bool claimsUnknownLaw = false;
};

std::variant<Line, formulas::ReadError> readLine(std::u32string_view text,
                                                 const std::vector<LawAlias> &aliases) {
    Line line;
    std::size_t end = text.size();
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    if (end > 0 && text[end - 1] == U']') {
        const std::size_t open = text.rfind(U'[', end);
        if (open != std::u32string_view::npos) {
            const std::size_t law =
                lawByName(formulas::toUtf8(text.substr(open + 1, end - open - 2)), aliases);
            if (law < lawCount)
                line.claimed = LawId(law);
            else
                line.claimsUnknownLaw = true;
            end = open;
        }
    }
    // A leading "=" continues the chain, as the derivations print it; the
    // formula keeps its positions in the line.
    std::u32string formula(text.substr(0, end));
    const std::size_t first = formula.find_first_not_of(U" \t");
    if (first != std::u32string::npos && formula[first] == U'=')
        formula[first] = U' ';
    auto read = formulas::readTree(formula);
    if (auto *error = std::get_if<formulas::ReadError>(&read))
        return *error;
    const auto &equation = std::get<formulas::Equation>(read);
    if (equation.right) // one formula a line: a second "=" is one too many
        return formulas::ReadError{formulas::ReadErrorCode::SecondEquals, formula.find(U'=') + 1};
    line.formula = equation.left;
    return line;
}

} // namespace

std::variant<ChainReport, ChainError> checkChain(std::u32string_view text,
                                                 const std::vector<LawAlias> &aliases) {
    ChainReport report;
    std::optional<Tree> previous;
    std::size_t number = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t stop = text.find(U'\n', start);
        if (stop == std::u32string_view::npos)
            stop = text.size();
        const std::u32string_view content = text.substr(start, stop - start);
        start = stop + 1;
        ++number;
        const std::size_t first = content.find_first_not_of(U" \t\r");
        if (first == std::u32string_view::npos || content[first] == U'#')
            continue;
        auto read = readLine(content, aliases);
        if (auto *error = std::get_if<formulas::ReadError>(&read))
            return ChainError{number, *error};
        const Line &line = std::get<Line>(read);
        if (previous) {
            // An unknown law's name is never the one applied.
            std::optional<LawId> claimed = line.claimed;
            StepVerdict verdict = checkStep(*previous, line.formula, claimed);
            if (line.claimsUnknownLaw && verdict.kind == VerdictKind::Correct)
                verdict.kind = VerdictKind::CorrectOtherLaw;
            report.equivalentSteps += verdict.equivalent();
            report.steps.push_back({number, std::move(verdict)});
        }
        previous = line.formula;
    }
    return report;
}

} // namespace derivations
