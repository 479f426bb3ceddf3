// The Qt surface's text: cells placed by their reference point, and the widths it measures.
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <mutex>

#include "render/qt_surface.h"

std::mutex& QtSurface::WidthsLock() {
    static std::mutex lock;
    return lock;
}

// The widths of one font on devices of one resolution; the table of tables lives for the run.
QtSurface::TextWidths& QtSurface::WidthsOf(const QFont& font, int dotsPerInch) {
    static std::map<std::string, TextWidths> widths;
    const std::lock_guard<std::mutex> hold(WidthsLock());
    return widths[font.key().toStdString() + '@' + std::to_string(dotsPerInch)];
}

// Text by its reference point (x, y). The cell is the advance width of the text by the font's
// ascent + descent. Horizontally the point is its left edge (TA_LEFT), right edge (TA_RIGHT) or
// middle (TA_CENTER); vertically its top (TA_TOP), bottom (TA_BOTTOM) or the baseline
// (TA_BASELINE). The cell is filled with the background colour first, as GDI's opaque
// background mode does. Catalogue texts are single bytes and are read as Latin-1.
void QtSurface::TextOut(int x, int y, std::string_view text) {
    Flush();
    const QString string = QString::fromLatin1(text.data(), qsizetype(text.size()));
    const QFontMetrics metrics = painter_.fontMetrics();
    const int width = TextWidth(text);
    const int ascent = metrics.ascent();
    const int height = ascent + metrics.descent();

    constexpr unsigned TA_CENTER = 6, TA_BASELINE = 24;
    int left = x;
    if ((align_ & TA_CENTER) == TA_CENTER) {
        left = x - width / 2;
    } else if (align_ & TA_RIGHT) {
        left = x - width;
    }
    int top = y;
    if ((align_ & TA_BASELINE) == TA_BASELINE) {
        top = y - ascent;
    } else if (align_ & TA_BOTTOM) {
        top = y - height;
    }

    painter_.fillRect(
        QRect(left, top, width, height),
        QColor(backgroundColour_.red, backgroundColour_.green, backgroundColour_.blue));
    painter_.setPen(QColor(textColour_.red, textColour_.green, textColour_.blue));
    painter_.drawText(QPoint(left, top + ascent), string);
}

// The advance TextOut gives the text's cell. A pass measures each name before placing it and again
// when it writes it, and every pass measures the same names, so the widths are kept for the run,
// by the font and the device's resolution: shaping a text costs more than the rest of placing it.
int QtSurface::TextWidth(std::string_view text) {
    {
        const std::lock_guard<std::mutex> hold(WidthsLock());
        const auto known = widths_->find(text);
        if (known != widths_->end()) return known->second;
    }
    const int width = painter_.fontMetrics().horizontalAdvance(
        QString::fromLatin1(text.data(), qsizetype(text.size())));
    const std::lock_guard<std::mutex> hold(WidthsLock());
    if (widths_->size() >= MaxKeptWidths) widths_->clear();
    widths_->emplace(std::string(text), width);
    return width;
}
