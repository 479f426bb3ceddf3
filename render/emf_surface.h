// The chart's drawing surface over an Enhanced Metafile of our own writing (render/emf_writer.h).
//
// The metafile's reference device is the screen: its size is the one given (the window's client
// size) and its text metrics are those of the screen font given, measured with QFontMetrics, so
// a pass lays the chart out exactly as it would on the screen. A new surface starts as a new
// metafile device context does: black pen, white brush, black text on white, TA_LEFT | TA_TOP.
//
// Pens and brushes are turned into metafile objects only when they change: white and black ones
// become stock objects, others are created, and an object that is no longer selected is deleted
// at once, so the object table stays small and the metafile leaves no object behind.
#pragma once

#include <QFont>
#include <cstdint>
#include <vector>

#include "chart/surface.h"
#include "render/emf_writer.h"

class EmfSurface final : public Surface {
  public:
    EmfSurface(int width, int height, const QFont& font);
    EmfSurface(const EmfSurface&) = delete;
    EmfSurface& operator=(const EmfSurface&) = delete;

    // Ends the metafile and gives its bytes; the exporter (render/chart_export.h) writes them.
    const std::vector<std::uint8_t>& Finish();

    TextMetrics GetTextMetrics() override;
    int HorizontalResolution() override { return width_; }
    int VerticalResolution() override { return height_; }

    void SelectPen(const Pen& pen) override;
    void SelectBrush(const Brush& brush) override;
    void SetTextColor(Rgb colour) override;
    void SetBkColor(Rgb colour) override;
    void SetTextAlign(unsigned align) override;
    void TextOut(int x, int y, std::string_view text) override;
    int TextWidth(std::string_view text) override;
    void SetPixel(int x, int y, Rgb colour) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polyline(const Point* points, int count) override;
    void PolyPolygon(const Point* points, const int* counts, int polygons) override;
    void PolyPolyline(const Point* points, const int* counts, int lines) override;

  private:
    void Replace(std::uint32_t& current, std::uint32_t next);

    int width_;
    int height_;
    QFont font_;
    EmfWriter writer_;

    Pen pen_{Black, 1};
    Brush brush_{White};
    std::uint32_t penHandle_;
    std::uint32_t brushHandle_;
    std::uint32_t fontHandle_ = 0;  // 0: the default font, ours not created yet
    Rgb textColour_ = Black;
    Rgb backgroundColour_ = White;
    unsigned align_ = TA_LEFT | TA_TOP;
    bool fillModeSet_ = false;
};
