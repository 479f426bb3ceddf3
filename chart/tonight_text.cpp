// The words of Tonight.
#include "chart/tonight_text.h"

#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

#include "astro/orbits.h"
#include "base/translate.h"
#include "chart/rise_set.h"
#include "chart/time_basis.h"

namespace {

const char* const Months[] = {
    VQ_TRANSLATE_NOOP("Tonight", "January"),   VQ_TRANSLATE_NOOP("Tonight", "February"),
    VQ_TRANSLATE_NOOP("Tonight", "March"),     VQ_TRANSLATE_NOOP("Tonight", "April"),
    VQ_TRANSLATE_NOOP("Tonight", "May"),       VQ_TRANSLATE_NOOP("Tonight", "June"),
    VQ_TRANSLATE_NOOP("Tonight", "July"),      VQ_TRANSLATE_NOOP("Tonight", "August"),
    VQ_TRANSLATE_NOOP("Tonight", "September"), VQ_TRANSLATE_NOOP("Tonight", "October"),
    VQ_TRANSLATE_NOOP("Tonight", "November"),  VQ_TRANSLATE_NOOP("Tonight", "December"),
};

std::string Month(int month) {
    return Translate("Tonight", Months[(month >= 1 && month <= 12) ? month - 1 : 0]);
}

// An angle for a sentence, with the language's decimal point.
std::string Degrees(double value) {
    return FormatDecimal(value, 1);
}

}  // namespace

std::string FillIn(const std::string& pattern, std::initializer_list<std::string> values) {
    const std::vector<std::string> list(values);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < list.size()) {
            text += list[n];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

// The quarters and the new and full Moon take the few per cent of the lit fraction about them
// (about half a day either side); crescents and gibbous Moons the rest.
std::string MoonPhaseName(double litFraction, bool waxing) {
    if (litFraction < 0.03) return Translate("Tonight", "New Moon");
    if (litFraction > 0.97) return Translate("Tonight", "Full Moon");
    if (litFraction >= 0.47 && litFraction <= 0.53)
        return waxing ? Translate("Tonight", "First Quarter")
                      : Translate("Tonight", "Last Quarter");
    if (litFraction < 0.5)
        return waxing ? Translate("Tonight", "Waxing Crescent")
                      : Translate("Tonight", "Waning Crescent");
    return waxing ? Translate("Tonight", "Waxing Gibbous") : Translate("Tonight", "Waning Gibbous");
}

std::string NightNote(const Tonight& tonight) {
    if (tonight.midnightSun)
        return Translate("Tonight", "Midnight Sun: the Sun does not set tonight.");
    if (tonight.polarNight && tonight.darkness == NightDarkness::Astronomical)
        return Translate("Tonight", "Polar night: the Sun does not rise today.");
    const std::string lowest = Degrees(tonight.sunLowest);
    std::string note;
    switch (tonight.darkness) {
        case NightDarkness::Astronomical:
            return {};
        case NightDarkness::Nautical:
            note = Translate("Tonight",
                             "No astronomical darkness tonight: the Sun goes no lower than %1 "
                             "degrees.");
            break;
        case NightDarkness::Civil:
            note = Translate(
                "Tonight", "No nautical darkness tonight: the Sun goes no lower than %1 degrees.");
            break;
        case NightDarkness::None:
            note =
                Translate("Tonight", "Twilight all night: the Sun goes no lower than %1 degrees.");
            break;
    }
    if (tonight.polarNight)
        note = Translate("Tonight", "Polar night: the Sun does not rise today.") + " " + note;
    return FillIn(note, {lowest});
}

std::string ClockName(const ChartView& view) {
    if (!view.placeCaption) return Translate("Tonight", "local mean time");
    if (view.zoneName.empty()) return "UT";
    if (view.zoneName.rfind("UTC", 0) == 0) return view.zoneName;
    return FillIn(Translate("Tonight", "%1 time"), {view.zoneName});
}

std::string ClockText(const SystemTime& time) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", time.hour, time.minute);
    return text;
}

std::string TonightTitle(const Tonight& tonight, const ChartView& view, double latitude) {
    const SystemTime& begin = tonight.night.begin;
    const SystemTime& end = tonight.night.end;
    std::string dates;
    if (begin.month == end.month) {
        dates = FillIn(Translate("Tonight", "%1 to %2 %3 %4"),
                       {std::to_string(begin.day), std::to_string(end.day), Month(end.month),
                        std::to_string(end.year)});
    } else {
        dates = FillIn(Translate("Tonight", "%1 %2 to %3 %4 %5"),
                       {std::to_string(begin.day), Month(begin.month), std::to_string(end.day),
                        Month(end.month), std::to_string(end.year)});
    }
    std::string where = LatitudeText(latitude);
    if (view.placeCaption) where += "  " + LongitudeText(-view.longitude);
    if (!view.placeName.empty()) where = view.placeName + " (" + where + ")";
    return FillIn(Translate("Tonight", "Tonight at %1: %2, %3"), {where, dates, ClockName(view)});
}

