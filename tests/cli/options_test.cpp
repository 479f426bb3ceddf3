// The renderer's command line: each good one gives its values, each bad one a message naming
// what was wrong.
#include "cli/options.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The parsed values in one line, or the error.
std::string Describe(const ParseResult& r) {
    if (!r.ok) return "error: " + r.error;
    const ChartOptions& o = r.options;
    std::ostringstream s;
    s << "lat " << o.latitude.value_or(999) << " mag " << o.magnitude << " facing " << o.facing;
    if (o.time)
        s << " time " << o.time->year << "-" << o.time->month << "-" << o.time->day << " day "
          << o.time->dayOfWeek << " " << o.time->hour << ":" << o.time->minute << ":"
          << o.time->second;
    s << " figures " << o.allFigures;
    for (const std::string& f : o.figures) s << " " << f;
    s << " flags " << o.deepSky << o.print << o.list << o.help << " " << o.width << "x" << o.height
      << " " << o.output << (o.precise ? " precise" : "");
    const ChartLabels& l = o.labels;
    if (l != ChartLabels{})
        s << " labels " << l.stars << l.constellations << l.allConstellations << l.bodies
          << l.deepSky << l.legend;
    const SkyLayers& k = o.sky;
    if (k.Any()) s << " sky " << k.milkyWay << k.boundaries << k.ecliptic << k.equator << k.grid;
    if (o.longitudeEast) s << " lon " << *o.longitudeEast;
    if (o.timeNow || !o.zone.empty() || !o.place.empty())
        s << " now " << o.timeNow << " zone " << o.zone << " place " << o.place;
    return s.str();
}

}  // namespace

// Good lines give exactly their description; bad ones ("!") an error containing the rest.
TEST(ParseOptions, GoodAndBadCommandLines) {
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"-o", "chart.png"}, "lat 999 mag 4.4 facing 180 figures 0 flags 0000 1200x900 chart.png"},
        {{"--latitude", "-33.5", "--time", "2024-01-15T21:05:09", "--magnitude", "6.5", "--facing",
          "NE", "--figures", "Ori,cma", "--deep-sky", "--size", "800x600", "--print", "-o",
          "out/sky.PDF", "--list"},  // 15 January 2024 was a Monday
         "lat -33.5 mag 6.5 facing 45 time 2024-1-15 day 1 21:5:9 figures 0 Ori cma flags 1110 "
         "800x600 out/sky.PDF"},
        {{"--list", "--latitude=+10", "--figures=all", "--latitude", "1e1", "--facing=W"},
         "lat 10 mag 4.4 facing 270 figures 1 flags 0010 1200x900 "},
        {{"--list", "--figures=Ori", "--figures=none", "--time", "2000-02-29 23:59:59", "--size",
          "100x10000", "--magnitude", "0"},
         "lat 999 mag 0 facing 180 time 2000-2-29 day 2 23:59:59 figures 0 flags 0010 100x10000 "},
        {{"--help"}, "lat 999 mag 4.4 facing 180 figures 0 flags 0001 1200x900 "},
        {{"--find", "Sirius"}, "lat 999 mag 4.4 facing 180 figures 0 flags 0000 1200x900 "},
        {{"--list", "--labels", "planets,all,legend"},
         "lat 999 mag 4.4 facing 180 figures 0 flags 0010 1200x900  labels 110111"},
        {{"--list", "--longitude", "74.006W", "--time", "2024-01-15T21:00:00", "--time=now",
          "--zone", "UTC+5:30", "--place=new york"},
         "lat 999 mag 4.4 facing 180 figures 0 flags 0010 1200x900  lon -74.006 now 1 zone "
         "UTC+5:30 place new york"},
        {{"--list", "--longitude", "181E"}, "!--longitude"},
        {{"--list", "--zone="}, "!--zone needs a name"},
        {{"--precise", "--list"},
         "lat 999 mag 4.4 facing 180 figures 0 flags 0010 1200x900  precise"},
        {{"--list", "--sky", "grid,milky-way"},
         "lat 999 mag 4.4 facing 180 figures 0 flags 0010 1200x900  sky 10001"},
        {{"--list", "--sky=equator,boundaries,ecliptic"},
         "lat 999 mag 4.4 facing 180 figures 0 flags 0010 1200x900  sky 01110"},
        {{"--list", "--sky", "all", "--sky", "none"},
         "lat 999 mag 4.4 facing 180 figures 0 flags 0010 1200x900 "},
        {{"--list", "--sky", "ecliptic,all"},
         "lat 999 mag 4.4 facing 180 figures 0 flags 0010 1200x900  sky 11111"},
        // clang-format off
        {{}, "!nothing to do"}, {{"--list", "--latitude", "90.01"}, "!--latitude"},
        {{"--list", "--latitude", "30,5"}, "!--latitude"},
        {{"--list", "--latitude", "nan"}, "!--latitude"},
        {{"--list", "--latitude", "+-1"}, "!--latitude"},
        {{"--list", "--latitude"}, "!needs a value"},
        {{"--list", "--time", "2024-02-30T00:00:00"}, "!--time"},
        {{"--list", "--time", "2100-02-29T00:00:00"}, "!--time"},
        {{"--list", "--time", "2024-01-15"}, "!--time"},
        {{"--list", "--time", "2024-01-15T24:00:00"}, "!--time"},
        {{"--list", "--time", "2024-1-15T21:00:00x"}, "!--time"},
        {{"--list", "--magnitude", "6.6"}, "!--magnitude"},
        {{"--list", "--facing", "NNE"}, "!--facing"},
        {{"--list", "--figures", "Ori,,CMa"}, "!--figures"},
        {{"--list", "--figures", "O"}, "!--figures"}, {{"--list", "--size", "99x100"}, "!--size"},
        {{"--list", "--size", "100x10001"}, "!--size"},
        {{"--list", "--size", "100X100"}, "!--size"},
        {{"--list", "--size", "100x100x100"}, "!--size"}, {{"-o", "chart.bmp"}, "!.png"},
        {{"-o", ""}, "!-o"}, {{"-o"}, "!needs a value"}, {{"--list", "stray"}, "!stray"},
        {{"--list", "--deep-sky=yes"}, "!takes no value"}, {{"--find="}, "!--find needs a name"},
        {{"--list", "--deep-sky=yes"}, "!takes no value"},
        {{"--list", "--labels", "stars,,planets"}, "!--labels"},
        {{"--list", "--sky", "milky-way,"}, "!--sky must be"},
        {{"--list", "--sky", "milkyway"}, "!--sky must be"},
        {{"--list", "--sky", ""}, "!--sky must be"}, {{"--list", "--sky"}, "!needs a value"},
        {{"--planisphere", "-o", "kit.emf"}, "!.pdf, .svg or .png"},
        {{"--planisphere", "--list"}, "!.pdf, .svg or .png"},
        {{"--page", "A5", "-o", "kit.pdf"}, "!--page must be A4 or Letter"},
        // clang-format on
    };
    for (const auto& [arguments, expected] : rows) {
        const std::string got = Describe(ParseOptions(arguments));
        const bool bad = expected[0] == '!';
        EXPECT_EQ(got.rfind("error: ", 0) == 0, bad) << got;
        EXPECT_TRUE(bad ? got.find(expected.substr(1)) != std::string::npos : got == expected)
            << got;
    }
}
