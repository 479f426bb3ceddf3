#include "cli/options.h"

#include <QCoreApplication>
#include <QStringList>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <sstream>
#include <utility>

#include "render/chart_export.h"
#include "render/language.h"
#include "render/place.h"
#include "render/planisphere_pages.h"

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// The languages --language takes, as "de, en, es, fr".
std::string LanguageList() {
    return AvailableLanguages(TranslationsFolder()).join(QStringLiteral(", ")).toStdString();
}

// A message in the user's language (UTF-8), its %1, %2, %3 filled with `values` at once.
std::string Message(const char* text, const std::vector<std::string>& values = {}) {
    const QString message = QCoreApplication::translate("Options", text);
    auto value = [&](std::size_t i) { return QString::fromStdString(values[i]); };
    switch (values.size()) {
        case 0:
            return message.toStdString();
        case 1:
            return message.arg(value(0)).toStdString();
        case 2:
            return message.arg(value(0), value(1)).toStdString();
        default:
            return message.arg(value(0), value(1), value(2)).toStdString();
    }
}

bool IsDigits(const std::string& text, std::size_t at, std::size_t count) {
    for (std::size_t i = at; i < at + count; ++i)
        if (i >= text.size() || text[i] < '0' || text[i] > '9') return false;
    return true;
}

int Digits(const std::string& text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Day of the week, 0 Sunday to 6 Saturday, of a Gregorian date (Sakamoto's method).
int DayOfWeek(int year, int month, int day) {
    static constexpr int offsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    return (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7;
}

// A constellation abbreviation as the catalogue writes them: two to four letters.
bool LooksLikeAbbreviation(const std::string& text) {
    if (text.size() < 2 || text.size() > 4) return false;
    for (char c : text)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
    return true;
}

bool ParseFigures(const std::string& text, ChartOptions& options) {
    options.allFigures = false;
    options.figures.clear();
    if (text == "all") {
        options.allFigures = true;
        return true;
    }
    if (text == "none") return true;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma - start);
        if (!LooksLikeAbbreviation(item)) return false;
        options.figures.push_back(item);
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

// What --tonight cannot go with, as a message, or nothing.
std::string TonightClash(const ChartOptions& o) {
    if (o.planisphere)
        return Message(QT_TRANSLATE_NOOP(
            "Options", "--tonight cannot go with --planisphere: give one of them"));
    if (o.list || !o.find.empty())
        return Message(QT_TRANSLATE_NOOP(
            "Options", "--tonight cannot go with --list or --find: give one of them"));
    if (o.night)
        return Message(QT_TRANSLATE_NOOP(
            "Options", "--tonight's sheet is printed: it cannot go with --night"));
    const std::string extension =
        o.output.size() >= 4
            ? QString::fromStdString(o.output.substr(o.output.size() - 4)).toLower().toStdString()
            : "";
    if (!o.output.empty() && extension != ".pdf")
        return Message(QT_TRANSLATE_NOOP("Options",
                                         "--tonight writes its observing sheet as a PDF: "
                                         "-o FILE.pdf, not %1"),
                       {Quoted(o.output)});
    return {};
}

}  // namespace

// A decimal number written in full, in any locale: digits with an optional sign, point and
// exponent. Infinities and NaN are not numbers here.
std::optional<double> ParseDecimal(const std::string& text) {
    std::size_t start = !text.empty() && text[0] == '+' ? 1 : 0;
    if (start == 1 && text.size() > 1 && text[1] == '-') return std::nullopt;
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, status] =
        std::from_chars(text.data() + start, end, value, std::chars_format::general);
    if (status != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// "YYYY-MM-DDTHH:MM:SS" (a blank may stand for the T), a valid date of the Gregorian calendar
// from year 1 to 9999 and a time of day from 00:00:00 to 23:59:59.
std::optional<SystemTime> ParseTime(const std::string& text) {
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' ||
        (text[10] != 'T' && text[10] != ' ') || text[13] != ':' || text[16] != ':')
        return std::nullopt;
    if (!IsDigits(text, 0, 4) || !IsDigits(text, 5, 2) || !IsDigits(text, 8, 2) ||
        !IsDigits(text, 11, 2) || !IsDigits(text, 14, 2) || !IsDigits(text, 17, 2))
        return std::nullopt;
    SystemTime time;
    time.year = Digits(text, 0, 4);
    time.month = Digits(text, 5, 2);
    time.day = Digits(text, 8, 2);
    time.hour = Digits(text, 11, 2);
    time.minute = Digits(text, 14, 2);
    time.second = Digits(text, 17, 2);
    if (time.year < 1 || time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > DaysInMonth(time.year, time.month) || time.hour > 23 || time.minute > 59 ||
        time.second > 59)
        return std::nullopt;
    time.dayOfWeek = DayOfWeek(time.year, time.month, time.day);
    return time;
}

std::optional<double> ParseFacing(const std::string& text) {
    for (const CompassPoint& point : CompassPoints)
        if (text == point.label) return point.azimuth;
    return std::nullopt;
}

bool ParseSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return false;
    const char* begin = text.data();
    const char* end = begin + text.size();
    int w = 0, h = 0;
    const auto first = std::from_chars(begin, begin + x, w);
    const auto second = std::from_chars(begin + x + 1, end, h);
    if (first.ec != std::errc() || first.ptr != begin + x || second.ec != std::errc() ||
        second.ptr != end)
        return false;
    if (w < MinChartSide || w > MaxChartSide || h < MinChartSide || h > MaxChartSide) return false;
    width = w;
    height = h;
    return true;
}

std::optional<ChartLabels> ParseLabels(const std::string& text) {
    ChartLabels labels;
    if (text == "none") return labels;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma - start);
        bool* flag = item == "stars"                ? &labels.stars
                     : item == "constellations"     ? &labels.constellations
                     : item == "all-constellations" ? &labels.allConstellations
                     : item == "planets"            ? &labels.bodies
                     : item == "deep-sky"           ? &labels.deepSky
                     : item == "legend"             ? &labels.legend
                                                    : nullptr;
        if (item == "all") {
            labels.stars = labels.constellations = labels.bodies = labels.deepSky = true;
        } else if (flag == nullptr) {
            return std::nullopt;
        } else {
            *flag = true;
        }
        if (comma == std::string::npos) return labels;
        start = comma + 1;
    }
}

