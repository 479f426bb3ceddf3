// A language installed for one test of the Qt side, from the build's translations, and English
// again afterwards.
#pragma once

#include <gtest/gtest.h>

#include "render/language.h"

class ScopedLanguage {
  public:
    explicit ScopedLanguage(const char* code) {
        const QString folder = QStringLiteral(VELQUORRAN_TRANSLATIONS);
        const std::optional<LanguageChoice> choice = LanguageForCode(code, folder);
        EXPECT_TRUE(choice && InstallLanguage(*choice, folder)) << "no translation " << code;
    }
    ~ScopedLanguage() { InstallLanguage(LanguageChoice{}); }
};
