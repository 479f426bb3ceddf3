// The core's texts in another language: the formats of translated texts, and the chart's names,
// captions, readout and messages through the translation seam, here a small dictionary standing
// in for Qt's translator.
#include "base/translate.h"

#include <gtest/gtest.h>

#include <map>

#include "catalog/loaders.h"
#include "chart/object_index.h"
#include "chart/rise_set.h"
#include "chart/time_basis.h"
#include "chart_fixture.h"
#include "recording_surface.h"

namespace {

// Another language for the duration of a test: the dictionary's texts and the decimal comma.
class Dictionary {
  public:
    explicit Dictionary(std::map<std::pair<std::string, std::string>, std::string> words)
        : words_(std::move(words)), seam_(Translations(), [this](const char* c, const char* t) {
              const auto found = words_.find({c, t});
              return found != words_.end() ? found->second : std::string(t);
          }) {
        SetDecimalPoint(',');
    }
    ~Dictionary() { SetDecimalPoint('.'); }

  private:
    std::map<std::pair<std::string, std::string>, std::string> words_;
    ScopedReplacement<TranslateSeam> seam_;
};

}  // namespace

// With '.' every format comes out as snprintf writes it; with ',' floating-point conversions
// take the comma and nothing else does; a translation may number its arguments.
TEST(FormatText, AsSnprintfWithTheLanguagesPointAndOrder) {
    // clang-format off
    const struct { const char* format; std::vector<FormatArgument> arguments; char point;
                   const char* expected; } rows[] = {
        {"%4d/%02d/%02d  %02d:%02d:%02d", {2024, 3, 7, 21, 5, 9}, '.', "2024/03/07  21:05:09"},
        {"%4d|%3.1f%%", {12, 4.44}, '.', "  12|4.4%"},
        {"%.*s: %.*s; Mag=%3.1f", {3, "M42 and", 12, "Orion Nebula!", 4.0}, '.', "M42: Orion Nebula; Mag=4.0"},
        {"%-5s|%+d|%x|%X|%o|%c|%%|%1d", {"ab", 5, 255, 255, 8, 'Q', 12}, '.', "ab   |+5|ff|FF|10|Q|%|12"},
        {"%e %g %.2f %ld %zu", {12345.678, 0.0001, -0.005, 1L, 3UL}, '.', "1.234568e+04 0.0001 -0.01 1 3"},
        {"%*d|%-*d|%.*f", {4, 7, 3, 7, -1, 2.5}, '.', "   7|7  |2.500000"},
        {"%3$02d.%2$02d.%1$4d %1$d", {2024, 3, 7}, '.', "07.03.2024 2024"},
        {"%3.1f|%e|%d|%s", {4.4, 1.5, 1000, "a.b"}, ',', "4,4|1,500000e+00|1000|a.b"}};
    // clang-format on
    for (const auto& row : rows) {
        SetDecimalPoint(row.point);
        EXPECT_EQ(FormatWith(row.format, row.arguments).value_or("(refused)"), row.expected);
    }
    EXPECT_EQ(FormatDecimal(-0.25, 2), "-0,25");
    SetDecimalPoint('.');
    EXPECT_EQ(FormatDecimal(51.5, 0), "52");
}

// What would misread an argument is refused, so that a faulty translation cannot crash the
// program or show garbage; the English format is used instead.
TEST(FormatText, RefusesFormatsThatDoNotFit) {
    // clang-format off
    const struct { const char* format; std::vector<FormatArgument> arguments; } rows[] = {
        {"%s", {5}}, {"%d", {"five"}}, {"%f", {5}}, {"%d", {5.0}}, {"%d %d", {1}},
        {"%1$d %d", {1, 2}}, {"%0$d", {1}}, {"%3$d", {1, 2}}, {"%n", {1}}, {"%p", {1}}, {"%", {}},
        {"%5", {1}}, {"%*d", {"x", 1}}, {"%1$*d", {3, 1}}, {"%.*s", {2.0, "x"}}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_FALSE(FormatWith(row.format, row.arguments).has_value()) << row.format;
    const Dictionary faulty({{{"Readout", "rises %s"}, "Aufgang %d"}});
    EXPECT_EQ(FormatText(VQ_FORMAT("Readout", "rises %s"), "Jan 15"), "rises Jan 15");
}

namespace {

class TranslatedChart : public ChartFixture {
  protected:
    void SetUp() override {
        ChartFixture::SetUp();
        LoadAllCatalogues();
    }
};

}  // namespace

// The pass's hot spots name the bodies in the language, and the deep-sky objects with the
// language's words and decimal comma; stars keep their names. (The drawing's texts are checked in
// the renderer's files.)
TEST_F(TranslatedChart, HotSpotsInTheLanguage) {
    const Dictionary words({{{"Bodies", "Jupiter"}, "J\xfapiter"},
                            {{"Readout", "%.*s: %.*s; Mag=%3.1f"}, "%.*s: %.*s; Hell.=%3.1f"}});
    for (DeepSkyObject& object : DeepSkyTable) object.shown = true;
    RecordingSurface surface;
    const FixedChartWindow window(800, 600, Evening);
    const ChartPassResult pass =
        RunChartPass(window, surface, ChartPrinter, 3, ViewFromSettings(), 51.5, ChartPens{});
    std::vector<std::string> labels;
    for (const HotSpot& spot : pass.hotSpots) labels.emplace_back(spot.text);
    for (const char* label :
         {"J\xfapiter", "M42: Orion Nebula; Hell.=4,0", "2061: Betelgeuse (Orian)"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), label), labels.end()) << label;
}

// Find takes a body's name in the language as well as the English one and names it in the
// language; the readout's description follows the language's words and order; the core's
// messages are in the language, as UTF-8.
TEST_F(TranslatedChart, FindReadoutAndMessages) {
    const Dictionary german({
        {{"Bodies", "Moon"}, "Mond"},
        {{"Months", "Mar"}, "M\xe4r"},
        {{"Readout", "%s %d %02d:%02d"}, "%2$d. %1$s %3$02d:%4$02d"},
        {{"Readout", "rises %s"}, "Aufgang %s"},
        {{"Readout", "altitude %s, azimuth %s (%s)"}, "H\xf6he %s, Azimut %s (%s)"},
        {{"Messages", "JulianDate: Month out-of-bounds"},
         "Monat au\xdf"
         "erhalb"},
    });
    const ObjectIndex index = ObjectIndex::Build();
    ASSERT_TRUE(index.Find("mond") && index.Find("Moon"));
    EXPECT_EQ(*index.Find("mond"), (FoundObject{FoundKind::Body, MoonRow}));
    EXPECT_EQ(index.Label(*index.Find("Moon")), "Mond");

    RiseTransitSet times;
    times.rising = SystemTime{2024, 3, 5, 8, 6, 7, 0, 0};
    EXPECT_EQ(DescribeFound("Mond", SkyPlace{24.52, 250.0}, times),
              "Mond: H\xf6he 24,5\xb0, Azimut 250,0\xb0 (WSW); Aufgang 8. M\xe4r 06:07");

    EXPECT_EQ(MonthAbbreviation(3) + MonthAbbreviation(12) + MonthAbbreviation(13), "M\xe4rDecJan");
    ErrorBox(VQ_TRANSLATE_NOOP("Messages", "JulianDate: Month out-of-bounds"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Monat au\xc3\x9f"
              "erhalb");
    EXPECT_EQ(Latin1ToUtf8("\x7f\x80"), "\x7f\xc2\x80");
}
