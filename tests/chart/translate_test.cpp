// The core's texts in another language: the formats of translated texts (snprintf's output in
// English, numbered arguments, the decimal point, a translation that does not fit refused), and
// the chart's names, captions and messages through the translation seam, here a small German
// dictionary standing in for Qt's translator.
#include "base/translate.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "catalog/loaders.h"
#include "chart/chart_pass.h"
#include "chart/object_index.h"
#include "chart/rise_set.h"
#include "chart_fixture.h"
#include "recording_surface.h"

namespace {

std::optional<std::string> Format(const char* format, std::initializer_list<FormatArgument> args) {
    return FormatWith(format, std::span<const FormatArgument>(args.begin(), args.size()));
}

// German for the duration of a test: the dictionary's texts (Latin-1) and the decimal comma.
class GermanTexts {
  public:
    explicit GermanTexts(std::map<std::pair<std::string, std::string>, std::string> words)
        : words_(std::move(words)),
          seam_(Translations(), [this](const char* context, const char* text) {
              const auto found = words_.find({context, text});
              return found != words_.end() ? found->second : std::string(text);
          }) {
        SetDecimalPoint(',');
    }
    ~GermanTexts() { SetDecimalPoint('.'); }

  private:
    std::map<std::pair<std::string, std::string>, std::string> words_;
    ScopedReplacement<TranslateSeam> seam_;
};

}  // namespace

// In English every format comes out as snprintf writes it: widths, precisions from the
// arguments, flags and the conversions the chart's texts use.
TEST(FormatText, EnglishAsSnprintfWritesIt) {
    const struct {
        const char* format;
        std::vector<FormatArgument> arguments;
        const char* expected;
    } rows[] = {
        {"%4d/%02d/%02d  %02d:%02d:%02d", {2024, 3, 7, 21, 5, 9}, "2024/03/07  21:05:09"},
        {"%4d/%02d/%02d", {12, 1, 1}, "  12/01/01"},
        {"Dimmest Star Magnitude: %3.1f", {4.44}, "Dimmest Star Magnitude: 4.4"},
        {"%.*s: %.*s; Mag=%3.1f",
         {3, "M42 and more", 12, "Orion Nebula!", 4.0},
         "M42: Orion Nebula; Mag=4.0"},
        {"Expected:%1d.  Found:%1d", {12, 7}, "Expected:12.  Found:7"},
        {"%s %d %02d:%02d", {"Jan", 15, 21, 3}, "Jan 15 21:03"},
        {"%-5s|%+d|%x|%X|%o|%c|%%", {"ab", 5, 255, 255, 8, 'Q'}, "ab   |+5|ff|FF|10|Q|%"},
        {"%e %g %.2f", {12345.678, 0.0001, -0.005}, "1.234568e+04 0.0001 -0.01"},
        {"%*d|%-*d|", {4, 7, 3, 7}, "   7|7  |"},
        {"%.*f", {-1, 2.5}, "2.500000"},  // a negative precision is none
        {"%ld %lld %zu", {1L, 2LL, 3UL}, "1 2 3"},
        {"no conversion", {}, "no conversion"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.format);
        EXPECT_EQ(FormatWith(row.format, row.arguments).value_or("(refused)"), row.expected);
    }
}

// A translation may take the arguments in its own order, and more than once.
TEST(FormatText, NumberedArgumentsInAnyOrder) {
    EXPECT_EQ(Format("%3$02d.%2$02d.%1$4d  %4$02d:%5$02d:%6$02d", {2024, 3, 7, 21, 5, 9}),
              "07.03.2024  21:05:09");
    EXPECT_EQ(Format("%2$d. %1$s %3$02d:%4$02d", {"Jan", 15, 21, 3}), "15. Jan 21:03");
    EXPECT_EQ(Format("%1$s-%1$s", {"a"}), "a-a");
}

