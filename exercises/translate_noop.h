// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text for translation without Qt: lupdate reads the macro, the
// library keeps the Bulgarian source text, and the program translates it
// where it is shown (QCoreApplication::translate with the same context).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
