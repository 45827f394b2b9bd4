// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula.h"
#include "formula_reader.h"
#include "utf8_decoder.h"

#include <algorithm>

namespace formulas {

int TruthTable::failingRows() const {
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const TableRow &row) { return !row.holds(); }));
}

std::variant<TruthTable, ReadError> tabulate(std::string_view text) {
    auto characters = decodeUtf8(text);
    if (auto *error = std::get_if<ReadError>(&characters))
        return std::move(*error);
    auto read = readFormula(std::get<std::u32string>(characters));
    if (auto *error = std::get_if<ReadError>(&read))
        return std::move(*error);
    const ReadFormula &formula = std::get<ReadFormula>(read);

    TruthTable table;
    for (std::size_t variable = 0; variable < 3; ++variable)
        if (formula.uses[variable])
            table.variables.push_back(static_cast<char>('A' + variable));
    table.hasEquals = formula.right.has_value();
    const std::size_t count = table.variables.size();
    for (unsigned bits = 0; bits < (1u << count); ++bits) {
        TableRow row;
        for (std::size_t i = 0; i < count; ++i)
            row.values[static_cast<std::size_t>(table.variables[i] - 'A')] = (bits >> (count - 1 - i)) & 1;
        row.left = evaluate(formula.left, row.values);
        if (formula.right)
            row.right = evaluate(*formula.right, row.values);
        table.rows.push_back(row);
    }
    return table;
}

} // namespace formulas
