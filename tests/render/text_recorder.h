// A paint device that draws nothing and records each text painted on it with its outline, in
// units of a tenth of a millimetre: what the tests of printed pages measure their texts with.
#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <QTextItem>
#include <vector>

struct PaintedText {
    QString text;
    QPolygonF outline;  // page units (tenths of a millimetre)
    bool level;         // drawn without rotation
    bool direct;        // drawn without any transformation (not inside a picture painted in)
    bool cut;           // partly outside the painter's clip: not all of it shows
};

// A paint engine that draws nothing and keeps each text with its outline on the page.
class TextRecorder final : public QPaintEngine {
  public:
    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}  // Qt draws every other shape as these
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        const QTransform transform = painter()->combinedTransform();
        const QRectF box(at.x(), at.y() - item.ascent(), item.width(),
                         item.ascent() + item.descent());
        const bool cut = painter()->hasClipping() && !painter()->clipBoundingRect().contains(box);
        texts.push_back({item.text(), transform.map(QPolygonF(box)), !transform.isRotating(),
                         transform.isIdentity(), cut});
    }
    std::vector<PaintedText> texts;
};

class RecordingPage final : public QPaintDevice {
  public:
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable TextRecorder engine;

  protected:
    int metric(PaintDeviceMetric metric) const override {
        if (metric == PdmDevicePixelRatio) return 1;
        if (metric == PdmDevicePixelRatioScaled) return static_cast<int>(devicePixelRatioFScale());
        if (metric == PdmDepth) return 32;
        return metric >= PdmDpiX ? 254 : 3000;  // a tenth of a millimetre to the unit
    }
};
