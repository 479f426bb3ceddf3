// The observing sheet, painted with a QPainter in tenths of a millimetre.
#include "render/observing_sheet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QSvgRenderer>

#include "chart/tonight_text.h"
#include "render/chart_export.h"
#include "render/file_output.h"
#include "render/language.h"

namespace {

constexpr double Margin = 120.0;
constexpr double ChartSide = 1100.0;  // the chart's square, 110 mm
constexpr int ChartPixels = 720;      // the chart's pass, drawn to the square
constexpr double RowHeight = 40.0;
constexpr double Box = 30.0;

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QFont SheetFont(double millimetres, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(millimetres * SheetUnitsPerMm));
    font.setBold(bold);
    return font;
}

// The chart of the middle of darkness in the printed look, drawn as vectors: the pass writes an
// SVG picture, which is painted into the square.
void PaintChart(QPainter& painter, const ObservingSheet& sheet, const QRectF& square) {
    const FixedChartWindow window(ChartPixels, ChartPixels, sheet.tonight.middleOfDarkness);
    ExportJob job{ChartPixels,    ChartPixels, ChartPrinter,  window,
                  RendererFont(), sheet.view,  sheet.latitude};
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    std::string error;
    if (!WriteSvgChart(buffer, job, error)) return;
    QSvgRenderer renderer(svg);
    renderer.render(&painter, square);
}

// One heading and its lines of words and times, from `top`; returns the bottom.
double PaintTimes(QPainter& painter, const std::vector<TonightLine>& lines, double left,
                  double width, double top) {
    const TonightSection sections[] = {TonightSection::Sun, TonightSection::Moon,
                                       TonightSection::Dark};
    const char* headings[] = {QT_TRANSLATE_NOOP("Tonight", "Sun"),
                              QT_TRANSLATE_NOOP("Tonight", "Moon"),
                              QT_TRANSLATE_NOOP("Tonight", "Dark window")};
    double y = top;
    for (int s = 0; s < 3; ++s) {
        painter.setFont(SheetFont(3.4, true));
        painter.drawText(QRectF(left, y, width, RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QCoreApplication::translate("Tonight", headings[s]));
        y += RowHeight;
        painter.setFont(SheetFont(3.0));
        for (const TonightLine& line : lines) {
            if (line.section != sections[s]) continue;
            QString time;
            if (line.time) time = Latin1(ClockText(*line.time));
            if (line.until) time += QStringLiteral(" - ") + Latin1(ClockText(*line.until));
            // Words may take more than one line (a long name in another language, a sentence);
            // the row grows to hold them.
            const bool sentence = line.time == std::nullopt;
            const QRectF box(left, y, sentence ? width : width - 260, 3 * RowHeight);
            QRectF used;
            painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             Latin1(line.words), &used);
            if (!sentence)
                painter.drawText(QRectF(left + width - 250, y, 250, RowHeight),
                                 Qt::AlignRight | Qt::AlignTop, time);
            y += std::max(RowHeight, used.height() + 8);
        }
        y += RowHeight / 2;
    }
    return y;
}

// The planets and the list, a row each with a box to tick: time, name, kind and altitude.
double PaintList(QPainter& painter, const std::vector<TonightLine>& lines, double left,
                 double width, double top) {
    double y = top;
    const struct {
        TonightSection section;
        const char* heading;
    } parts[] = {
        {TonightSection::Planets, QT_TRANSLATE_NOOP("Tonight", "Planets")},
        {TonightSection::WorthALook, QT_TRANSLATE_NOOP("Tonight", "Worth a look tonight")}};
    for (const auto& part : parts) {
        painter.setFont(SheetFont(3.4, true));
        painter.drawText(QRectF(left, y, width, RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QCoreApplication::translate("Tonight", part.heading));
        y += RowHeight;
        painter.setFont(SheetFont(3.0));
        for (const TonightLine& line : lines) {
            if (line.section != part.section) continue;
            if (!line.time) {  // a note: nothing to tick
                painter.drawText(QRectF(left, y, width, RowHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter, Latin1(line.words));
                y += RowHeight;
                continue;
            }
            painter.drawRect(QRectF(left, y + (RowHeight - Box) / 2, Box, Box));
            painter.drawText(QRectF(left + 60, y, 160, RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             Latin1(ClockText(*line.time)));
            painter.drawText(QRectF(left + 230, y, width - 860, RowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, Latin1(line.words));
            painter.drawText(QRectF(left + width - 620, y, 470, RowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, Latin1(KindWords(line.kind)));
            painter.drawText(
                QRectF(left + width - 150, y, 150, RowHeight), Qt::AlignRight | Qt::AlignVCenter,
                TextLocale().toString(QString::fromStdString(line.value).toDouble(), 'f', 1) +
                    QChar(0x00B0));
            y += RowHeight;
        }
        y += RowHeight / 2;
    }
    return y;
}

}  // namespace

double PaintObservingSheet(QPainter& painter, const ObservingSheet& sheet) {
    const QSizeF page = PaperMillimetres(sheet.paper) * SheetUnitsPerMm;
    painter.fillRect(QRectF(QPointF(0, 0), page), Qt::white);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(Qt::NoBrush);
    const double width = page.width() - 2 * Margin;
    painter.setFont(SheetFont(4.2, true));
    const QRectF titleBox(Margin, Margin, width, 200);
    const int titleFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QString title = Latin1(TonightTitle(sheet.tonight, sheet.view, sheet.latitude));
    painter.drawText(titleBox, titleFlags, title);
    const double top = Margin + painter.boundingRect(titleBox, titleFlags, title).height() + 40;
    PaintChart(painter, sheet, QRectF(Margin, top, ChartSide, ChartSide));
    painter.setFont(SheetFont(2.6));
    painter.drawText(QRectF(Margin, top + ChartSide + 10, ChartSide, RowHeight),
                     Qt::AlignLeft | Qt::AlignTop,
                     QCoreApplication::translate("Tonight", "The sky at %1, the middle of darkness")
                         .arg(Latin1(ClockText(sheet.tonight.middleOfDarkness))));
    const std::vector<TonightLine> lines = TonightLines(sheet.tonight);
    const double timesLeft = Margin + ChartSide + 60;
    const double timesBottom =
        PaintTimes(painter, lines, timesLeft, page.width() - Margin - timesLeft, top);
    return PaintList(painter, lines, Margin, width,
                     std::max(top + ChartSide + RowHeight + 20, timesBottom));
}

bool WriteObservingSheet(const std::string& path, const ObservingSheet& sheet, std::string& error) {
    return WritePaperPdf(
        path, sheet.paper, QCoreApplication::translate("Tonight", "Velquorran observing sheet"), 1,
        SheetUnitsPerMm, [&](QPainter& painter, int) { PaintObservingSheet(painter, sheet); },
        error);
}
