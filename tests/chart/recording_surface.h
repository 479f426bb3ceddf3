// A Surface that draws nothing and records each drawing call in a compact form such as
// "Ellipse(119,19,681,581)", so that a test pins a whole sequence; its queries answer the public
// fields (by default a 16-pixel variable-pitch font, 800 x 600 pixels).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/surface.h"

class RecordingSurface : public Surface {
  public:
    TextMetrics metrics{16, 0, 7, TMPF_FIXED_PITCH};
    int horizontalResolution = 800;
    int verticalResolution = 600;
    std::vector<std::string> calls;

    TextMetrics GetTextMetrics() override { return metrics; }
    int HorizontalResolution() override { return horizontalResolution; }
    int VerticalResolution() override { return verticalResolution; }
    void SelectPen(const Pen& pen) override {
        if (pen.style == PenStyle::Solid) return Add("SelectPen", pen.colour, pen.width);
        Add("SelectPen", pen.colour, pen.width,
            std::string_view(pen.style == PenStyle::Dot ? "dot" : "none"));
    }
    void SelectBrush(const Brush& brush) override { Add("SelectBrush", brush.colour); }
    void SetTextColor(Rgb colour) override { Add("SetTextColor", colour); }
    void SetBkColor(Rgb colour) override { Add("SetBkColor", colour); }
    void SetTextAlign(unsigned align) override { Add("SetTextAlign", align); }
    void TextOut(int x, int y, std::string_view text) override { Add("TextOut", x, y, text); }
    void SetPixel(int x, int y, Rgb colour) override { Add("SetPixel", x, y, colour); }
    void Rectangle(int l, int t, int r, int b) override { Add("Rectangle", l, t, r, b); }
    void Ellipse(int l, int t, int r, int b) override { Add("Ellipse", l, t, r, b); }
    void Polyline(const Point* points, int count) override {
        std::string line;
        for (int i = 0; i < count; ++i) {
            if (i) line += ';';
            line += Text(points[i].x);
            line += ',';
            line += Text(points[i].y);
        }
        Add("Polyline", std::string_view(line));
    }
    // "PolyPolygon(x,y;x,y;x,y|x,y;...)": the polygons apart by '|'.
    void PolyPolygon(const Point* points, const int* counts, int polygons) override {
        std::string text;
        for (int p = 0, at = 0; p < polygons; at += counts[p++]) {
            if (p) text += '|';
            for (int i = 0; i < counts[p]; ++i) {
                if (i) text += ';';
                text += Text(points[at + i].x) + ',' + Text(points[at + i].y);
            }
        }
        Add("PolyPolygon", std::string_view(text));
    }

  private:
    static std::string Text(std::string_view s) { return std::string(s); }
    static std::string Text(Rgb c) {
        return Text(+c.red) + "," + Text(+c.green) + "," + Text(+c.blue);
    }
    static std::string Text(auto n) { return std::to_string(n); }
    void Add(const char* name, auto... arguments) {
        std::string text;
        ((text += (text.empty() ? "" : ",") + Text(arguments)), ...);
        calls.push_back(std::string(name) + "(" + text + ")");
    }
};
