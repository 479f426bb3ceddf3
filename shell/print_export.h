// The two ways the chart leaves the screen: "To File..." writes it to a file the user names (an
// Enhanced Metafile by default; SVG, PDF and PNG too), "To Printer..." prints it on one page of
// a printer the user picks. Both run the same chart pass as the screen, on their own surface and
// in their own mode, and then want the window repainted, so that the hot spots hold screen
// coordinates again.
//
// The two dialogs are seams, so that tests can answer them without a user; by default they are
// the real QFileDialog and QPrintDialog.
#pragma once

#include <QString>
#include <QStringList>

#include "base/seam.h"
#include "chart/chart_pass.h"
#include "chart/layout.h"

class QWidget;
class QPrinter;

// "To File...": asks for a file, starting from ViewSettings.metafileName, remembers the choice
// there, and writes the chart in metafile mode at the window's client size. True when the window
// should be repainted (a file was chosen, whether or not it could be written; a failure is shown
// as a message naming the file); false when the dialog was cancelled and nothing happened.
bool RunExportCommand(QWidget* window, const ChartWindow& chartWindow,
                      const ChartView& view = ViewFromSettings());

// "To Printer...": asks for a printer, starting from the default printer every time, and prints
// the chart in printer mode on one page. True when the window should be repainted; false when
// the dialog was cancelled. A printer that cannot be started shows "Could not print".
bool RunPrintCommand(QWidget* window, const ChartWindow& chartWindow,
                     const ChartView& view = ViewFromSettings());

// The save dialog's answer: the path chosen (empty when cancelled) and the name filter that was
// selected when the user accepted.
struct SaveChoice {
    QString path;
    QString filter;
};

// Asks for a path to save to: owner window, the path to start from, the name filters (the first
// one selected at the start). The default shows a QFileDialog in save mode with default suffix
// "emf" (the selected filter's own extension when another filter is chosen) and asks before an
// existing file is overwritten.
using SavePathSeam =
    Seam<SaveChoice(QWidget* owner, const QString& startPath, const QStringList& filters)>;
SavePathSeam& SavePaths();

// Lets the user set up `printer` (a fresh QPrinter on the default printer); true to print. The
// default shows a QPrintDialog without the "Selection" choice.
using PrinterSeam = Seam<bool(QWidget* owner, QPrinter& printer)>;
PrinterSeam& Printers();

// The save dialog's filters, the metafile's first.
QStringList ExportNameFilters();

// `path` with the extension of `filter` ("*.emf" when the filter names none) added when the
// file name has no extension of its own.
QString WithDefaultSuffix(const QString& path, const QString& filter);
