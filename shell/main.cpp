// Velquorran: a star chart for beginning star-gazers.
//
// main() computes the projection's pi, creates the background brush, starts the application
// in the user's language (render/language.h) with its message boxes, creates the main window (which
// loads the catalogues and reads the settings, or asks for them on a first start), shows it and
// runs the event loop.
//
// With VELQUORRAN_TIMING set in the environment, the program reports on stderr how long it took
// from the start of main() to the first chart on the window, and then ends; this is how
// tools/measure_startup.sh measures the start-up.
#include <QApplication>
#include <QElapsedTimer>
#include <clocale>
#include <cstdio>
#include <exception>
#include <memory>

#include "base/messages.h"
#include "chart/view_settings.h"
#include "render/language.h"
#include "shell/main_window.h"
#include "shell/message_boxes.h"
#include "shell/shell_objects.h"

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    InitProjectionPi();
    CreateBackgroundBrush();

    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ProductName));
    // Qt adopts the user's locale; the chart writes its numbers with its language's decimal
    // point (base/translate.h), never the C library's, whatever locales the machine has.
    std::setlocale(LC_NUMERIC, "C");
    InstallLanguage(
        ChooseLanguage(RequestedLanguages(LanguageEnvironment::OfProcess()), TranslationsFolder()));
    Messages().Replace(ShowMessageBox);

    std::unique_ptr<MainWindow> window;
    try {
        window = std::make_unique<MainWindow>();
    } catch (const std::exception&) {
        window.reset();
    }
    if (!window) {
        ShowMessage(
            {ProductName, MainWindow::tr(CannotStartMessage).toStdString(), MessageIcon::Error});
        ReleaseDrawingObjects();
        return 0;
    }
    if (qEnvironmentVariableIsSet("VELQUORRAN_TIMING")) {
        QObject::connect(window.get(), &MainWindow::chartPainted, &application, [&] {
            std::fprintf(stderr, "first chart painted %.1f ms after start\n",
                         sinceStart.nsecsElapsed() / 1e6);
            QApplication::exit(0);
        });
    }
    window->show();
    return application.exec();
}
