// SPDX-License-Identifier: GPL-3.0-or-later
#include "law_names.h"

#include "law_catalogue.h"

#include <QCoreApplication>

namespace law_names {

namespace {

const catalogue::LawRow &lawAt(int row) { return catalogue::lawCatalogue.at(std::size_t(row)); }

} // namespace

QString name(int row) {
    // The catalogue marks its names with the context "catalogue".
    return QCoreApplication::translate("catalogue", std::string(lawAt(row).name).c_str());
}

QString heading(int row) { return QString::fromUtf8(catalogue::headingName(name(row).toStdString())); }

QString listEntry(int row) { return name(row) + QLatin1Char(' ') + QString::fromUtf8(lawAt(row).formula); }

QString subject(int row) { return QStringLiteral("%1. %2").arg(row + 1).arg(heading(row)); }

QString formula(int row) {
    if (row < 0 || std::size_t(row) >= catalogue::lawCatalogue.size())
        return {};
    return QString::fromUtf8(lawAt(row).formula).trimmed();
}

} // namespace law_names
