// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text for the translators' tool (lupdate reads the mark); the
// window translates it where it shows it. Without Qt the mark is the text.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif
