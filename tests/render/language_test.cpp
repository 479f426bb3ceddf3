// The user's language: which translation the environment chooses, installing it for Qt's tr()
// and the core's texts with its decimal point and dates, English back; and the settings file,
// which keeps its decimal point under a German C locale.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>

#include "base/translate.h"
#include "render/settings_file.h"
#include "tests/language_fixture.h"

// GNU gettext's order: LC_ALL, LC_MESSAGES, LANG name the messages locale; LANGUAGE's list comes
// first unless that locale is C or POSIX. The first one asked for with a translation wins, the
// region's own before its language's; English asked for first, C, or none translated is English.
TEST(ChooseLanguage, TheEnvironmentsOrderAndTheFilesThere) {
    QTemporaryDir folder;
    for (const char* language : {"de", "pt_BR"})
        QFile(folder.filePath(QStringLiteral("velquorran_%1.qm").arg(language)))
            .open(QIODevice::WriteOnly);
    const struct {
        LanguageEnvironment environment;
        const char* translation;
        const char* locale;
    } rows[] = {
        {{"", "", "", "de_AT.UTF-8"}, "de", "de_AT"},
        {{"", "pt_BR", "es_ES", "de_DE"}, "pt_BR", "pt_BR"},
        {{"", "", "de_DE@euro", "fr_FR"}, "de", "de_DE"},
        {{"it:pt_PT::de_CH", "", "", "fr_FR.UTF-8"}, "de", "de_CH"},
        {{"en_GB:de", "", "", "fr_FR"}, "", "C"},
        {{"de", "", "", "C.UTF-8"}, "", "C"},
        {{"de", "POSIX", "", "de_DE"}, "", "C"},
        {{"de", "", "", ""}, "", "C"},
        {{"", "", "", "nl_NL"}, "", "C"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.locale);
        const LanguageChoice choice =
            ChooseLanguage(RequestedLanguages(row.environment), folder.path());
        EXPECT_EQ(choice.translation.toStdString(), row.translation);
        EXPECT_EQ(choice.locale.name().toStdString(), row.locale);
    }
    EXPECT_EQ(AvailableLanguages(folder.path()).join(' '), QStringLiteral("de en pt_BR"));
    EXPECT_TRUE(LanguageForCode("en_US.UTF-8", folder.path())->translation.isEmpty());
    EXPECT_FALSE(LanguageForCode("xx", folder.path()));
    // A file that is no translation leaves English in place.
    EXPECT_FALSE(InstallLanguage(*LanguageForCode("de", folder.path()), folder.path()));
    EXPECT_EQ(Translate("Bodies", "Moon"), "Moon");
}

// German installed: the program's texts and Qt's own buttons for tr(), the core's texts in
// Latin-1, the decimal comma and German dates; then English again, exactly.
TEST(InstallLanguage, GermanEverywhereThenEnglish) {
    {
        const ScopedLanguage german("de_DE.UTF-8");
        EXPECT_EQ(QCoreApplication::translate("PopupMenu", "Find..."), QStringLiteral("Suchen..."));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
        EXPECT_EQ(Translate("Legend", "constellation figure"), "Sternbildfigur");
        EXPECT_EQ(Translate("Months", "Mar"), "M\xe4r");
        EXPECT_EQ(Translate("Nowhere", "not a text of ours"), "not a text of ours");
        EXPECT_EQ(DecimalPoint(), ',');
        EXPECT_EQ(TextLocale().toString(QDate(2024, 3, 31), QStringLiteral("d. MMMM yyyy")),
                  QStringLiteral("31. M\u00e4rz 2024"));
    }
    EXPECT_EQ(QCoreApplication::translate("PopupMenu", "Find..."), QStringLiteral("Find..."));
    EXPECT_EQ(Translate("Months", "Mar") + DecimalPoint(), "Mar.");
    EXPECT_EQ(TextLocale(), QLocale::c());
    EXPECT_EQ(ToCoreText(QStringLiteral("J\u00fapiter \u201e\u20ac")), "J\xfapiter ??");
}

// The settings file holds "51.500000" under a German C library locale, whose printf writes
// "1,500000", and reads it back. The locale is the system's when it is generated, else one made
// with localedef (Debian's locales) for this test.
TEST(SettingsFile, DecimalPointUnderAGermanLocale) {
    QTemporaryDir folder;
    const QString locales = folder.filePath(QStringLiteral("locales"));
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        QDir().mkpath(locales);
        QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8", locales + "/de_DE.UTF-8"});
        setenv("LOCPATH", locales.toLocal8Bit().constData(), 1);
    }
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    char probe[32];
    std::snprintf(probe, sizeof probe, "%f", 1.5);
    const std::string path = folder.filePath(QStringLiteral("Settings.dat")).toStdString();
    const bool written = WriteSettingsFile(51.5, path);
    const SettingsReadResult read = ReadSettingsFile(path);
    std::setlocale(LC_ALL, previous.c_str());
    unsetenv("LOCPATH");
    if (!german) GTEST_SKIP() << "no German locale and no localedef (Debian's locales package)";
    EXPECT_STREQ(probe, "1,500000");  // the locale is German indeed
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(written && file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("51.500000\n"));
    EXPECT_EQ(read.latitude.value_or(0), 51.5);
}
