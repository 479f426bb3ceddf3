// velquorran-chart: the chart pass without a window. Draws the chart for a latitude and an
// instant into a PNG, SVG or PDF file, and lists what stands above the horizon, for scripts,
// tests and machines without a display.
//
// Exit status: 0 done; 1 the chart, the sheet or the standard output could not be written; 2 bad
// options (nothing is written) or a name --find does not know.
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "base/messages.h"
#include "base/translate.h"
#include "catalog/loaders.h"
#include "chart/view_settings.h"
#include "cli/chart_run.h"
#include "cli/find_run.h"
#include "cli/options.h"
#include "cli/tonight_run.h"
#include "render/chart_export.h"
#include "render/language.h"
#include "render/planisphere_pages.h"
#include "render/settings_file.h"

namespace {

constexpr const char* ProgramName = "velquorran-chart";

int BadOptions(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n%s\n", ProgramName, message.c_str(),
                 QCoreApplication::translate("Options", "Try '%1 --help' for the options.")
                     .arg(QLatin1String(ProgramName))
                     .toStdString()
                     .c_str());
    return 2;
}

// The value of the last --language among the arguments, read before the options are, so that
// their messages are in that language too.
std::optional<std::string> LanguageArgument(const std::vector<std::string>& arguments) {
    std::optional<std::string> language;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--language" && i + 1 < arguments.size())
            language = arguments[++i];
        else if (arguments[i].rfind("--language=", 0) == 0)
            language = arguments[i].substr(11);
    }
    return language;
}

// The language of the environment, then the one --language names, if any. False when that one
// has no translation (the environment's stays).
bool InstallLanguages(const std::vector<std::string>& arguments, std::string& error) {
    const QString folder = TranslationsFolder();
    InstallLanguage(ChooseLanguage(RequestedLanguages(LanguageEnvironment::OfProcess()), folder),
                    folder);
    const std::optional<std::string> language = LanguageArgument(arguments);
    if (!language || language->empty()) return true;
    const std::optional<LanguageChoice> choice = LanguageForCode(*language, folder);
    if (!choice) {
        error = QCoreApplication::translate("Options", "--language must be one of %1, not \"%2\"")
                    .arg(AvailableLanguages(folder).join(QStringLiteral(", ")),
                         QString::fromStdString(*language))
                    .toStdString();
        return false;
    }
    return InstallLanguage(*choice, folder);
}

// The core's message boxes, written as one line each on stderr.
void PrintMessage(const MessageRequest& request) {
    if (request.caption.empty()) {
        std::fprintf(stderr, "%s: %s\n", ProgramName, request.text.c_str());
    } else {
        std::fprintf(stderr, "%s: %s: %s\n", ProgramName, request.caption.c_str(),
                     request.text.c_str());
    }
}

// Qt's own warnings go to stderr as usual, except the notice that XDG_RUNTIME_DIR is unset, which
// every run on a bare machine would print and which says nothing about the chart.
void FilterQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg) return;
    if (message.startsWith(QLatin1String("QStandardPaths:"))) return;
    std::fprintf(stderr, "%s: %s\n", ProgramName, qPrintable(message));
}

// A closed standard output would be the descriptor the next file opened gets, and the list
// would be written into that file. It is held by /dev/null opened for reading, so that writing
// to it fails as writing to a closed descriptor does.
void HoldClosedStandardOutput() {
    if (fcntl(STDOUT_FILENO, F_GETFD) != -1 || errno != EBADF) return;
    const int fd = open("/dev/null", O_RDONLY);
    if (fd < 0 || fd == STDOUT_FILENO) return;
    dup2(fd, STDOUT_FILENO);
    if (fd > STDERR_FILENO) close(fd);  // else it holds a closed standard input the same way
}

// The status to exit with once everything is written: `status`, or 1 with a message when the
// standard output did not take all of it (a full disk, a closed descriptor), which would
// otherwise be lost in silence.
int Finish(int status) {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && !std::ferror(stdout)) return status;
    const QString message =
        error != 0 ? QCoreApplication::translate("Options", "cannot write to standard output: %1")
                         .arg(QString::fromLocal8Bit(std::strerror(error)))
                   : QCoreApplication::translate("Options", "cannot write to standard output");
    std::fprintf(stderr, "%s: %s\n", ProgramName, message.toLocal8Bit().constData());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    HoldClosedStandardOutput();
    qInstallMessageHandler(FilterQtMessages);
    // Fonts and painting need a Qt application, but no display: always the offscreen platform,
    // whatever QT_QPA_PLATFORM names (a platform that cannot start would abort the run). Qt sees
    // none of the options, which are read below, in the user's language.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    // Qt adopts the user's locale; numbers in the list stay "51.50" for scripts.
    std::setlocale(LC_NUMERIC, "C");
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    if (!InstallLanguages(arguments, error)) return BadOptions(error);
    const ParseResult parsed = ParseOptions(arguments);
    if (!parsed.ok) return BadOptions(parsed.error);
    const ChartOptions& options = parsed.options;
    if (options.help) {
        std::fputs(UsageText().c_str(), stdout);
        return Finish(0);
    }
    Messages().Replace(PrintMessage);

    InitProjectionPi();
    LoadAllCatalogues();
    if (!ApplyOptions(options, SettingsFileName, error)) return BadOptions(error);

    ChartView view = ViewFromSettings();
    view.labels = options.labels;
    view.sky = options.sky;
    SystemTime time;
    if (!ApplyPlaceOptions(options, QDateTime::currentDateTime(), view, time, error))
        return BadOptions(error);
    if (options.tonight) {
        const int status = RunTonight(stdout, options, view, time, error);
        if (status != 0) std::fprintf(stderr, "%s: %s\n", ProgramName, error.c_str());
        return Finish(status);
    }
    if (options.planisphere) {
        const PlanisphereKit kit =
            KitForView(view, ViewSettings.latitude, options.magnitude,
                       options.letterPaper ? PaperSize::Letter : PaperSize::A4, time.year);
        if (!WritePlanisphere(options.output, kit, error)) {
            std::fprintf(stderr, "%s: %s\n", ProgramName, error.c_str());
            return 1;
        }
        return Finish(0);
    }
    const FixedChartWindow window(options.width, options.height, time);
    const ChartMode mode = options.print ? ChartPrinter : ChartScreen;
    // The list is for scripts: English labels whatever the language, from a pass of its own when
    // the file's pass was drawn in another language.
    const bool listFromFile = options.list && InstalledLanguage().isEmpty();
    ChartPassResult pass;
    if (!options.output.empty()) {
        ExportJob job{options.width, options.height, mode, window, RendererFont()};
        if (listFromFile) job.result = &pass;
        if (options.night) job.pens = NightChartPens();
        job.view = view;
        if (!ExportChart(options.output, job, error)) {
            std::fprintf(stderr, "%s: %s\n", ProgramName, error.c_str());
            return 1;
        }
    }
    if (options.list) {
        const EnglishTexts english;
        if (options.output.empty() || !listFromFile) pass = RunPassForList(options, window, view);
        PrintPlacedObjects(stdout, pass);
    }
    if (!options.find.empty() && !PrintFound(stdout, options.find, time, view, error)) {
        std::fprintf(stderr, "%s: %s\n", ProgramName, error.c_str());
        return Finish(2);
    }
    return Finish(0);
}