// Each name of the list sets its layer; "all" sets every one. An empty name (",," or a trailing
// comma) or an unknown one refuses the whole list.
std::optional<SkyLayers> ParseSkyLayers(const std::string& text) {
    static constexpr std::pair<const char*, bool SkyLayers::*> names[] = {
        {"milky-way", &SkyLayers::milkyWay}, {"boundaries", &SkyLayers::boundaries},
        {"ecliptic", &SkyLayers::ecliptic},  {"equator", &SkyLayers::equator},
        {"grid", &SkyLayers::grid},
    };
    SkyLayers sky;
    if (text == "none") return sky;
    if (text.empty() || text.back() == ',') return std::nullopt;
    std::istringstream list(text);
    std::string item;
    while (std::getline(list, item, ',')) {
        bool known = item == "all";
        for (const auto& [name, flag] : names) {
            if (item == "all" || item == name) {
                sky.*flag = true;
                known = true;
            }
        }
        if (!known) return std::nullopt;
    }
    return sky;
}

ParseResult ParseOptions(const std::vector<std::string>& arguments) {
    ParseResult result;
    ChartOptions& o = result.options;
    auto fail = [&](std::string message) {
        result.ok = false;
        result.error = std::move(message);
        return result;
    };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        const std::size_t equals = name.find('=');
        if (name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const bool takesValue = name == "--latitude" || name == "--time" || name == "--magnitude" ||
                                name == "--facing" || name == "--figures" || name == "--size" ||
                                name == "-o" || name == "--find" || name == "--labels" ||
                                name == "--longitude" || name == "--zone" || name == "--place" ||
                                name == "--page" || name == "--language" || name == "--sky";
        if (takesValue && !value) {
            if (i + 1 >= arguments.size())
                return fail(
                    Message(QT_TRANSLATE_NOOP("Options", "option %1 needs a value"), {name}));
            value = arguments[++i];
        } else if (!takesValue && value) {
            return fail(Message(QT_TRANSLATE_NOOP("Options", "option %1 takes no value"), {name}));
        }

        if (name == "--help" || name == "-h") {
            o.help = true;
        } else if (name == "--latitude") {
            const auto latitude = ParseDecimal(*value);
            if (!latitude || !IsLatitude(*latitude))
                return fail(Message(QT_TRANSLATE_NOOP("Options",
                                                      "--latitude must be a number of degrees "
                                                      "from -90 (south) to 90 (north), not %1"),
                                    {Quoted(*value)}));
            o.latitude = *latitude;
        } else if (name == "--time" && *value == "now") {
            o.time.reset();
            o.timeNow = true;
        } else if (name == "--longitude") {
            const auto longitude = ParseLongitudeText(*value);
            if (!longitude)
                return fail(Message(QT_TRANSLATE_NOOP("Options",
                                                      "--longitude must be degrees from -180 "
                                                      "(west) to 180 (east), or unsigned with W "
                                                      "or E after it (74.006W, 0.13E), not %1"),
                                    {Quoted(*value)}));
            o.longitudeEast = *longitude;
        } else if (name == "--zone" || name == "--place") {
            if (value->empty())
                return fail(Message(QT_TRANSLATE_NOOP("Options", "%1 needs a name"), {name}));
            (name == "--zone" ? o.zone : o.place) = *value;
        } else if (name == "--time") {
            o.timeNow = false;
            const auto time = ParseTime(*value);
            if (!time)
                return fail(Message(QT_TRANSLATE_NOOP("Options",
                                                      "--time must be a date and time written "
                                                      "YYYY-MM-DDTHH:MM:SS, for example "
                                                      "2024-01-15T21:00:00, not %1"),
                                    {Quoted(*value)}));
            o.time = *time;
        } else if (name == "--magnitude") {
            const auto magnitude = ParseDecimal(*value);
            if (!magnitude || *magnitude < 0 || *magnitude > FaintestDimmestMagnitude)
                return fail(
                    Message(QT_TRANSLATE_NOOP("Options",
                                              "--magnitude must be a number from 0 to 6.5, not %1"),
                            {Quoted(*value)}));
            o.magnitude = *magnitude;
        } else if (name == "--facing") {
            const auto facing = ParseFacing(*value);
            if (!facing)
                return fail(Message(
                    QT_TRANSLATE_NOOP("Options",
                                      "--facing must be one of N, NE, E, SE, S, SW, W, NW, not %1"),
                    {Quoted(*value)}));
            o.facing = *facing;
        } else if (name == "--figures") {
            if (!ParseFigures(*value, o))
                return fail(Message(QT_TRANSLATE_NOOP("Options",
                                                      "--figures must be all, none, or "
                                                      "constellation abbreviations separated by "
                                                      "commas (for example Ori,CMa), not %1"),
                                    {Quoted(*value)}));
        } else if (name == "--deep-sky") {
            o.deepSky = true;
        } else if (name == "--size") {
            if (!ParseSize(*value, o.width, o.height))
                return fail(Message(
                    QT_TRANSLATE_NOOP("Options",
                                      "--size must be WIDTHxHEIGHT in pixels, "
                                      "each from %1 to %2, not %3"),
                    {std::to_string(MinChartSide), std::to_string(MaxChartSide), Quoted(*value)}));
        } else if (name == "--print") {
            o.print = true;
        } else if (name == "-o") {
            if (value->empty())
                return fail(Message(QT_TRANSLATE_NOOP("Options", "-o needs a file name")));
            if (FindExportWriter(*value) == nullptr)
                return fail(Message(QT_TRANSLATE_NOOP("Options",
                                                      "the output file name must end in %1, not "
                                                      "%2"),
                                    {KnownExportExtensions(), Quoted(*value)}));
            o.output = *value;
        } else if (name == "--labels") {
            const auto labels = ParseLabels(*value);
            if (!labels)
                return fail(Message(QT_TRANSLATE_NOOP("Options",
                                                      "--labels must be all, none, or some of "
                                                      "stars, constellations, all-constellations, "
                                                      "planets, deep-sky, legend separated by "
                                                      "commas, not %1"),
                                    {Quoted(*value)}));
            o.labels = *labels;
        } else if (name == "--sky") {
            const auto sky = ParseSkyLayers(*value);
            if (!sky)
                return fail(Message(QT_TRANSLATE_NOOP("Options",
                                                      "--sky must be all, none, or some of "
                                                      "milky-way, boundaries, ecliptic, equator, "
                                                      "grid separated by commas, not %1"),
                                    {Quoted(*value)}));
            o.sky = *sky;
        } else if (name == "--list") {
            o.list = true;
        } else if (name == "--find") {
            if (value->empty())
                return fail(Message(QT_TRANSLATE_NOOP("Options", "--find needs a name")));
            o.find = *value;
        } else if (name == "--night") {
            o.night = true;
        } else if (name == "--precise") {
            o.precise = true;
        } else if (name == "--planisphere") {
            o.planisphere = true;
        } else if (name == "--language") {
            if (value->empty())
                return fail(Message(QT_TRANSLATE_NOOP("Options", "%1 needs a name"), {name}));
            o.language = *value;  // cli/main.cpp chooses the translation
        } else if (name == "--tonight") {
            o.tonight = true;
        } else if (name == "--page") {
            const auto paper = ParsePaperSize(*value);
            if (!paper)
                return fail(
                    Message(QT_TRANSLATE_NOOP("Options", "--page must be A4 or Letter, not %1"),
                            {Quoted(*value)}));
            o.letterPaper = *paper == PaperSize::Letter;
        } else {
            return fail(
                Message(QT_TRANSLATE_NOOP("Options", "unknown option %1"), {Quoted(arguments[i])}));
        }
    }
    if (o.night && o.print)
        return fail(Message(
            QT_TRANSLATE_NOOP("Options", "--night is a screen look and cannot go with --print")));
    if (o.planisphere && PlanisphereFileNames(o.output).empty())
        return fail(Message(QT_TRANSLATE_NOOP(
            "Options", "--planisphere needs -o FILE ending in .pdf, .svg or .png")));
    if (o.tonight) {
        if (const std::string clash = TonightClash(o); !clash.empty()) return fail(clash);
    }
    if (!o.help && o.output.empty() && !o.list && o.find.empty() && !o.tonight)
        return fail(Message(
            QT_TRANSLATE_NOOP("Options", "nothing to do: give -o FILE, --list or --find NAME")));
    result.ok = true;
    return result;
}

