// The user's language: which translation the two programs load, and how it reaches Qt's tr()
// and the core's Translate (base/translate.h).
//
// The language is chosen as GNU gettext chooses it: the messages locale is the first of LC_ALL,
// LC_MESSAGES and LANG that is set; LANGUAGE, a list ("fr:de"), comes before it unless that
// locale is C or POSIX, which means English whatever LANGUAGE says. The variables are read
// directly, not through setlocale, so a locale the machine has not generated still chooses its
// translation. The first language asked for that has a translation wins; English asked for
// before it, or no translation at all, leaves every text and number exactly as it always was.
//
// The translations (velquorran_de.qm, ...) are found in <program folder>/../share/velquorran/
// translations: the build tree's build/share/velquorran/translations for build/shell/velquorran
// and build/cli/velquorran-chart, the installed prefix's share/velquorran/translations for
// bin/velquorran. Qt's own (qtbase_de.qm: the standard buttons and dialogs) come from Qt's
// translations folder.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The variables that choose the language, as the process has them (empty when unset).
struct LanguageEnvironment {
    std::string language;  // LANGUAGE
    std::string all;       // LC_ALL
    std::string messages;  // LC_MESSAGES
    std::string lang;      // LANG
    static LanguageEnvironment OfProcess();
};

// The locales asked for, most wanted first, without their codeset and modifier ("de_AT.UTF-8"
// gives "de_AT"); "C" stands for English.
std::vector<std::string> RequestedLanguages(const LanguageEnvironment& environment);

// The folder of the program's translations (see above).
QString TranslationsFolder();

// The translation chosen for what is asked: the file's language ("de"; empty for English) and the
// locale of dates and numbers (the one asked for: "de_AT" reads dates as in Austria).
struct LanguageChoice {
    QString translation;
    QLocale locale = QLocale::c();
};
LanguageChoice ChooseLanguage(const std::vector<std::string>& requested, const QString& folder);

// The choice for a language the user names (velquorran-chart --language CODE: "de", "fr_CA",
// "en", "C"): English for English, nothing when the language has no translation in `folder`.
std::optional<LanguageChoice> LanguageForCode(const std::string& code, const QString& folder);

// The languages with a translation in `folder`, "en" among them, sorted.
QStringList AvailableLanguages(const QString& folder);

// Installs `choice` for the whole program: the translation and Qt's own into the application,
// the core's seam, the decimal point and QLocale's default. An empty translation puts English
// back. False, with English in place, when the translation cannot be loaded.
bool InstallLanguage(const LanguageChoice& choice, const QString& folder = TranslationsFolder());

// The language installed ("" for English) and the locale of dates and numbers: the language's
// while a translation is installed, else the C locale, so that English keeps its forms.
QString InstalledLanguage();
QLocale TextLocale();

// Texts across the core's edge: the core's Latin-1 as a QString, and a QString as Latin-1 (a
// character beyond Latin-1 becomes '?').
QString FromCoreText(std::string_view text);
std::string ToCoreText(const QString& text);
