// A Surface that draws nothing and records every call, with its arguments and the drawing state
// (pen, brush, colours, alignment) in force when it was made. Text metrics and resolution are
// plain public fields. Shared by the chart, shell and renderer tests.
#pragma once

#include <string>
#include <string_view>
#include <utility>
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
        Polyline
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
        static const char* const Names[] = {"GetTextMetrics",
                                            "HorizontalResolution",
                                            "VerticalResolution",
                                            "SelectPen",
                                            "SelectBrush",
                                            "SetTextColor",
                                            "SetBkColor",
                                            "SetTextAlign",
                                            "TextOut",
                                            "SetPixel",
                                            "Rectangle",
                                            "Ellipse",
                                            "Polyline"};
        const auto rgb = [](Rgb c) {
            return std::to_string(c.red) + "," + std::to_string(c.green) + "," +
                   std::to_string(c.blue);
        };
        const auto xy = [](int a, int b) { return std::to_string(a) + "," + std::to_string(b); };
        std::string arguments;
        switch (kind) {
            case GetTextMetrics:
            case HorizontalResolution:
            case VerticalResolution:
                return Names[kind];
            case SelectPen:
                arguments = rgb(pen.colour) + " w" + std::to_string(pen.width);
                break;
            case SelectBrush:
                arguments = rgb(brush.colour);
                break;
            case SetTextColor:
            case SetBkColor:
                arguments = rgb(colour);
                break;
            case SetTextAlign:
                arguments = std::to_string(align);
                break;
            case TextOut:
                arguments = xy(x, y) + "," + text;
                break;
            case SetPixel:
                arguments = xy(x, y) + "," + rgb(colour);
                break;
            case Rectangle:
            case Ellipse:
                arguments = xy(x, y) + "," + xy(right, bottom);
                break;
            case Polyline:
                for (std::size_t i = 0; i < points.size(); ++i)
                    arguments += (i ? ";" : "") + xy(points[i].x, points[i].y);
                break;
        }
        return std::string(Names[kind]) + "(" + arguments + ")";
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

    TextMetrics GetTextMetrics() override { return Query(SurfaceCall::GetTextMetrics, metrics); }
    int HorizontalResolution() override {
        return Query(SurfaceCall::HorizontalResolution, horizontalResolution);
    }
    int VerticalResolution() override {
        return Query(SurfaceCall::VerticalResolution, verticalResolution);
    }
    void SelectPen(const Pen& pen) override { Record(SurfaceCall::SelectPen).pen = pen_ = pen; }
    void SelectBrush(const Brush& brush) override {
        Record(SurfaceCall::SelectBrush).brush = brush_ = brush;
    }
    void SetTextColor(Rgb colour) override {
        Record(SurfaceCall::SetTextColor).colour = textColour_ = colour;
    }
    void SetBkColor(Rgb colour) override {
        Record(SurfaceCall::SetBkColor).colour = bkColour_ = colour;
    }
    void SetTextAlign(unsigned align) override {
        Record(SurfaceCall::SetTextAlign).align = align_ = align;
    }
    void TextOut(int x, int y, std::string_view text) override {
        Record(SurfaceCall::TextOut, x, y).text = std::string(text);
    }
    void SetPixel(int x, int y, Rgb colour) override {
        Record(SurfaceCall::SetPixel, x, y).colour = colour;
    }
    void Rectangle(int left, int top, int right, int bottom) override {
        Record(SurfaceCall::Rectangle, left, top, right, bottom);
    }
    void Ellipse(int left, int top, int right, int bottom) override {
        Record(SurfaceCall::Ellipse, left, top, right, bottom);
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
    SurfaceCall& Record(SurfaceCall::Kind kind, int x = 0, int y = 0, int right = 0,
                        int bottom = 0) {
        SurfaceCall call;
        call.kind = kind;
        call.x = x;
        call.y = y;
        call.right = right;
        call.bottom = bottom;
        call.currentPen = pen_;
        call.currentBrush = brush_;
        call.currentTextColour = textColour_;
        call.currentBkColour = bkColour_;
        call.currentAlign = align_;
        calls.push_back(std::move(call));
        return calls.back();
    }
    template <typename T>
    T Query(SurfaceCall::Kind kind, T answer) {
        if (recordQueries) Record(kind);
        return answer;
    }

    // A fresh GDI device context: black pen, white brush, black text on white, left/top.
    Pen pen_{Black, 1};
    Brush brush_{White};
    Rgb textColour_ = Black;
    Rgb bkColour_ = White;
    unsigned align_ = TA_LEFT | TA_TOP;
};
