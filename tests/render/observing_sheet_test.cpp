// The observing sheet: a whole night's rows fit one page of either paper, in every language, with
// a box to tick for each planet and each row of the list; every text of the sheet's own (the
// chart's names are the label placer's) shows whole, on the page, clear of the others. (The
// renderer's tests write it as a PDF.)
#include "render/observing_sheet.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "catalog/loaders.h"
#include "chart/tonight_text.h"
#include "render/place.h"
#include "tests/fresh_state.h"
#include "tests/language_fixture.h"
#include "tests/render/text_recorder.h"

namespace {

using ObservingSheetTest = FreshState;

// Boxes to tick: squares of 3 mm (15 pixels at a fifth of a millimetre) with a dark top and left
// edge and a white inside, counted by their top left corners on the page's left margin.
int TickBoxes(const QImage& page, int left) {
    auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    int boxes = 0;
    for (int y = 1; y + 15 < page.height(); ++y) {
        bool box = dark(left, y) && !dark(left, y - 1) && !dark(left + 7, y + 7);
        for (int i = 0; i < 13 && box; ++i) box = dark(left, y + i) && dark(left + i, y);
        boxes += box;
    }
    return boxes;
}

TEST_F(ObservingSheetTest, AFullNightFitsOnePageWithABoxForEachRow) {
    LoadAllCatalogues();
    ChartView view;
    ApplyPlace(view, Place{-0.1275, "Europe/London", "London"});
    const ObjectIndex index = ObjectIndex::Build();
    Tonight tonight = ComputeTonight({2026, 12, 4, 10, 21, 0, 0, 0}, view, 51.5072, index);
    // The longest the night's rows can be: all seven planets and twenty rows, two dark windows.
    while (tonight.planets.size() < 7) tonight.planets.push_back(tonight.planets.front());
    while (tonight.worthALook.size() < 20) tonight.worthALook.push_back(tonight.worthALook.front());
    tonight.darkWindows.push_back(tonight.darkWindows.front());
    for (const char* language : {"en", "de", "fr", "es"})
        for (const PaperSize paper : {PaperSize::A4, PaperSize::Letter}) {
            SCOPED_TRACE(language);
            const ScopedLanguage installed(language);
            const ObservingSheet sheet{tonight, view, 51.5072, paper};
            const QSizeF size = PaperMillimetres(paper) * SheetUnitsPerMm;
            // A fifth of a millimetre a pixel.
            QImage page(size.toSize() / 2, QImage::Format_RGB32);
            QPainter painter(&page);
            painter.scale(0.5, 0.5);
            const double bottom = PaintObservingSheet(painter, sheet);
            painter.end();
            EXPECT_LE(bottom, size.height() - 100);  // a centimetre of margin left
            EXPECT_EQ(TickBoxes(page, 60), 27);

            RecordingPage device;
            QPainter recorder(&device);
            PaintObservingSheet(recorder, sheet);
            recorder.end();
            std::vector<QRectF> boxes;
            const QRectF inside(QPointF(50, 50), size - QSizeF(100, 100));
            for (const PaintedText& text : device.engine.texts) {
                if (!text.direct) continue;
                const QRectF box = text.outline.boundingRect();
                EXPECT_TRUE(inside.contains(box) && !text.cut) << text.text.toStdString();
                for (const QRectF& other : boxes)
                    EXPECT_FALSE(box.intersects(other)) << text.text.toStdString();
                boxes.push_back(box);
            }
        }
}

}  // namespace
