// The Milky Way and boundary texts, and where a place lies with respect to a boundary.
//   milkyway.txt:   "Level N" opens step N (1..5); "M ra dec" opens a ring, "D ra dec" goes on.
//   boundaries.txt: a line with the abbreviation opens a ring; "D ra dec" and "S ra dec" are its
//                   points, D where the piece arriving at the point is drawn, S where it is not.
// Right ascension in hours, declination in degrees; the text ends at a line beginning with '%'.
#include "catalog/sky_outlines.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

namespace {

constexpr double Radian = std::numbers::pi / 180.0;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// A number after optional white space, as from_chars reads it (no sign but '-'); `at` moves past.
bool ReadNumber(const char*& at, const char* end, double& value) {
    while (at < end && IsSpace(*at)) ++at;
    const std::from_chars_result read = std::from_chars(at, end, value);
    if (read.ec != std::errc() || (read.ptr < end && !IsSpace(*read.ptr))) return false;
    at = read.ptr;
    return true;
}

// "X ra dec" with X one of `letters`, the place finite and on the sky, nothing after but white
// space; the letter comes back. Thousands of these lines are read, so without scanf.
bool ReadPoint(const char* line, const char* letters, char& letter, OutlinePoint& point) {
    const char* at = line;
    const char* end = line + std::strlen(line);
    while (at < end && IsSpace(*at)) ++at;
    if (at == end || std::strchr(letters, *at) == nullptr || at + 1 == end || !IsSpace(at[1]))
        return false;
    const char code = *at++;
    double ra = 0, dec = 0;
    if (!ReadNumber(at, end, ra) || !ReadNumber(at, end, dec)) return false;
    while (at < end && IsSpace(*at)) ++at;
    if (at != end || !(ra >= 0 && ra <= 24) || !(dec >= -90 && dec <= 90)) return false;
    letter = code;
    point.rightAscension = ra;
    point.declination = dec;
    point.x = std::cos(dec * Radian) * std::cos(ra * 15 * Radian);
    point.y = std::cos(dec * Radian) * std::sin(ra * 15 * Radian);
    point.z = std::sin(dec * Radian);
    point.drawn = code != 'S';
    return true;
}

// Rings of fewer than three points outline nothing.
void KeepRing(std::vector<OutlineRing>& rings, OutlineRing& ring) {
    if (ring.size() >= 3) rings.push_back(std::move(ring));
    ring.clear();
}

}  // namespace

MilkyWayOutline ReadMilkyWay(const ResourceText& text) {
    MilkyWayOutline outline;
    ResourceCursor cursor = OpenResource(text);
    char line[LineBufferSize];
    std::vector<OutlineRing>* step = nullptr;
    OutlineRing ring;
    while (ReadResourceLine(cursor, line)) {
        int level = 0;
        char rest = 0;
        if (std::sscanf(line, " Level %d %c", &level, &rest) == 1) {
            if (step != nullptr) KeepRing(*step, ring);
            ring.clear();
            step = level >= 1 && level <= MilkyWaySteps ? &outline.steps[level - 1] : nullptr;
            continue;
        }
        char letter = 0;
        OutlinePoint point;
        if (step == nullptr || !ReadPoint(line, "MD", letter, point)) continue;
        if (letter == 'M') KeepRing(*step, ring);
        ring.push_back(point);
    }
    if (step != nullptr) KeepRing(*step, ring);
    return outline;
}

std::vector<ConstellationBoundary> ReadConstellationBoundaries(const ResourceText& text) {
    std::vector<ConstellationBoundary> boundaries;
    ResourceCursor cursor = OpenResource(text);
    char line[LineBufferSize];
    auto close = [&boundaries] {
        if (!boundaries.empty() && boundaries.back().ring.size() < 3) boundaries.pop_back();
    };
    while (ReadResourceLine(cursor, line)) {
        char letter = 0;
        OutlinePoint point;
        if (ReadPoint(line, "DS", letter, point)) {
            if (!boundaries.empty()) boundaries.back().ring.push_back(point);
            continue;
        }
        char name[LineBufferSize] = {};
        char rest = 0;
        // An abbreviation: one word of letters.
        if (std::sscanf(line, " %199[A-Za-z] %c", name, &rest) != 1) continue;
        close();
        boundaries.push_back(ConstellationBoundary{name, {}});
    }
    close();
    return boundaries;
}

const MilkyWayOutline& ShippedMilkyWay() {
    static const MilkyWayOutline outline = ReadMilkyWay(FindTextResource("MILKYWAYDATA"));
    return outline;
}

const std::vector<ConstellationBoundary>& ShippedBoundaries() {
    static const std::vector<ConstellationBoundary> boundaries =
        ReadConstellationBoundaries(FindTextResource("BOUNDARIESDATA"));
    return boundaries;
}

// Gnomonic projection about the unit vector c: a point p with p.c > 0 goes to the tangent plane
// at c, p / (p.c), written in a basis (e, n) of that plane.
bool InsideBoundary(const OutlineRing& ring, double rightAscension, double declination) {
    if (ring.size() < 3) return false;
    double cx = 0, cy = 0, cz = 0;
    for (const OutlinePoint& p : ring) cx += p.x, cy += p.y, cz += p.z;
    const double length = std::sqrt(cx * cx + cy * cy + cz * cz);
    if (length == 0) return false;
    cx /= length, cy /= length, cz /= length;
    // e: horizontal in the tangent plane (perpendicular to c and the pole), n = c x e.
    double ex = -cy, ey = cx, ez = 0;
    const double eLength = std::hypot(ex, ey);
    if (eLength < 1e-12) {
        ex = 1, ey = 0;  // c at a pole
    } else {
        ex /= eLength, ey /= eLength;
    }
    const double nx = cy * ez - cz * ey, ny = cz * ex - cx * ez, nz = cx * ey - cy * ex;
    auto plane = [&](double x, double y, double z, double& u, double& v) {
        const double along = x * cx + y * cy + z * cz;
        if (along <= 1e-9) return false;
        u = (x * ex + y * ey + z * ez) / along;
        v = (x * nx + y * ny + z * nz) / along;
        return true;
    };
    const double a = rightAscension * 15 * Radian, d = declination * Radian;
    double pu = 0, pv = 0;
    if (!plane(std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d), pu, pv))
        return false;
    bool inside = false;
    double bu = 0, bv = 0;
    const OutlinePoint& last = ring.back();
    if (!plane(last.x, last.y, last.z, bu, bv)) return false;
    for (const OutlinePoint& p : ring) {
        double au = 0, av = 0;
        if (!plane(p.x, p.y, p.z, au, av)) return false;
        if ((av > pv) != (bv > pv) && pu < (bu - au) * (pv - av) / (bv - av) + au) inside = !inside;
        bu = au, bv = av;
    }
    return inside;
}
