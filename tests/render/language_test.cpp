// The user's language: which translation the environment or --language chooses, installing it
// for Qt's tr() and the core's texts with its decimal point and dates, and English back; texts
// across the core's edge; and the settings file, which keeps its decimal point under a German C
// locale.
#include "render/language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "base/translate.h"
#include "render/settings_file.h"
#include "tests/language_fixture.h"

namespace {

QString FolderWith(QTemporaryDir& folder, const QStringList& languages) {
    for (const QString& language : languages) {
        QFile file(folder.filePath(QStringLiteral("velquorran_%1.qm").arg(language)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    }
    return folder.path();
}

std::string Joined(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& item : list) text += (text.empty() ? "" : ":") + item;
    return text;
}

}  // namespace

// GNU gettext's order: LC_ALL, then LC_MESSAGES, then LANG name the messages locale; LANGUAGE's
// list comes first unless that locale is C or POSIX (or unset).
TEST(RequestedLanguages, TheEnvironmentsOrder) {
    const struct {
        LanguageEnvironment environment;
        const char* requested;
    } rows[] = {
        {{"", "", "", "de_DE.UTF-8"}, "de_DE"},
        {{"", "fr_FR.UTF-8", "es_ES", "de_DE"}, "fr_FR"},
        {{"", "", "es_ES@euro", "de_DE"}, "es_ES"},
        {{"fr:de_AT", "", "", "es_ES.UTF-8"}, "fr:de_AT:es_ES"},
        {{"fr::de", "", "", "es_ES"}, "fr:de:es_ES"},
        {{"fr", "", "", "C"}, "C"},
        {{"fr", "", "", "C.UTF-8"}, "C"},
        {{"fr", "POSIX", "", "de_DE"}, "C"},
        {{"fr", "", "", ""}, "C"},
        {{"", "", "", ""}, "C"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.requested);
        EXPECT_EQ(Joined(RequestedLanguages(row.environment)), row.requested);
    }
}

// The first language asked for with a translation wins, the region's own before its language's;
// English asked for first, C, or nothing translated is English.
TEST(ChooseLanguage, FirstTranslatedLanguageAskedFor) {
    QTemporaryDir temporary;
    const QString folder = FolderWith(temporary, {"de", "pt_BR"});
    const struct {
        std::vector<std::string> requested;
        const char* translation;
        const char* locale;
    } rows[] = {
        {{"de_AT"}, "de", "de_AT"},    {{"pt_BR"}, "pt_BR", "pt_BR"},
        {{"pt_PT"}, "", "C"},          {{"it", "de_DE"}, "de", "de_DE"},
        {{"en_GB", "de_DE"}, "", "C"}, {{"C"}, "", "C"},
        {{"nl_NL"}, "", "C"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Joined(row.requested));
        const LanguageChoice choice = ChooseLanguage(row.requested, folder);
        EXPECT_EQ(choice.translation.toStdString(), row.translation);
        EXPECT_EQ(choice.locale.name().toStdString(),
                  std::string(row.locale) == "C" ? "C" : row.locale);
    }
    EXPECT_EQ(AvailableLanguages(folder).join(QLatin1Char(' ')), QStringLiteral("de en pt_BR"));
}

// --language: English for en and C, the translation for a language or locale that has one,
// nothing for any other.
TEST(LanguageForCode, EnglishTranslatedOrNone) {
    QTemporaryDir temporary;
    const QString folder = FolderWith(temporary, {"fr"});
    for (const char* english : {"en", "en_US.UTF-8", "C", "POSIX"}) {
        const auto choice = LanguageForCode(english, folder);
        ASSERT_TRUE(choice) << english;
        EXPECT_TRUE(choice->translation.isEmpty()) << english;
    }
    const auto french = LanguageForCode("fr_CA.UTF-8", folder);
    ASSERT_TRUE(french);
    EXPECT_EQ(french->translation, QStringLiteral("fr"));
    EXPECT_EQ(french->locale.territory(), QLocale::Canada);
    EXPECT_FALSE(LanguageForCode("de", folder));
    EXPECT_FALSE(LanguageForCode("xx", folder));
}

// German installed: the program's texts and Qt's own buttons for tr(), the core's texts in
// Latin-1, the decimal comma and German dates; English again afterwards, exactly.
TEST(InstallLanguage, GermanEverywhereThenEnglish) {
    {
        const ScopedLanguage german("de_DE.UTF-8");
        ASSERT_TRUE(german.installed());
        EXPECT_EQ(InstalledLanguage(), QStringLiteral("de"));
        EXPECT_EQ(QCoreApplication::translate("PopupMenu", "Find..."), QStringLiteral("Suchen..."));
        EXPECT_EQ(Translate("Bodies", "Moon"), "Mond");
        EXPECT_EQ(Translate("Chart", "Date & Time of Map:"), "Datum und Uhrzeit der Karte:");
        EXPECT_EQ(Translate("Legend", "constellation figure"), "Sternbildfigur");
        EXPECT_EQ(Translate("Readout", "below the horizon"), "unter dem Horizont");
        EXPECT_EQ(Translate("Nowhere", "not a text of ours"), "not a text of ours");
        EXPECT_EQ(DecimalPoint(), ',');
        EXPECT_EQ(TextLocale().toString(QDate(2024, 3, 31), QStringLiteral("d. MMMM yyyy")),
                  QStringLiteral("31. M\u00e4rz 2024"));
        EXPECT_EQ(QLocale().language(), QLocale::German);
        // Qt's own, from qtbase_de.qm (qt6-translations-l10n).
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QStringLiteral("Abbrechen"));
    }
    EXPECT_TRUE(InstalledLanguage().isEmpty());
    EXPECT_EQ(QCoreApplication::translate("PopupMenu", "Find..."), QStringLiteral("Find..."));
    EXPECT_EQ(Translate("Bodies", "Moon"), "Moon");
    EXPECT_EQ(DecimalPoint(), '.');
    EXPECT_EQ(TextLocale(), QLocale::c());
}

