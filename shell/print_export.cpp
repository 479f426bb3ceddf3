// "To File..." and "To Printer...": the chart pass on a metafile (or SVG, PDF, PNG) and on a
// printer page, behind the save and print dialogs.
#include "shell/print_export.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <algorithm>
#include <cstring>

#include "base/messages.h"
#include "chart/view_settings.h"
#include "render/chart_export.h"
#include "render/emf_export.h"
#include "render/page_setup.h"
#include "shell/shell_objects.h"

namespace {

// The first filter is the metafile's, as the program has always offered it; the others are the
// formats the renderer writes besides.
QStringList NameFilters() {
    return {
        QCoreApplication::translate("SaveDialog", "Enhanced Metafiles (*.emf)"),
        QCoreApplication::translate("SaveDialog", "SVG Drawings (*.svg)"),
        QCoreApplication::translate("SaveDialog", "PDF Documents (*.pdf)"),
        QCoreApplication::translate("SaveDialog", "PNG Images (*.png)"),
    };
}

// The extension a filter's first pattern names ("*.emf" gives "emf"), or "" for none.
QString FilterSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

// The real save dialog: Qt's counterpart of the common save-file dialog with the metafile
// filter first, default suffix "emf" (following the filter the user picks), and confirmation
// before overwriting.
SaveChoice AskWithFileDialog(QWidget* owner, const QString& startPath, const QStringList& filters) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(0));
    dialog.setDefaultSuffix(QStringLiteral("emf"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                         const QString suffix = FilterSuffix(filter);
                         dialog.setDefaultSuffix(suffix.isEmpty() ? QStringLiteral("emf") : suffix);
                     });
    const QFileInfo start(startPath);
    if (!start.path().isEmpty() && start.dir().exists()) dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return SaveChoice{dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

// The real print dialog on a printer that starts at the default printer's defaults; choosing a
// selection makes no sense for a chart, so it is not offered.
bool AskWithPrintDialog(QWidget* owner, QPrinter& printer) {
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

// The path the save dialog starts from: the last one chosen, "StarMap.emf" before the first.
QString StartPath() {
    const std::size_t length = strnlen(ViewSettings.metafileName, MetafileNameSize);
    if (length == 0 || length == MetafileNameSize) return QString::fromLatin1(FirstMetafileName);
    return QString::fromUtf8(ViewSettings.metafileName, static_cast<qsizetype>(length));
}

// Keeps `path` in the 260-byte ViewSettings.metafileName for the next export. A path that does
// not fit is never cut (a cut path names another file): its file name alone is kept instead, so
// the next dialog still offers the name, or, failing that, the previous value stays.
void RememberPath(const QString& path) {
    QByteArray bytes = path.toUtf8();
    if (bytes.size() >= MetafileNameSize) bytes = QFileInfo(path).fileName().toUtf8();
    if (bytes.isEmpty() || bytes.size() >= MetafileNameSize) return;
    std::memcpy(ViewSettings.metafileName, bytes.constData(),
                static_cast<std::size_t>(bytes.size()));
    ViewSettings.metafileName[bytes.size()] = '\0';
}

// The screen font: the one the window draws the chart with.
QFont ScreenFont(QWidget* window) {
    return window != nullptr ? window->font() : QApplication::font();
}

// The window's own drawing objects, created at start-up.
ChartPens WindowPens() {
    if (!ShellObjects.drawingObjectsCreated) CreateDrawingObjects();
    return ChartPens{ShellObjects.figurePen, ShellObjects.deepSkyPen, ShellObjects.skyDayBrush,
                     ShellObjects.skyNightBrush};
}

void ShowError(const QString& text) {
    ShowMessage(MessageRequest{ProductName, text.toStdString(), MessageIcon::Error});
}

}  // namespace

SavePathSeam& SavePaths() {
    static SavePathSeam seam(AskWithFileDialog);
    return seam;
}

PrinterSeam& Printers() {
    static PrinterSeam seam(AskWithPrintDialog);
    return seam;
}

QStringList ExportNameFilters() {
    return NameFilters();
}

QString WithDefaultSuffix(const QString& path, const QString& filter) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    const QString suffix = FilterSuffix(filter);
    return path + QLatin1Char('.') + (suffix.isEmpty() ? QStringLiteral("emf") : suffix);
}

// Save dialog, remembered path, then the metafile-mode pass at the window's client size into a
// file of the format the name's extension gives (SVG, PDF or PNG), anything else a metafile, as
// the save dialog of the platform writes whatever name the user types. The file is replaced only
// once complete; a failure is shown with the file's name.
bool RunExportCommand(QWidget* window, const ChartWindow& chartWindow, const ChartView& view) {
    const SaveChoice choice = SavePaths()(window, StartPath(), NameFilters());
    if (choice.path.isEmpty()) return false;
    const QString path = WithDefaultSuffix(choice.path, choice.filter);
    RememberPath(path);

    const std::string file = path.toStdString();
    const ExportWriter found = FindExportWriter(file);
    ExportJob job{std::max(1, chartWindow.ClientWidth()), std::max(1, chartWindow.ClientHeight()),
                  ChartMetafile, chartWindow, ScreenFont(window)};
    job.pens = WindowPens();
    job.view = view;
    std::string error;
    if (!WriteChartFile(file, found != nullptr ? found : WriteEmfChart, job, error))
        ShowError(QString::fromStdString(error));
    return true;
}

// A fresh printer every time (the default printer and its defaults), the dialog, then one page.
// Copies chosen in the dialog are not applied: exactly one page is printed.
bool RunPrintCommand(QWidget* window, const ChartWindow& chartWindow, const ChartView& view) {
    QPrinter printer(QPrinter::HighResolution);
    if (!Printers()(window, printer)) return false;
    printer.setCopyCount(1);
    printer.setPrintRange(QPrinter::AllPages);

    QPainter painter;
    if (!painter.begin(&printer)) {
        const std::string text =
            QCoreApplication::translate("PrintCommand", "Could not print").toStdString();
        ShowMessage(MessageRequest{text, text, MessageIcon::Error});
        return true;
    }
    DrawPrinterPage(painter, chartWindow, PrinterFont(ScreenFont(window)), WindowPens(), view);
    painter.end();
    return true;
}
