// The observer's place beyond the latitude: longitude, time zone and name, and how they become
// the chart's time basis. Shared by the window and the headless renderer.
//
// Longitudes here are east positive (ISO 6709, as users and tzdata write them); the chart's
// values count them west positive, as the sidereal time takes them.
#pragma once

#include <QDateTime>
#include <QTimeZone>
#include <optional>
#include <string>

#include "chart/chart_pass.h"
#include "chart/time_basis.h"

struct Place {
    double longitudeEast = 0.0;  // degrees, -180..180
    std::string zone;            // an IANA name or "UTC+5:30"; empty: the picker shows UT
    std::string name;            // optional, shown on the chart
    bool operator==(const Place&) const = default;
};

inline constexpr double MaxLongitude = 180.0;

// A latitude or longitude typed by a user: a decimal number of degrees, either signed ("-33.86",
// "+151.2") or unsigned with its hemisphere letter after it in either case ("33.86 S", "74.006W").
// A degree sign may stand before the letter. Nothing for anything else or a value out of range.
std::optional<double> ParseLatitudeText(const std::string& text);
std::optional<double> ParseLongitudeText(const std::string& text);  // east positive

// A zone by name: an IANA name of the system's database ("Europe/London"), or a fixed offset
// "UTC", "UTC+5", "UTC-03:30", "UTC+14:00" (up to 14 hours either way).
std::optional<QTimeZone> ZoneFromName(const std::string& name);

// The name a zone is shown by: its IANA name, or "UTC+5:30" for a fixed offset.
std::string ZoneDisplayName(const QTimeZone& zone);

// A zone's clocks as the chart's civil-time rule. The offset for a local time is the one Qt
// resolves it to: in a spring-forward gap or an autumn repeat, the difference between the shown
// clock time and the instant Qt places it at.
class QtCivilTime final : public CivilTimeRule {
  public:
    explicit QtCivilTime(QTimeZone zone) : zone_(std::move(zone)) {}
    int OffsetSeconds(const SystemTime& civil) const override;
    int OffsetAtUniversal(const SystemTime& universal) const override;

  private:
    QTimeZone zone_;
};

// The view's time basis for a place at `latitude`: its longitude, its zone's rule (UT without
// one), its name and the caption lines. A place whose zone name is unknown keeps UT.
void ApplyPlace(ChartView& view, const Place& place);

// DrawChart with a view of the caller's: the pass on the program's latitude, its sidereal time
// left in ViewSettings.siderealTime.
void DrawChartWithView(const ChartView& view, const ChartWindow& window, Surface& surface,
                       ChartMode mode, const ChartPens& pens);

// The fields of a date and time as the picker holds them (day of week 0 for Sunday).
SystemTime ToSystemTime(const QDateTime& dateTime);

// `now` read on the clocks of `zone`, or, without one, on the machine's local clock.
SystemTime ClockTime(const QDateTime& now, const std::optional<QTimeZone>& zone);
