// The two ways the chart leaves the screen: "To File..." writes it to a file the user names (an
// Enhanced Metafile by default; SVG, PDF and PNG too), "To Printer..." prints it on one page of
// a printer the user picks. Both run the same chart pass as the screen, on their own surface and
// in their own mode, and then want the window repainted, so that the hot spots hold screen
// coordinates again.
//
// The two dialogs are reached through replaceable functions, so that tests can answer them
// without a user; by default they are the real QFileDialog and QPrintDialog.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>

#include "chart/layout.h"

class QWidget;
class QPrinter;
class QPainter;

// "To File...": asks for a file, starting from ViewSettings.metafileName, remembers the choice
// there, and writes the chart in metafile mode at the window's client size. True when the window
// should be repainted (a file was chosen, whether or not it could be written; a failure is shown
// as a message naming the file); false when the dialog was cancelled and nothing happened.
bool RunExportCommand(QWidget* window, const ChartWindow& chartWindow);

// "To Printer...": asks for a printer, starting from the default printer every time, and prints
// the chart in printer mode on one page. True when the window should be repainted; false when
// the dialog was cancelled. A printer that cannot be started shows "Could not print".
bool RunPrintCommand(QWidget* window, const ChartWindow& chartWindow);

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
using SavePathAsker =
    std::function<SaveChoice(QWidget* owner, const QString& startPath, const QStringList& filters)>;
// Installs `asker` (an empty function restores the real dialog) and returns the previous one.
SavePathAsker SetSavePathAsker(SavePathAsker asker);

// Lets the user set up `printer` (a fresh QPrinter on the default printer); true to print. The
// default shows a QPrintDialog without the "Selection" choice.
using PrinterAsker = std::function<bool(QWidget* owner, QPrinter& printer)>;
PrinterAsker SetPrinterAsker(PrinterAsker asker);

// The save dialog's filters, the metafile's first.
QStringList ExportNameFilters();

// `path` with the extension of `filter` ("*.emf" when the filter names none) added when the
// file name has no extension of its own.
QString WithDefaultSuffix(const QString& path, const QString& filter);

// The screen font at the same physical size on paper: a size in pixels becomes a size in points
// at the screen's resolution, so that a printer of any resolution measures it in its own pixels.
QFont PrinterFont(const QFont& screenFont);

// The printer pass on an active painter: DrawChart in printer mode with the shell's pens and
// brushes, measuring `font` on the painter's device.
void DrawPrinterPage(QPainter& painter, const ChartWindow& chartWindow, const QFont& font);
