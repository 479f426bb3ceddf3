// The words of Tonight, shared by the window's panel, the renderer's text and the observing sheet:
// the Moon's phase, what kind of night it is, the clock the times are on, the times themselves.
// Every text passes through Translate; numbers go into whole-sentence patterns as %1, %2, ...
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "chart/tonight.h"

// `pattern` with %1 ... %9 replaced by the values in order (a translation may reorder them).
std::string FillIn(const std::string& pattern, std::initializer_list<std::string> values);

// "New Moon", "Waxing Crescent", "First Quarter", "Waxing Gibbous", "Full Moon", "Waning
// Gibbous", "Last Quarter", "Waning Crescent" for a lit fraction and whether the Moon waxes.
std::string MoonPhaseName(double litFraction, bool waxing);

// What is unusual about the night, as one sentence, or nothing for a night with astronomical
// darkness: "Midnight Sun: the Sun does not set tonight.", "Polar night: the Sun does not rise
// today.", "No astronomical darkness tonight: the Sun goes no lower than -14.2 degrees." and so
// on.
std::string NightNote(const Tonight& tonight);

// The clock the times are on: "Europe/London time", "UTC+5:30", "UT", or "local mean time".
std::string ClockName(const ChartView& view);

// "21:03" (rise_set.h's IsoTime gives "2026-12-10T21:03:00").
std::string ClockText(const SystemTime& time);

// "Tonight at London (51.51\xB0 N  0.13\xB0 W): 10 to 11 December 2026, Europe/London time",
// Latin-1.
std::string TonightTitle(const Tonight& tonight, const ChartView& view, double latitude);

// One line of Tonight as the panel, the renderer and the sheet show it, in order: the Sun's
// events, what is unusual about the night, the Moon, the dark windows, the planets, the list.
enum class TonightSection { Sun, Moon, Dark, Planets, WorthALook };
struct TonightLine {
    TonightSection section = TonightSection::Sun;
    const char* kind = "";  // the renderer's key, never translated: "sunset", "civil dusk", ...
    std::string name;       // the object ("Sun", "Jupiter", "M42: Orion Nebula"), or "-"
    std::string words;      // what the panel and the sheet say: "Sunset", "Jupiter", ...
    std::optional<SystemTime> time;
    std::optional<SystemTime> until;    // the end of a dark window
    std::string value;                  // "52.3" (degrees), "3" (per cent lit), a note, or "-"
    std::optional<FoundObject> object;  // the object to find when the line is chosen
};
std::vector<TonightLine> TonightLines(const Tonight& tonight);

// The words for a line's kind: "Planet", "Star", "Constellation", "Deep-sky object".
std::string KindWords(const char* kind);

// The renderer's tab-separated row of a line: kind, name, time, value (the dark window's end for
// "dark"), "-" where there is none.
std::string TonightRow(const TonightLine& line);
