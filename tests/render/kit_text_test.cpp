// The planisphere's texts fit their pages in every language: each text painted on either page, as
// a paint device that records them sees it, lies inside the page's printable area (5 mm from
// every edge), and no translated text covers another (titles, instructions, scale bar, months,
// days, clock times, compass points, zenith, meridian; the star and constellation names are the
// label placer's, the same in every language). Both papers; a place with daylight saving (the
// longest lines) and a latitude near the equator (the mask's extra line). The widest line of each
// language is printed.
#include <gtest/gtest.h>

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
#include "tests/render/text_recorder.h"

namespace {

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
    london.sky.milkyWay = london.sky.boundaries = true;  // the wheel's key gains a line
    PlanisphereKit quito;  // the window stretches: one more line on the mask
    quito.latitude = -0.2;
    // The names the label placer sets, and the hour numbers round the wheel's rim among them.
    QSet<QString> names;
    for (int n = 1; n <= MaxStarNumber; ++n)
        names.insert(QString::fromLatin1(StarProperName(StarTable[n])));
    for (int c = 0; c < ConstellationCount; ++c)
        names.insert(QString::fromStdString(IauConstellationName(ConstellationTable[c])).toUpper());
    for (int hour = 0; hour < 24; ++hour) names.insert(QStringLiteral("%1h").arg(hour));
    for (const char* language : {"en", "de", "fr", "es"}) {
        const ScopedLanguage installed(language);
        QRectF widest;
        QStringList all;
        for (PlanisphereKit kit : {london, quito}) {
            for (PaperSize paper : {PaperSize::A4, PaperSize::Letter}) {
                kit.paper = paper;
                const QSizeF size = PaperMillimetres(paper) * PlanisphereUnitsPerMm;
                const QRectF printable(QPointF(50, 50), size - QSizeF(100, 100));
                for (int page = 1; page <= 2; ++page) {
                    SCOPED_TRACE(::testing::Message() << language << " page " << page << " "
                                                      << size.width() << " " << kit.latitude);
                    const std::vector<PaintedText> texts = PageTexts(kit, page);
                    for (std::size_t i = 0; i < texts.size(); ++i) {
                        const QRectF box = texts[i].outline.boundingRect();
                        all << texts[i].text;
                        EXPECT_TRUE(printable.contains(box) && !texts[i].cut)
                            << texts[i].text.toStdString();
                        if (texts[i].level && box.width() > widest.width()) widest = box;
                        for (std::size_t j = i + 1; j < texts.size(); ++j)
                            EXPECT_FALSE(!names.contains(texts[i].text) &&
                                         !names.contains(texts[j].text) &&
                                         texts[i].outline.intersects(texts[j].outline))
                                << texts[i].text.toStdString() << " / "
                                << texts[j].text.toStdString();
                    }
                }
            }
        }
        std::cout << language << ": widest kit line " << std::lround(widest.width() / 10)
                  << " mm, to " << std::lround(widest.right() / 10) << " mm\n";
        if (std::string(language) != "fr") continue;
        // The French kit says what the English one does: titles, instructions, months, compass.
        const QString joined = all.join(QLatin1Char('|'));
        for (const char* expected :
             {"Carte du ciel tournante, page 1 sur 2 : le disque des \u00e9toiles", "|juil.|",
              "|Z\u00e9nith|", "|SO|", "Pour la latitude 0,20\u00b0 S.",
              "Pour London, 51,50\u00b0 N"})
            EXPECT_TRUE(joined.contains(QString::fromUtf8(expected))) << expected;
        EXPECT_FALSE(joined.contains(QStringLiteral("|Jul|")));
    }
}
