// Choosing and installing the user's language.
#include "render/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "base/translate.h"

namespace {

// A locale name without ".codeset" and "@modifier"; "C.UTF-8" and "POSIX" are "C".
std::string LocaleName(const std::string& value) {
    std::string name = value.substr(0, value.find_first_of(".@"));
    if (name == "POSIX") name = "C";
    return name;
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

QString TranslationFile(const QString& folder, const QString& language) {
    return QDir(folder).filePath(QStringLiteral("velquorran_%1.qm").arg(language));
}

// The program's translation and Qt's, installed for the life of the program.
struct Installed {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    LanguageChoice choice;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

std::string TranslateWithProgram(const char* context, const char* text) {
    const QString translated = Current().program->translate(context, text);
    return translated.isEmpty() ? std::string(text) : ToCoreText(translated);
}

void RemoveTranslators(Installed& installed) {
    for (std::unique_ptr<QTranslator>* translator : {&installed.program, &installed.qt}) {
        if (*translator) QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

}  // namespace

LanguageEnvironment LanguageEnvironment::OfProcess() {
    return {Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

std::vector<std::string> RequestedLanguages(const LanguageEnvironment& environment) {
    std::string messages = environment.all;
    if (messages.empty()) messages = environment.messages;
    if (messages.empty()) messages = environment.lang;
    const std::string locale = messages.empty() ? "C" : LocaleName(messages);
    std::vector<std::string> requested;
    if (locale != "C") {
        std::size_t start = 0;
        const std::string& list = environment.language;
        while (start <= list.size() && !list.empty()) {
            const std::size_t colon = std::min(list.find(':', start), list.size());
            const std::string entry = LocaleName(list.substr(start, colon - start));
            if (!entry.empty()) requested.push_back(entry);
            start = colon + 1;
        }
    }
    requested.push_back(locale);
    return requested;
}

QString TranslationsFolder() {
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/velquorran/translations"));
}

// For each locale asked for, its own translation ("pt_BR") and then its language's ("pt").
LanguageChoice ChooseLanguage(const std::vector<std::string>& requested, const QString& folder) {
    for (const std::string& entry : requested) {
        const QString name = QString::fromStdString(entry);
        const QString language = name.section(QLatin1Char('_'), 0, 0);
        if (name == QLatin1String("C") || language == QLatin1String("en")) break;
        for (const QString& candidate : {name, language}) {
            if (QFileInfo::exists(TranslationFile(folder, candidate)))
                return {candidate, QLocale(name)};
        }
    }
    return {};
}

std::optional<LanguageChoice> LanguageForCode(const std::string& code, const QString& folder) {
    const std::string name = LocaleName(code);
    const std::string language = name.substr(0, name.find('_'));
    if (name == "C" || language == "en") return LanguageChoice{};
    LanguageChoice choice = ChooseLanguage({name}, folder);
    if (choice.translation.isEmpty()) return std::nullopt;
    return choice;
}

QStringList AvailableLanguages(const QString& folder) {
    QStringList languages{QStringLiteral("en")};
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("velquorran_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.mid(11, file.size() - 11 - 3);  // between "velquorran_" and ".qm"
    languages.sort();
    return languages;
}

bool InstallLanguage(const LanguageChoice& choice, const QString& folder) {
    Installed& installed = Current();
    RemoveTranslators(installed);
    installed.choice = {};
    Translations().Replace(nullptr);
    SetDecimalPoint('.');
    QLocale::setDefault(QLocale::system());
    if (choice.translation.isEmpty()) return true;
    auto program = std::make_unique<QTranslator>();
    if (!program->load(TranslationFile(folder, choice.translation))) return false;
    installed.program = std::move(program);
    // Qt's own texts may be missing (qt6-translations-l10n): Qt's English buttons then.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + choice.translation,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installed.qt = std::move(qt);
        QCoreApplication::installTranslator(installed.qt.get());
    }
    QCoreApplication::installTranslator(installed.program.get());
    installed.choice = choice;
    Translations().Replace(TranslateWithProgram);
    const QString point = choice.locale.decimalPoint();
    SetDecimalPoint(point.size() == 1 && point[0].unicode() < 0x100 ? point[0].toLatin1() : '.');
    QLocale::setDefault(choice.locale);
    return true;
}

QString InstalledLanguage() {
    return Current().choice.translation;
}

QLocale TextLocale() {
    return InstalledLanguage().isEmpty() ? QLocale::c() : Current().choice.locale;
}

QString FromCoreText(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToCoreText(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) out += c.unicode() < 0x100 ? static_cast<char>(c.unicode()) : '?';
    return out;
}
