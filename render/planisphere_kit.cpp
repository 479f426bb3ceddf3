// What a planisphere kit is for (its place, its clock, the daylight-saving note) and writing its
// two pages to PDF, SVG or PNG.
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>
#include <functional>

#include "chart/time_basis.h"
#include "render/file_output.h"
#include "render/language.h"
#include "render/planisphere_pages.h"
#include "render/png_writer.h"

namespace {

constexpr int PdfDotsPerInch = 1200;
constexpr double PngPixelsPerMm = 6.0;  // about 150 dots per inch

std::optional<QTimeZone> KitZone(const PlanisphereKit& kit) {
    if (!kit.place || kit.place->zone.empty()) return std::nullopt;
    return ZoneFromName(kit.place->zone);
}

QDateTime MiddleOfYear(int year) {
    return QDateTime(QDate(year, 7, 1), QTime(12, 0), Qt::UTC);
}

int StandardOffset(const PlanisphereKit& kit) {
    const std::optional<QTimeZone> zone = KitZone(kit);
    return zone ? zone->standardTimeOffset(MiddleOfYear(kit.year)) : 0;
}

QString DateText(const QDate& date) {
    //: A Qt date format (QDate::toString) for the dates of the clocks' changes: "31 Mar 2024".
    return TextLocale().toString(date, QCoreApplication::translate("Planisphere", "d MMM yyyy"));
}

bool WriteFile(const std::string& path, const QByteArray& bytes, std::string& error) {
    std::string reason;
    if (ReplaceFileContents(path, bytes, reason)) return true;
    error = CannotWriteMessage(path, reason);
    return false;
}

}  // namespace

PlanisphereKit KitForView(const ChartView& view, double latitude, double dimmestMagnitude,
                          PaperSize paper, int year) {
    PlanisphereKit kit;
    kit.latitude = latitude;
    kit.dimmestMagnitude = dimmestMagnitude;
    kit.paper = paper;
    kit.year = year;
    kit.sky = view.sky;
    if (view.placeCaption)
        kit.place = Place{-view.longitude, view.zoneName,
                          QString::fromLatin1(view.placeName).toStdString()};
    return kit;
}

std::optional<PaperSize> ParsePaperSize(const std::string& text) {
    const QString name = QString::fromStdString(text).toLower();
    if (name == QLatin1String("a4")) return PaperSize::A4;
    if (name == QLatin1String("letter")) return PaperSize::Letter;
    return std::nullopt;
}

QSizeF PaperMillimetres(PaperSize paper) {
    return paper == PaperSize::Letter ? QSizeF(215.9, 279.4) : QSizeF(210.0, 297.0);
}

PlanisphereGeometry KitGeometry(const PlanisphereKit& kit) {
    const double longitudeWest = kit.place ? -kit.place->longitudeEast : 0.0;
    return MakePlanisphereGeometry(kit.latitude, PlanisphereRimRadius, StandardOffset(kit),
                                   longitudeWest);
}

std::vector<std::string> KitPlaceLines(const PlanisphereKit& kit) {
    std::vector<std::string> lines;
    const QString latitude = FromCoreText(LatitudeText(kit.latitude));
    if (!kit.place) {
        lines.push_back(QCoreApplication::translate(
                            "Planisphere",
                            "For latitude %1. Clock times: local mean time (no place set: the "
                            "time on the observer's own meridian).")
                            .arg(latitude)
                            .toStdString());
        return lines;
    }
    const QString longitude = FromCoreText(LongitudeText(kit.place->longitudeEast));
    if (!kit.place->name.empty())
        lines.push_back(QCoreApplication::translate("Planisphere", "For %1, %2  %3.")
                            .arg(QString::fromStdString(kit.place->name), latitude, longitude)
                            .toStdString());
    else
        lines.push_back(QCoreApplication::translate("Planisphere", "For %1  %2.")
                            .arg(latitude, longitude)
                            .toStdString());
    const std::optional<QTimeZone> zone = KitZone(kit);
    if (!zone) {
        lines.push_back(
            QCoreApplication::translate("Planisphere", "Clock times: UT.").toStdString());
    } else {
        const QString name = QString::fromStdString(ZoneDisplayName(*zone));
        const QString offset = QString::fromStdString(UtcOffsetText(StandardOffset(kit)));
        lines.push_back(
            (name.startsWith(QLatin1String("UTC"))
                 ? QCoreApplication::translate(
                       "Planisphere", "Clock times: %1; the longitude is built into the rings.")
                       .arg(name)
                 : QCoreApplication::translate(
                       "Planisphere",
                       "Clock times: standard time of %1 (%2); the longitude is built into "
                       "the rings.")
                       .arg(name, offset))
                .toStdString());
    }
    return lines;
}