// One text for the translators, so that they keep its columns (and clang-format keeps its
// lines); %1 is the list of extensions, %2 the list of languages.
std::string UsageText() {
    // clang-format off
    return Message(QT_TRANSLATE_NOOP("Options",
           "Usage: velquorran-chart [options] (-o FILE | --list | --find NAME | --tonight)\n"
           "Draws the sky above the horizon for a latitude and an instant, as a disc.\n"
           "\n"
           "  --latitude DEG     observer latitude, -90 (south) to 90 (north); default: the\n"
           "                     number in Settings.dat in this folder, else 0\n"
           "  --time YYYY-MM-DDTHH:MM:SS\n"
           "                     date and time of the chart, or now; default: now. It is\n"
           "                     civil time in the --zone given, else UT (the local clock's\n"
           "                     time for now, when neither place nor zone is given)\n"
           "  --longitude DEG    observer longitude, east positive (-180 to 180), or with W\n"
           "                     or E after it (74.006W, 0.13E); default 0\n"
           "  --zone NAME        time zone of --time: an IANA name (Europe/London) or UTC+hh:mm\n"
           "  --place NAME       a city of the system's time-zone database (London, New York):\n"
           "                     its latitude, longitude and zone, unless given separately\n"
           "  --magnitude M      dimmest star magnitude shown, 0 to 6.5; default 4.4\n"
           "  --facing DIR       direction at the bottom of the chart: N, NE, E, SE, S, SW, W\n"
           "                     or NW; default S\n"
           "  --figures LIST     constellation figures: all, none or abbreviations separated\n"
           "                     by commas (Ori,CMa,UMa); default none\n"
           "  --deep-sky         mark the Messier objects\n"
           "  --size WxH         picture size in pixels, 100 to 10000 each; default 1200x900\n"
           "  --print            black on white, as printed\n"
           "  --labels LIST      names on the chart: all, none, or some of stars,\n"
           "                     constellations, all-constellations, planets, deep-sky,\n"
           "                     legend separated by commas; default none\n"
           "  --sky LIST         the sky's own lines and shapes under the stars: all, none, or\n"
           "                     some of milky-way, boundaries, ecliptic, equator, grid\n"
           "                     separated by commas; also on the planisphere's wheel\n"
           "                     (milky-way, boundaries); default none\n"
           "  --night            red on black, for eyes adapted to the dark\n"
           "  -o FILE            write the chart to FILE: %1\n"
           "  --list             list what is above the horizon: label, altitude and azimuth\n"
           "                     (degrees), x and y on the chart, separated by tabs\n"
           "  --find NAME        where a star, Messier object, planet, the Moon, the Sun or a\n"
           "                     constellation stands, and its next rising, transit and setting:\n"
           "                     label, altitude, azimuth, rising, transit, setting (times as\n"
           "                     YYYY-MM-DDTHH:MM:SS, - where none), separated by tabs\n"
           "  --precise          precise positions: the Sun, Moon and planets to Neptune from\n"
           "                     ERFA, the stars precessed to the date; the list adds right\n"
           "                     ascension (hours) and declination (degrees) of date\n"
           "  --planisphere      with -o: a printable planisphere for the latitude, place and\n"
           "                     magnitude, two pages at 100% scale (star wheel, horizon\n"
           "                     mask): one .pdf, or FILE-1.svg and FILE-2.svg (.png alike)\n"
           "  --page SIZE        paper of the planisphere or the sheet: A4 (default) or Letter\n"
           "  --tonight          the night of --time: sunset, twilight, dawn, the Moon, the\n"
           "                     dark window, the planets and a list worth a look, as a\n"
           "                     header line and tab-separated rows; with -o FILE.pdf a\n"
           "                     one-page observing sheet\n"
           "  --language CODE    language of the texts and messages: %2\n"
           "                     (default: the system's, from LANGUAGE, LC_ALL,\n"
           "                     LC_MESSAGES and LANG)\n"
           "  --help             show this text\n"
           "\n"
           "Exit status: 0 done, 1 the chart, the sheet or the standard output could not be\n"
           "written, 2 bad options or a name --find does not know.\n"),
                   {KnownExportExtensions(), LanguageList()});
    // clang-format on
}