namespace {

struct SunEvent {
    const char* kind;
    const char* words;
};
constexpr SunEvent Dusks[3] = {
    {"civil dusk", VQ_TRANSLATE_NOOP("Tonight", "End of civil twilight")},
    {"nautical dusk", VQ_TRANSLATE_NOOP("Tonight", "End of nautical twilight")},
    {"astronomical dusk", VQ_TRANSLATE_NOOP("Tonight", "End of astronomical twilight")}};
constexpr SunEvent Dawns[3] = {
    {"civil dawn", VQ_TRANSLATE_NOOP("Tonight", "Civil dawn")},
    {"nautical dawn", VQ_TRANSLATE_NOOP("Tonight", "Nautical dawn")},
    {"astronomical dawn", VQ_TRANSLATE_NOOP("Tonight", "Astronomical dawn")}};

const char* KindOf(TonightKind kind) {
    switch (kind) {
        case TonightKind::Planet:
            return "planet";
        case TonightKind::Star:
            return "star";
        case TonightKind::Constellation:
            return "constellation";
        case TonightKind::DeepSky:
            return "deep-sky";
    }
    return "";
}

bool Before(const SystemTime& a, const SystemTime& b) {
    return IsoTime(a) < IsoTime(b);
}

}  // namespace

std::vector<TonightLine> TonightLines(const Tonight& tonight) {
    std::vector<TonightLine> lines;
    auto event = [&](TonightSection section, const char* kind, const char* name, const char* words,
                     const std::optional<SystemTime>& time) {
        const FoundObject body{FoundKind::Body, section == TonightSection::Sun ? SunRow : MoonRow};
        if (time)
            lines.push_back(
                {section, kind, name, Translate("Tonight", words), time, {}, "-", body});
    };
    auto note = [&](TonightSection section, const std::string& words) {
        lines.push_back({section, "note", "-", words, {}, {}, words, {}});
    };
    event(TonightSection::Sun, "sunset", "Sun", VQ_TRANSLATE_NOOP("Tonight", "Sunset"),
          tonight.sunset);
    for (int level = 0; level < 3; ++level)
        event(TonightSection::Sun, Dusks[level].kind, "Sun", Dusks[level].words,
              tonight.dusk[level]);
    for (int level = 2; level >= 0; --level)
        event(TonightSection::Sun, Dawns[level].kind, "Sun", Dawns[level].words,
              tonight.dawn[level]);
    event(TonightSection::Sun, "sunrise", "Sun", VQ_TRANSLATE_NOOP("Tonight", "Sunrise"),
          tonight.sunrise);
    if (const std::string unusual = NightNote(tonight); !unusual.empty())
        note(TonightSection::Sun, unusual);

    const bool setFirst =
        tonight.moonset && (!tonight.moonrise || Before(*tonight.moonset, *tonight.moonrise));
    if (setFirst)
        event(TonightSection::Moon, "moonset", "Moon", VQ_TRANSLATE_NOOP("Tonight", "Moonset"),
              tonight.moonset);
    event(TonightSection::Moon, "moonrise", "Moon", VQ_TRANSLATE_NOOP("Tonight", "Moonrise"),
          tonight.moonrise);
    if (!setFirst)
        event(TonightSection::Moon, "moonset", "Moon", VQ_TRANSLATE_NOOP("Tonight", "Moonset"),
              tonight.moonset);
    if (tonight.moonUpAllNight)
        note(TonightSection::Moon, Translate("Tonight", "The Moon is up all night."));
    if (tonight.moonDownAllNight)
        note(TonightSection::Moon, Translate("Tonight", "The Moon is down all night."));
    const std::string percent =
        std::to_string(static_cast<int>(std::lround(tonight.moonLit * 100)));
    lines.push_back({TonightSection::Moon,
                     "moon",
                     MoonPhaseName(tonight.moonLit, tonight.moonWaxing),
                     FillIn(Translate("Tonight", "%1, %2% lit"),
                            {MoonPhaseName(tonight.moonLit, tonight.moonWaxing), percent}),
                     tonight.middleOfDarkness,
                     {},
                     percent,
                     FoundObject{FoundKind::Body, MoonRow}});

    for (const ClockSpan& window : tonight.darkWindows)
        lines.push_back({TonightSection::Dark,
                         "dark",
                         "-",
                         Translate("Tonight", "Dark, no Moon"),
                         window.begin,
                         window.end,
                         IsoTime(window.end),
                         {}});
    if (tonight.darkWindows.empty())
        note(TonightSection::Dark,
             Translate("Tonight",
                       "No dark window tonight: no time with the Sun below -18 "
                       "degrees and the Moon down."));

    for (const std::vector<TonightObject>* list : {&tonight.planets, &tonight.worthALook}) {
        for (const TonightObject& object : *list) {
            char altitude[16];
            std::snprintf(altitude, sizeof altitude, "%.1f", object.altitude);
            lines.push_back(
                {list == &tonight.planets ? TonightSection::Planets : TonightSection::WorthALook,
                 KindOf(object.kind),
                 object.label,
                 object.label,
                 object.best,
                 {},
                 altitude,
                 object.object});
        }
    }
    if (tonight.darkness == NightDarkness::None)
        note(TonightSection::WorthALook,
             Translate("Tonight",
                       "Too light tonight for the list: the Sun stays above -6 degrees."));
    return lines;
}

std::string KindWords(const char* kind) {
    static constexpr struct {
        const char* kind;
        const char* words;
    } Words[] = {{"planet", VQ_TRANSLATE_NOOP("Tonight", "Planet")},
                 {"star", VQ_TRANSLATE_NOOP("Tonight", "Star")},
                 {"constellation", VQ_TRANSLATE_NOOP("Tonight", "Constellation")},
                 {"deep-sky", VQ_TRANSLATE_NOOP("Tonight", "Deep-sky object")}};
    for (const auto& row : Words)
        if (std::string_view(kind) == row.kind) return Translate("Tonight", row.words);
    return {};
}

std::string TonightRow(const TonightLine& line) {
    std::string value = line.value.empty() ? "-" : line.value;
    return std::string(line.kind) + "\t" + (line.name.empty() ? "-" : line.name) + "\t" +
           (line.time ? IsoTime(*line.time) : "-") + "\t" + value;
}