// What would misread an argument is refused, so that a faulty translation cannot crash the
// program or show garbage: a kind other than the argument's, an argument too few, numbered and
// unnumbered conversions mixed, numbers out of range, a conversion not listed.
TEST(FormatText, RefusesFormatsThatDoNotFit) {
    const struct {
        const char* format;
        std::vector<FormatArgument> arguments;
    } rows[] = {
        {"%s", {5}},       {"%d", {"five"}},  {"%f", {5}},
        {"%d", {5.0}},     {"%d %d", {1}},    {"%1$d %d", {1, 2}},
        {"%0$d", {1}},     {"%3$d", {1, 2}},  {"%n", {1}},
        {"%p", {1}},       {"%", {}},         {"%5", {1}},
        {"%*d", {"x", 1}}, {"%1$*d", {3, 1}}, {"%.*s", {2.0, "x"}},
        {"%s %s", {"x"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.format);
        EXPECT_FALSE(FormatWith(row.format, row.arguments).has_value());
    }
}

// The decimal point of the language goes into floating-point conversions only.
TEST(FormatText, TheLanguagesDecimalPoint) {
    SetDecimalPoint(',');
    EXPECT_EQ(Format("%3.1f|%e|%d|%s|%x", {4.4, 1.5, 1000, "a.b", 255}),
              "4,4|1,500000e+00|1000|a.b|ff");
    EXPECT_EQ(FormatDecimal(-0.25, 2), "-0,25");
    EXPECT_EQ(FormatDecimal(51.5, 0), "52");
    SetDecimalPoint('.');
    EXPECT_EQ(FormatDecimal(-0.25, 2), "-0.25");
}

// A translated format is used when it fits the arguments; otherwise the English one is.
TEST(FormatText, AFaultyTranslationFallsBackToEnglish) {
    const GermanTexts german({{{"Chart", "Dimmest Star Magnitude: %3.1f"}, "Grenze: %3.1f mag"},
                              {{"Readout", "rises %s"}, "Aufgang %d"}});
    EXPECT_EQ(MagnitudeCaptionText(4.4), "Grenze: 4,4 mag");
    EXPECT_EQ(FormatText(VQ_FORMAT("Readout", "rises %s"), "Jan 15"), "rises Jan 15");
}

// Scripts' outputs are English with a decimal point inside the scope, and the language comes
// back after it.
TEST(FormatText, EnglishTextsForAScope) {
    const GermanTexts german({{{"Bodies", "Moon"}, "Mond"}});
    {
        const EnglishTexts english;
        EXPECT_EQ(Translate("Bodies", "Moon"), "Moon");
        EXPECT_EQ(DecimalPoint(), '.');
    }
    EXPECT_EQ(Translate("Bodies", "Moon"), "Mond");
    EXPECT_EQ(DecimalPoint(), ',');
}

TEST(Latin1ToUtf8, TwoBytesForTheUpperHalf) {
    EXPECT_EQ(Latin1ToUtf8("Grad\xb0 f\xfcr"), "Grad\xc2\xb0 f\xc3\xbcr");
    EXPECT_EQ(Latin1ToUtf8("plain"), "plain");
    EXPECT_EQ(Latin1ToUtf8("\xff"), "\xc3\xbf");
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

// Through the seam the pass names the bodies, the compass points and the captions in the
// language (the dictionary mixes languages: any text may be translated), with its date order and
// decimal comma; stars keep their names.
TEST_F(TranslatedChart, PassAndDrawingInTheLanguage) {
    const GermanTexts german({
        {{"Bodies", "Jupiter"}, "J\xfapiter"},
        {{"Compass", "E"}, "O"},
        {{"Chart", "Date & Time of Map:"}, "Datum und Uhrzeit der Karte:"},
        {{"Chart", "%4d/%02d/%02d  %02d:%02d:%02d"}, "%3$02d.%2$02d.%1$4d  %4$02d:%5$02d:%6$02d"},
        {{"Readout", "%.*s: %.*s; Mag=%3.1f"}, "%.*s: %.*s; Hell.=%3.1f"},
    });
    for (DeepSkyObject& object : DeepSkyTable) object.shown = true;
    ViewSettings.latitude = 51.5;
    RecordingSurface surface;
    const FixedChartWindow window(800, 600, Evening);
    const ChartPassResult pass =
        RunChartPass(window, surface, ChartPrinter, 3, ViewFromSettings(), 51.5, ChartPens{});
    std::vector<std::string> labels;
    for (const HotSpot& spot : pass.hotSpots) labels.emplace_back(spot.text);
    auto has = [&](const std::string& label) {
        return std::find(labels.begin(), labels.end(), label) != labels.end();
    };
    EXPECT_TRUE(has("J\xfapiter"));
    EXPECT_FALSE(has("Jupiter"));
    EXPECT_TRUE(has("M42: Orion Nebula; Hell.=4,0"));
    EXPECT_TRUE(has("2061: Betelgeuse (Orian)"));
    auto drawn = [&](const std::string& text) {
        for (const std::string& call : surface.calls)
            if (call.find("TextOut(") == 0 && call.find("," + text + ")") != std::string::npos)
                return true;
        return false;
    };
    EXPECT_TRUE(drawn("O"));
    EXPECT_FALSE(drawn("E"));
    EXPECT_TRUE(drawn("07.03.2024  21:05:09"));
    EXPECT_TRUE(drawn("Datum und Uhrzeit der Karte:"));
    EXPECT_TRUE(drawn("Dimmest Star Magnitude: 4,4"));  // untranslated, with the comma
}

// Find takes the body's name in the language as well as the English one and names it in the
// language; the readout's description follows the language's words and order.
TEST_F(TranslatedChart, FindAndItsReadout) {
    const GermanTexts german({
        {{"Bodies", "Moon"}, "Mond"},
        {{"Months", "Mar"}, "M\xe4r"},
        {{"Readout", "%s %d %02d:%02d"}, "%2$d. %1$s %3$02d:%4$02d"},
        {{"Readout", "rises %s"}, "Aufgang %s"},
        {{"Readout", "altitude %s, azimuth %s (%s)"}, "H\xf6he %s, Azimut %s (%s)"},
        {{"Compass", "WSW"}, "WSW"},
    });
    const ObjectIndex index = ObjectIndex::Build();
    ASSERT_TRUE(index.Find("mond") && index.Find("Moon"));
    EXPECT_EQ(*index.Find("mond"), (FoundObject{FoundKind::Body, MoonRow}));
    EXPECT_EQ(index.Label(*index.Find("Moon")), "Mond");

    SkyPlace place;
    place.altitude = 24.52;
    place.azimuth = 250.0;
    RiseTransitSet times;
    times.rising = SystemTime{2024, 3, 5, 8, 6, 7, 0, 0};
    EXPECT_EQ(DescribeFound("Mond", place, times),
              "Mond: H\xf6he 24,5\xb0, Azimut 250,0\xb0 (WSW); Aufgang 8. M\xe4r 06:07");
}

// The core's messages are in the language, and reach the message seam as UTF-8.
TEST_F(TranslatedChart, MessagesInTheLanguageAsUtf8) {
    const GermanTexts german({{{"Messages", "JulianDate: Month out-of-bounds"},
                               "JulianDate: Monat au\xdf"
                               "erhalb"}});
    ErrorBox(VQ_TRANSLATE_NOOP("Messages", "JulianDate: Month out-of-bounds"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "JulianDate: Monat au\xc3\x9f"
              "erhalb");
}
