// A Surface that draws nothing and records every call, with its arguments and the drawing state
// (pen, brush, colours, alignment) in force when it was made. Text metrics and resolution are
// plain public fields. Shared by the chart, shell and renderer tests.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "chart/surface.h"

struct SurfaceCall {
    enum Kind {
        GetTextMetrics,
        HorizontalResolution,
        VerticalResolution,
        SelectPen,
        SelectBrush,
        SetTextColor,
        SetBkColor,
        SetTextAlign,
        TextOut,
        SetPixel,
        Rectangle,
        Ellipse,
        Polyline,
    };
    Kind kind = GetTextMetrics;
    // Arguments: (x, y) for TextOut and SetPixel, (left=x, top=y, right, bottom) for boxes.
    int x = 0;
    int y = 0;
    int right = 0;
    int bottom = 0;
    Pen pen;                    // SelectPen's argument
    Brush brush;                // SelectBrush's argument
    Rgb colour;                 // SetTextColor, SetBkColor, SetPixel
    unsigned align = 0;         // SetTextAlign
    std::string text;           // TextOut
    std::vector<Point> points;  // Polyline
    // The state in force when the call was made.
    Pen currentPen;
    Brush currentBrush;
    Rgb currentTextColour;
    Rgb currentBkColour;
    unsigned currentAlign = 0;

    // A compact form such as "Ellipse(119,19,681,581)" for pinning sequences in tests.
    std::string ToString() const {
        char buffer[160];
        auto rgb = [](Rgb c) {
            return std::to_string(c.red) + "," + std::to_string(c.green) + "," +
                   std::to_string(c.blue);
        };
        switch (kind) {
            case GetTextMetrics:
                return "GetTextMetrics";
            case HorizontalResolution:
                return "HorizontalResolution";
            case VerticalResolution:
                return "VerticalResolution";
            case SelectPen:
                return "SelectPen(" + rgb(pen.colour) + " w" + std::to_string(pen.width) + ")";
            case SelectBrush:
                return "SelectBrush(" + rgb(brush.colour) + ")";
            case SetTextColor:
                return "SetTextColor(" + rgb(colour) + ")";
            case SetBkColor:
                return "SetBkColor(" + rgb(colour) + ")";
            case SetTextAlign:
                return "SetTextAlign(" + std::to_string(align) + ")";
            case TextOut:
                std::snprintf(buffer, sizeof buffer, "TextOut(%d,%d,", x, y);
                return buffer + text + ")";
            case SetPixel:
                std::snprintf(buffer, sizeof buffer, "SetPixel(%d,%d,", x, y);
                return buffer + rgb(colour) + ")";
            case Rectangle:
            case Ellipse:
                std::snprintf(buffer, sizeof buffer, "%s(%d,%d,%d,%d)",
                              kind == Rectangle ? "Rectangle" : "Ellipse", x, y, right, bottom);
                return buffer;
            case Polyline: {
                std::string s = "Polyline(";
                for (std::size_t i = 0; i < points.size(); ++i) {
                    if (i) s += ";";
                    s += std::to_string(points[i].x) + "," + std::to_string(points[i].y);
                }
                return s + ")";
            }
        }
        return "?";
    }
};

class RecordingSurface : public Surface {
  public:
    // What the queries answer: by default a 16-pixel variable-pitch font, 800 x 600 pixels.
    TextMetrics metrics{16, 0, 7, TMPF_FIXED_PITCH};
    int horizontalResolution = 800;
    int verticalResolution = 600;
    // Drawing calls only (queries are kept out) when false.
    bool recordQueries = true;

    std::vector<SurfaceCall> calls;

    TextMetrics GetTextMetrics() override {
        Query(SurfaceCall::GetTextMetrics);
        return metrics;
    }
    int HorizontalResolution() override {
        Query(SurfaceCall::HorizontalResolution);
        return horizontalResolution;
    }
    int VerticalResolution() override {
        Query(SurfaceCall::VerticalResolution);
        return verticalResolution;
    }
    void SelectPen(const Pen& pen) override {
        Record(SurfaceCall::SelectPen).pen = pen;
        pen_ = pen;
    }
    void SelectBrush(const Brush& brush) override {
        Record(SurfaceCall::SelectBrush).brush = brush;
        brush_ = brush;
    }
    void SetTextColor(Rgb colour) override {
        Record(SurfaceCall::SetTextColor).colour = colour;
        textColour_ = colour;
    }
    void SetBkColor(Rgb colour) override {
        Record(SurfaceCall::SetBkColor).colour = colour;
        bkColour_ = colour;
    }
    void SetTextAlign(unsigned align) override {
        Record(SurfaceCall::SetTextAlign).align = align;
        align_ = align;
    }
    void TextOut(int x, int y, std::string_view text) override {
        SurfaceCall& call = Record(SurfaceCall::TextOut);
        call.x = x;
        call.y = y;
        call.text = std::string(text);
    }
    void SetPixel(int x, int y, Rgb colour) override {
        SurfaceCall& call = Record(SurfaceCall::SetPixel);
        call.x = x;
        call.y = y;
        call.colour = colour;
    }
    void Rectangle(int left, int top, int right, int bottom) override {
        Box(SurfaceCall::Rectangle, left, top, right, bottom);
    }
    void Ellipse(int left, int top, int right, int bottom) override {
        Box(SurfaceCall::Ellipse, left, top, right, bottom);
    }
    void Polyline(const Point* points, int count) override {
        SurfaceCall& call = Record(SurfaceCall::Polyline);
        if (points && count > 0) call.points.assign(points, points + count);
    }

    // The recorded calls of one kind, in order.
    std::vector<SurfaceCall> Of(SurfaceCall::Kind kind) const {
        std::vector<SurfaceCall> result;
        for (const SurfaceCall& call : calls)
            if (call.kind == kind) result.push_back(call);
        return result;
    }
    int Count(SurfaceCall::Kind kind) const { return static_cast<int>(Of(kind).size()); }
    // Every recorded call in its compact form.
    std::vector<std::string> Strings() const {
        std::vector<std::string> result;
        for (const SurfaceCall& call : calls) result.push_back(call.ToString());
        return result;
    }
    void Clear() { calls.clear(); }

  private:
    SurfaceCall& Record(SurfaceCall::Kind kind) {
        SurfaceCall call;
        call.kind = kind;
        call.currentPen = pen_;
        call.currentBrush = brush_;
        call.currentTextColour = textColour_;
        call.currentBkColour = bkColour_;
        call.currentAlign = align_;
        calls.push_back(std::move(call));
        return calls.back();
    }
    void Query(SurfaceCall::Kind kind) {
        if (recordQueries) Record(kind);
    }
    void Box(SurfaceCall::Kind kind, int left, int top, int right, int bottom) {
        SurfaceCall& call = Record(kind);
        call.x = left;
        call.y = top;
        call.right = right;
        call.bottom = bottom;
    }

    // A fresh GDI device context: black pen, white brush, black text on white, left/top.
    Pen pen_{Black, 1};
    Brush brush_{White};
    Rgb textColour_ = Black;
    Rgb bkColour_ = White;
    unsigned align_ = TA_LEFT | TA_TOP;
};
