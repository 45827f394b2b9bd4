// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula.h"
#include "formula_reader.h"

#include <algorithm>

namespace formulas {

int TruthTable::failingRows() const {
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const TableRow &row) { return !row.holds(); }));
}

std::variant<TruthTable, ReadError> tabulate(std::u32string_view text) {
    auto read = readFormula(text);
    if (auto *error = std::get_if<ReadError>(&read))
        return std::move(*error);
    const ReadFormula &formula = std::get<ReadFormula>(read);

    TruthTable table;
    for (int letter = 0; letter < 26; ++letter)
        if ((formula.letters >> letter) & 1)
            table.variables.push_back(static_cast<char>('A' + letter));
    table.hasEquals = formula.right.has_value();
    const std::size_t count = table.variables.size();
    for (unsigned bits = 0; bits < (1u << count); ++bits) {
        TableRow row;
        std::uint32_t letters = 0;
        for (std::size_t i = 0; i < count; ++i) {
            row.values[i] = (bits >> (count - 1 - i)) & 1;
            if (row.values[i])
                letters |= std::uint32_t(1) << (table.variables[i] - 'A');
        }
        row.left = evaluate(formula.left, letters);
        if (formula.right)
            row.right = evaluate(*formula.right, letters);
        table.rows.push_back(row);
    }
    return table;
}

} // namespace formulas
