// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A formula's Karnaugh maps as an HTML fragment for the proof sheets: each
// side's map as a bordered table (both side by side), then the minimal forms
// and, with "=", whether the maps match; where there is no map, why.
QString karnaughMapsHtml(const QString &formula);
