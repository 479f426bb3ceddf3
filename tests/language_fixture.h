// A language installed for one test of the Qt side, from the build's translations, and English
// again afterwards.
#pragma once

#include <gtest/gtest.h>

#include "render/language.h"

class ScopedLanguage {
  public:
    explicit ScopedLanguage(const char* code) {
        const std::optional<LanguageChoice> choice =
            LanguageForCode(code, QStringLiteral(VELQUORRAN_TRANSLATIONS));
        installed_ = choice && InstallLanguage(*choice, QStringLiteral(VELQUORRAN_TRANSLATIONS));
        EXPECT_TRUE(installed_) << "no translation " << code << " in " << VELQUORRAN_TRANSLATIONS;
    }
    ~ScopedLanguage() { InstallLanguage(LanguageChoice{}); }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;
    bool installed() const { return installed_; }

  private:
    bool installed_ = false;
};