std::vector<std::string> KitDaylightSavingLines(const PlanisphereKit& kit) {
    const std::optional<QTimeZone> zone = KitZone(kit);
    if (!zone || !zone->hasDaylightTime()) return {};
    const QDateTime start(QDate(kit.year, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime end(QDate(kit.year + 1, 1, 1), QTime(0, 0), Qt::UTC);
    QStringList changes;
    int saving = 0;
    for (const QTimeZone::OffsetData& change : zone->transitions(start, end)) {
        //: One change of the clocks: the new offset from UTC and the date.
        changes << QCoreApplication::translate("Planisphere", "to %1 on %2")
                       .arg(QString::fromStdString(UtcOffsetText(change.offsetFromUtc)),
                            DateText(change.atUtc.toTimeZone(*zone).date()));
        saving = std::max(saving, change.daylightTimeOffset);
    }
    if (changes.empty() || saving <= 0) return {};
    const int minutes = saving / 60;
    const QString by = minutes % 60 == 0
                           ? QCoreApplication::translate("Planisphere", "%1 h").arg(minutes / 60)
                           : QCoreApplication::translate("Planisphere", "%1 min").arg(minutes);
    return {QCoreApplication::translate(
                "Planisphere", "Daylight saving time is not built in: the clocks change %1.")
                .arg(changes.join(QStringLiteral(", ")))
                .toStdString(),
            QCoreApplication::translate(
                "Planisphere",
                "While they show daylight saving time, take %1 from the clock's time before "
                "setting the wheel.")
                .arg(by)
                .toStdString()};
}

std::vector<std::string> PlanisphereFileNames(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("pdf")) return {path};
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png")) return {};
    const std::string stem = path.substr(0, path.size() - info.suffix().size() - 1);
    const std::string extension = info.suffix().toStdString();
    return {stem + "-1." + extension, stem + "-2." + extension};
}

bool WritePaperPdf(const std::string& path, PaperSize paper, const QString& title, int pages,
                   double unitsPerMm, const std::function<void(QPainter&, int)>& paint,
                   std::string& error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(PdfDotsPerInch);
    pdf.setCreator(QStringLiteral("Velquorran"));
    pdf.setTitle(title);
    pdf.setPageSize(QPageSize(PaperMillimetres(paper), QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        error = QCoreApplication::translate("FileOutput", "The PDF document could not be started.")
                    .toStdString();
        return false;
    }
    const double scale = pdf.width() / (PaperMillimetres(paper).width() * unitsPerMm);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1) pdf.newPage();
        painter.resetTransform();
        painter.scale(scale, scale);
        paint(painter, page);
    }
    painter.end();
    return WriteFile(path, bytes, error);
}

bool WritePlanisphere(const std::string& path, const PlanisphereKit& kit, std::string& error) {
    const std::vector<std::string> files = PlanisphereFileNames(path);
    if (files.empty()) {
        error = QCoreApplication::translate(
                    "Planisphere", "A planisphere is written as .pdf, .svg or .png, not \"%1\".")
                    .arg(QString::fromStdString(path))
                    .toStdString();
        return false;
    }
    const QSizeF paper = PaperMillimetres(kit.paper);
    const QSizeF units = paper * PlanisphereUnitsPerMm;
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == QLatin1String("pdf")) {
        return WritePaperPdf(
            files[0], kit.paper,
            QCoreApplication::translate("Planisphere", "Velquorran planisphere"), 2,
            PlanisphereUnitsPerMm,
            [&](QPainter& painter, int page) { PaintPlanispherePage(painter, kit, page); }, error);
    }
    for (int page = 1; page <= 2; ++page) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (suffix == QLatin1String("svg")) {
            // One unit a tenth of a millimetre: 254 units to the inch, so the file says its size
            // in millimetres and prints at 100%.
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            svg.setResolution(static_cast<int>(std::lround(25.4 * PlanisphereUnitsPerMm)));
            svg.setSize(units.toSize());
            svg.setViewBox(QRectF(QPointF(0, 0), units));
            svg.setTitle(
                QCoreApplication::translate("Planisphere", "Velquorran planisphere, page %1 of 2")
                    .arg(page));
            QPainter painter;
            if (!painter.begin(&svg)) {
                error = QCoreApplication::translate("FileOutput",
                                                    "The SVG drawing could not be started.")
                            .toStdString();
                return false;
            }
            painter.fillRect(QRectF(QPointF(0, 0), units), Qt::white);
            PaintPlanispherePage(painter, kit, page);
            painter.end();
        } else {
            QImage image = NewChartImage(static_cast<int>(paper.width() * PngPixelsPerMm),
                                         static_cast<int>(paper.height() * PngPixelsPerMm));
            if (image.isNull()) {
                error = QCoreApplication::translate(
                            "FileOutput", "Not enough memory for the planisphere's picture.")
                            .toStdString();
                return false;
            }
            image.setDotsPerMeterX(static_cast<int>(PngPixelsPerMm * 1000));
            image.setDotsPerMeterY(static_cast<int>(PngPixelsPerMm * 1000));
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.scale(PngPixelsPerMm / PlanisphereUnitsPerMm,
                          PngPixelsPerMm / PlanisphereUnitsPerMm);
            PaintPlanispherePage(painter, kit, page);
            painter.end();
            if (!WritePng(buffer, image)) {
                error = QCoreApplication::translate("FileOutput",
                                                    "The PNG picture could not be encoded.")
                            .toStdString();
                return false;
            }
        }
        if (!WriteFile(files[static_cast<std::size_t>(page - 1)], bytes, error)) return false;
    }
    return true;
}
