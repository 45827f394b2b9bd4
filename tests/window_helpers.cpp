// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_helpers.h"

#include "law_catalogue.h"

namespace testing {

QByteArray headerOf(int row) {
    const catalogue::LawRow &law = catalogue::lawCatalogue.at(std::size_t(row));
    return QByteArray::number(row + 1) + ": " + QByteArray(law.name.data(), qsizetype(law.name.size())) +
           "\r\n" + QByteArray(law.formula.data(), qsizetype(law.formula.size())) + "\r\n";
}

} // namespace testing
