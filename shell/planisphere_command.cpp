// "Make Planisphere...": the save dialog, then the two pages of the kit.
#include "shell/planisphere_command.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "base/messages.h"
#include "chart/view_settings.h"
#include "render/planisphere_pages.h"
#include "shell/print_export.h"

QStringList PlanisphereNameFilters() {
    return {QCoreApplication::translate("SaveDialog", "PDF Documents (*.pdf)"),
            QCoreApplication::translate("SaveDialog", "SVG Drawings (*.svg)")};
}

bool RunPlanisphereCommand(QWidget* window, const ChartWindow& chartWindow, const ChartView& view) {
    const QFileInfo last(QString::fromUtf8(ViewSettings.metafileName));
    const QString start = last.path().isEmpty() || last.fileName().isEmpty()
                              ? QStringLiteral("Planisphere.pdf")
                              : last.dir().filePath(QStringLiteral("Planisphere.pdf"));
    const QStringList filters = PlanisphereNameFilters();
    const SaveChoice choice = SavePaths()(window, start, filters);
    if (choice.path.isEmpty()) return false;
    QString path = WithDefaultSuffix(choice.path, choice.filter);
    if (PlanisphereFileNames(path.toStdString()).empty()) path += QStringLiteral(".pdf");

    const PaperSize paper = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                                ? PaperSize::Letter
                                : PaperSize::A4;
    const PlanisphereKit kit =
        KitForView(view, ViewSettings.latitude, ViewSettings.dimmestMagnitude, paper,
                   chartWindow.PickerTime().year);
    std::string error;
    if (!WritePlanisphere(path.toStdString(), kit, error))
        ShowMessage(MessageRequest{ProductName, error, MessageIcon::Error});
    return true;
}
