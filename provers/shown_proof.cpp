// SPDX-License-Identifier: GPL-3.0-or-later
#include "shown_proof.h"

#include "law_catalogue.h"
#include "law_proof.h"

#include <cstdint>

namespace shown_proof {

int variableCount(int row) { return catalogue::variableCountOf(std::size_t(row)); }

std::vector<Assignment> assignmentsOf(int row) {
    const int count = variableCount(row);
    std::vector<Assignment> all;
    for (int bits = 0; bits < (1 << count); ++bits) {
        Assignment values{};
        for (int i = 0; i < count; ++i)
            values[std::size_t(i)] = (bits >> (count - 1 - i)) & 1;
        all.push_back(values);
    }
    return all;
}

std::string captionOf(int row, const Assignment &values) {
    std::string caption;
    for (int i = 0; i < variableCount(row); ++i) {
        if (i > 0)
            caption += ", ";
        caption += char('A' + i);
        caption += " = ";
        caption += char('0' + values[std::size_t(i)]);
    }
    return caption;
}

std::string proofText(int row, const Assignment &values) {
    return proofText(row, values, catalogue::lawCatalogue.at(std::size_t(row)).name);
}

std::string proofText(int row, const Assignment &values, std::string_view name) {
    const catalogue::LawRow &law = catalogue::lawCatalogue.at(std::size_t(row));
    const std::string withCrLf = provers::lawProof(static_cast<std::int16_t>(row), name, law.formula,
                                                   provers::formValuesOf(values[0], values[1], values[2]));
    std::string text;
    text.reserve(withCrLf.size());
    for (std::size_t i = 0; i < withCrLf.size(); ++i)
        if (!(withCrLf[i] == '\r' && i + 1 < withCrLf.size() && withCrLf[i + 1] == '\n'))
            text += withCrLf[i];
    return text;
}

} // namespace shown_proof