// A translation that cannot be read leaves English in place.
TEST(InstallLanguage, AnUnreadableFileLeavesEnglish) {
    QTemporaryDir temporary;
    const QString folder = FolderWith(temporary, {"de"});  // empty: not a translation
    EXPECT_FALSE(
        InstallLanguage(LanguageChoice{QStringLiteral("de"), QLocale(QLocale::German)}, folder));
    EXPECT_TRUE(InstalledLanguage().isEmpty());
    EXPECT_EQ(Translate("Bodies", "Moon"), "Moon");
    EXPECT_EQ(DecimalPoint(), '.');
}

TEST(CoreText, Latin1BothWays) {
    EXPECT_EQ(ToCoreText(QStringLiteral("J\u00fapiter \u00b0")), "J\xfapiter \xb0");
    EXPECT_EQ(ToCoreText(QStringLiteral("\u201eoben\u201c \u20ac")), "?oben? ?");
    EXPECT_EQ(FromCoreText("M\xe4r"), QStringLiteral("M\u00e4r"));
}

// The settings file holds "51.500000" under a German C library locale, whose printf writes
// "1,500000", and reads it back. The locale is the system's when it is generated, else one made
// with localedef (Debian's locales) for this test.
TEST(SettingsFile, DecimalPointUnderAGermanLocale) {
    QTemporaryDir folder;
    const std::string locales = folder.filePath(QStringLiteral("locales")).toStdString();
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        QDir().mkpath(QString::fromStdString(locales));
        QProcess::execute(
            QStringLiteral("localedef"),
            {"-i", "de_DE", "-f", "UTF-8", QString::fromStdString(locales + "/de_DE.UTF-8")});
        setenv("LOCPATH", locales.c_str(), 1);
    }
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        unsetenv("LOCPATH");
        std::setlocale(LC_ALL, previous.c_str());
        GTEST_SKIP() << "no German locale and no localedef (Debian's locales package)";
    }
    char probe[32];
    std::snprintf(probe, sizeof probe, "%f", 1.5);
    const std::string path = folder.filePath(QStringLiteral("Settings.dat")).toStdString();
    const bool written = WriteSettingsFile(51.5, path);
    const SettingsReadResult read = ReadSettingsFile(path);
    std::setlocale(LC_ALL, previous.c_str());
    unsetenv("LOCPATH");
    EXPECT_STREQ(probe, "1,500000");  // the locale is German indeed
    ASSERT_TRUE(written);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("51.500000\n"));
    ASSERT_TRUE(read.latitude);
    EXPECT_EQ(*read.latitude, 51.5);
}
