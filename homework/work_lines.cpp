// SPDX-License-Identifier: GPL-3.0-or-later
// The work of a table and of a map as the answers file holds it.

#include "answers.h"
#include "utf8_lines.h"

namespace homework {

namespace {

std::string valuesLine(const std::vector<std::optional<bool>> &values) {
    std::string line;
    for (const std::optional<bool> &value : values) {
        if (!line.empty())
            line += ' ';
        line += !value ? '-' : *value ? '1' : '0';
    }
    return line;
}

// "0 1 - 1": single values between blanks.
std::optional<std::vector<std::optional<bool>>> valuesOf(std::string_view text) {
    std::vector<std::optional<bool>> values;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t')
            continue;
        if (i + 1 < text.size() && text[i + 1] != ' ' && text[i + 1] != '\t')
            return std::nullopt;
        if (c == '0' || c == '1')
            values.push_back(c == '1');
        else if (c == '-')
            values.push_back(std::nullopt);
        else
            return std::nullopt;
    }
    if (values.empty())
        return std::nullopt;
    return values;
}

} // namespace

std::vector<std::string> tableWork(const std::vector<std::optional<bool>> &left,
                                   const std::vector<std::optional<bool>> &right) {
    std::string line = valuesLine(left);
    if (!right.empty())
        line += " | " + valuesLine(right);
    return {line};
}

std::vector<std::string> mapWork(const derivations::Cover &groups, const std::vector<char> &letters) {
    std::vector<std::string> lines;
    const std::string names(letters.begin(), letters.end());
    for (const derivations::Term &term : groups)
        lines.push_back(derivations::formatSumOfProducts(int(letters.size()), {term}, names));
    return lines;
}

std::optional<TableValues> tableValues(std::string_view line) {
    TableValues table;
    const std::size_t bar = line.find('|');
    const auto left = valuesOf(line.substr(0, bar));
    if (!left)
        return std::nullopt;
    table.left = *left;
    if (bar != std::string_view::npos) {
        const auto right = valuesOf(line.substr(bar + 1));
        if (!right)
            return std::nullopt;
        table.right = *right;
        table.hasRight = true;
    }
    return table;
}

} // namespace homework
