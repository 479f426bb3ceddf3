// The texts the user reads, in the user's language.
//
// The core is free of Qt, so its texts pass through one seam: a program that loads a
// translation puts Qt's translator behind it; until then, and in English, a text comes back
// exactly as it was given, so every English output stays as it is.
//
// A text is translated where it is shown, Translate("Legend", "Star"), or marked where a table
// defines it, VQ_TRANSLATE_NOOP("Legend", "Star"), and translated where it is shown. lupdate finds
// both forms (its -tr-function-alias option maps them onto QCoreApplication::translate and
// QT_TRANSLATE_NOOP). The context groups texts for the translators: one per part of the picture
// or per kind of message. Source texts are plain ASCII; what comes back is in the core's
// encoding, Latin-1, like every other text of the chart.
#pragma once

#include <string>

#include "base/seam.h"

using TranslateSeam = Seam<std::string(const char* context, const char* text)>;

// The translation seam (its real function gives the text back unchanged).
TranslateSeam& Translations();

// `text` in the user's language, through the seam.
std::string Translate(const char* context, const char* text);

// Marks a text for the translators where it is defined; it is translated where it is shown.
#define VQ_TRANSLATE_NOOP(context, text) text
