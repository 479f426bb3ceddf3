// The planisphere's texts fit their pages in every language: each text painted on either page, as
// a paint device that records them sees it, lies inside the page's printable area (5 mm from
// every edge), and no translated text covers another: titles, instructions, the scale bar, month
// and day numbers, clock times, compass points, zenith and meridian. (The names of stars and
// constellations are the label placer's and the same in every language.) Measured
// for both papers, a latitude with a place and daylight saving (the longest lines) and one near
// the equator (the mask's extra line). The widest line of each language is printed.
#include <gtest/gtest.h>

#include <QPaintEngine>
#include <QPainter>
#include <QSet>
#include <cmath>
#include <iostream>

#include "catalog/loaders.h"
#include "catalog/sky_model.h"
#include "chart/chart_annotations.h"
#include "render/planisphere_pages.h"
#include "tests/fresh_state.h"
#include "tests/language_fixture.h"

namespace {

struct PaintedText {
    QString text;
    QPolygonF outline;  // page units (tenths of a millimetre)
    bool level;         // drawn without rotation
};

// A paint engine that draws nothing and keeps each text with its outline on the page.
class TextRecorder final : public QPaintEngine {
  public:
    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawRects(const QRectF*, int) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        const QTransform transform = painter()->combinedTransform();
        const QRectF box(at.x(), at.y() - item.ascent(), item.width(),
                         item.ascent() + item.descent());
        texts.push_back({item.text(), transform.map(QPolygonF(box)), !transform.isRotating()});
    }
    std::vector<PaintedText> texts;
};

class RecordingPage final : public QPaintDevice {
  public:
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable TextRecorder engine;

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 254;  // one unit a tenth of a millimetre
            case PdmDepth:
                return 32;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return 3000;
        }
    }
};

std::vector<PaintedText> PageTexts(const PlanisphereKit& kit, int page) {
    RecordingPage device;
    QPainter painter(&device);
    PaintPlanispherePage(painter, kit, page);
    painter.end();
    return device.engine.texts;
}

class KitTextTest : public FreshState {
  protected:
    void SetUp() override {
        FreshState::SetUp();
        LoadAllCatalogues();
    }
};

}  // namespace

TEST_F(KitTextTest, EveryTextInsideItsPageAndClearOfTheOthers) {
    PlanisphereKit london;
    london.latitude = 51.5;
    london.place = Place{-0.1275, "Europe/London", "London"};
    london.year = 2024;
    PlanisphereKit quito;  // the window stretches: one more line on the mask
    quito.latitude = -0.2;
    quito.year = 2024;
    // The names the label placer sets, and the hour numbers round the wheel's rim among them.
    QSet<QString> names;
    for (int n = 1; n <= MaxStarNumber; ++n)
        names.insert(QString::fromLatin1(StarProperName(StarTable[n])));
    for (int c = 0; c < ConstellationCount; ++c)
        names.insert(QString::fromStdString(IauConstellationName(ConstellationTable[c])).toUpper());
    for (int hour = 0; hour < 24; ++hour) names.insert(QStringLiteral("%1h").arg(hour));
    for (const char* language : {"en", "de", "fr", "es"}) {
        const ScopedLanguage installed(language);
        double widest = 0;
        QString widestText;
        for (PlanisphereKit kit : {london, quito}) {
            for (PaperSize paper : {PaperSize::A4, PaperSize::Letter}) {
                kit.paper = paper;
                const QSizeF size = PaperMillimetres(paper) * PlanisphereUnitsPerMm;
                const QRectF printable(QPointF(50, 50), size - QSizeF(100, 100));
                for (int page = 1; page <= 2; ++page) {
                    SCOPED_TRACE(::testing::Message() << language << " page " << page << " "
                                                      << (paper == PaperSize::A4 ? "A4" : "Letter")
                                                      << " latitude " << kit.latitude);
                    const std::vector<PaintedText> texts = PageTexts(kit, page);
                    ASSERT_GT(texts.size(), 20u);
                    for (std::size_t i = 0; i < texts.size(); ++i) {
                        const QRectF box = texts[i].outline.boundingRect();
                        EXPECT_TRUE(printable.contains(box))
                            << texts[i].text.toStdString() << " ends at " << box.right() / 10
                            << " mm of " << size.width() / 10;
                        if (texts[i].level && box.width() > widest) {
                            widest = box.width();
                            widestText = texts[i].text;
                        }
                        if (names.contains(texts[i].text)) continue;
                        for (std::size_t j = i + 1; j < texts.size(); ++j)
                            EXPECT_FALSE(!names.contains(texts[j].text) &&
                                         texts[i].outline.intersects(texts[j].outline))
                                << texts[i].text.toStdString() << " / "
                                << texts[j].text.toStdString();
                    }
                }
            }
        }
        std::cout << language << ": widest kit line " << std::lround(widest / 10)
                  << " mm: " << widestText.toStdString() << "\n";
    }
}

// The kit says in French what it says in English: its titles, instructions and month names.
TEST_F(KitTextTest, TheKitInFrench) {
    const ScopedLanguage french("fr");
    PlanisphereKit kit;
    kit.latitude = 48.85;
    QStringList all;
    for (int page = 1; page <= 2; ++page)
        for (const PaintedText& text : PageTexts(kit, page)) all << text.text;
    const QString joined = all.join(QLatin1Char('|'));
    for (const char* expected :
         {"Carte du ciel tournante, page 1 sur 2 : le disque des \u00e9toiles", "|juil.|",
          "|Z\u00e9nith|", "|SO|", "Pour la latitude 48,85\u00b0 N.", "imprimez \u00e0 100 %"})
        EXPECT_TRUE(joined.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_FALSE(joined.contains(QStringLiteral("|Jul|")));
}
