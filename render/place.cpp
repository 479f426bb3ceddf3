// Parsing a place, its zone, and the zone's clocks as the chart's time basis.
#include "render/place.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>

#include "chart/chart_pass.h"
#include "chart/view_settings.h"

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos) return {};
    return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

// Degrees from `text`: signed, or unsigned followed by `positive` or `negative` (any case).
std::optional<double> ParseDegrees(const std::string& text, char positive, char negative,
                                   double limit) {
    std::string number = Trimmed(text);
    int sign = 0;
    if (!number.empty()) {
        const char last =
            static_cast<char>(std::toupper(static_cast<unsigned char>(number.back())));
        if (last == positive || last == negative) {
            sign = last == positive ? 1 : -1;
            number = Trimmed(number.substr(0, number.size() - 1));
            for (const char* degree : {"\xC2\xB0", "\xB0"})  // UTF-8 or Latin-1 degree sign
                if (number.size() >= std::strlen(degree) &&
                    number.compare(number.size() - std::strlen(degree), std::string::npos,
                                   degree) == 0)
                    number = Trimmed(number.substr(0, number.size() - std::strlen(degree)));
        }
    }
    if (number.empty()) return std::nullopt;
    const bool signedNumber = number[0] == '+' || number[0] == '-';
    if (sign != 0 && signedNumber) return std::nullopt;  // "-5 N" says two things
    const std::size_t start = number[0] == '+' ? 1 : 0;
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, status] =
        std::from_chars(number.data() + start, end, value, std::chars_format::fixed);
    if (status != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    if (sign < 0) value = -value;
    if (std::fabs(value) > limit) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> ParseLatitudeText(const std::string& text) {
    return ParseDegrees(text, 'N', 'S', 90.0);
}

std::optional<double> ParseLongitudeText(const std::string& text) {
    return ParseDegrees(text, 'E', 'W', MaxLongitude);
}

std::optional<QTimeZone> ZoneFromName(const std::string& name) {
    const std::string text = Trimmed(name);
    if (text.rfind("UTC", 0) == 0) {
        const std::string rest = text.substr(3);
        if (rest.empty()) return QTimeZone(0);
        int hours = 0, minutes = 0;
        const char* begin = rest.data() + 1;
        const char* end = rest.data() + rest.size();
        if (rest[0] != '+' && rest[0] != '-') return std::nullopt;
        auto [stop, status] = std::from_chars(begin, end, hours);
        if (status != std::errc() || stop == begin || stop - begin > 2) return std::nullopt;
        if (stop != end) {
            if (*stop != ':' || end - stop != 3) return std::nullopt;
            const auto [minuteStop, minuteStatus] = std::from_chars(stop + 1, end, minutes);
            if (minuteStatus != std::errc() || minuteStop != end || minutes > 59)
                return std::nullopt;
        }
        const int offset = (hours * 60 + minutes) * 60;
        if (offset > 14 * 3600) return std::nullopt;
        return QTimeZone(rest[0] == '-' ? -offset : offset);
    }
    // Names are looked up as files of the system's database: only the characters IANA names use,
    // and no way out of the database's folder.
    if (text.empty() || text[0] == '/' || text.find("..") != std::string::npos ||
        text.find_first_not_of(
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789/_+-") !=
            std::string::npos)
        return std::nullopt;
    // A name the system's database does not hold gives an invalid zone. (Asking the database for
    // its list of names first costs milliseconds; this is called for every chart pass.)
    QTimeZone zone(QByteArray::fromStdString(text));
    if (!zone.isValid()) return std::nullopt;
    return zone;
}

std::string ZoneDisplayName(const QTimeZone& zone) {
    const std::string id = zone.id().toStdString();
    if (id.rfind("UTC", 0) == 0) return UtcOffsetText(zone.offsetFromUtc(QDateTime()));
    return id;
}

int QtCivilTime::OffsetSeconds(const SystemTime& civil) const {
    const QDate date(civil.year, civil.month, civil.day);
    const QTime time(civil.hour, civil.minute, civil.second);
    const QDateTime shown(date, time, Qt::UTC);
    const QDateTime local(date, time, zone_);
    if (!local.isValid() || !shown.isValid()) return zone_.standardTimeOffset(shown);
    return static_cast<int>(local.secsTo(shown));
}

int QtCivilTime::OffsetAtUniversal(const SystemTime& universal) const {
    const QDateTime instant(QDate(universal.year, universal.month, universal.day),
                            QTime(universal.hour, universal.minute, universal.second), Qt::UTC);
    return instant.isValid() ? zone_.offsetFromUtc(instant) : 0;
}

void ApplyPlace(ChartView& view, const Place& place) {
    view.longitude = -place.longitudeEast;
    view.placeCaption = true;
    view.placeName = QString::fromStdString(place.name).toLatin1().toStdString();
    view.zone.reset();
    view.utcOffsetSeconds = 0;
    view.zoneName.clear();
    if (const std::optional<QTimeZone> zone = ZoneFromName(place.zone)) {
        view.zone = std::make_shared<QtCivilTime>(*zone);
        view.zoneName = ZoneDisplayName(*zone);
    }
}

void DrawChartWithView(const ChartView& view, const ChartWindow& window, Surface& surface,
                       ChartMode mode, const ChartPens& pens) {
    const ChartPassResult pass =
        RunChartPass(window, surface, mode, ViewSettings.margin, view, ViewSettings.latitude, pens);
    ViewSettings.siderealTime = pass.observer.siderealTime;
}

SystemTime ToSystemTime(const QDateTime& dateTime) {
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    SystemTime result;
    result.year = date.year();
    result.month = date.month();
    result.dayOfWeek = date.dayOfWeek() % 7;  // Qt: Monday 1 .. Sunday 7
    result.day = date.day();
    result.hour = time.hour();
    result.minute = time.minute();
    result.second = time.second();
    result.milliseconds = time.msec();
    return result;
}

SystemTime ClockTime(const QDateTime& now, const std::optional<QTimeZone>& zone) {
    return ToSystemTime(zone ? now.toTimeZone(*zone) : now.toLocalTime());
}
