// SPDX-License-Identifier: GPL-3.0-or-later
#include "law_names.h"

#include "law_catalogue.h"

#include <QCoreApplication>

namespace law_names {

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

const catalogue::LawRow &lawAt(int row) { return catalogue::lawCatalogue.at(std::size_t(row)); }

} // namespace

QString name(int row) {
    // The catalogue marks its names with the context "catalogue".
    return QCoreApplication::translate("catalogue", std::string(lawAt(row).name).c_str());
}

QString heading(int row) { return fromUtf8(catalogue::headingName(name(row).toStdString())); }

QString listEntry(int row) { return name(row) + QLatin1Char(' ') + fromUtf8(lawAt(row).formula); }

} // namespace law_names
