// The translation seam: English until a program installs a translator.
#include "base/translate.h"

TranslateSeam& Translations() {
    static TranslateSeam seam([](const char*, const char* text) { return std::string(text); });
    return seam;
}

std::string Translate(const char* context, const char* text) {
    return Translations()(context, text ? text : "");
}
