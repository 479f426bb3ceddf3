"""The two outline texts of the sky, for tools/make_catalogues.py: the Milky Way in five
brightness steps (milkyway.txt) and the IAU constellation boundaries (boundaries.txt).

milkyway.txt, from milkyway.outline.json (GeoJSON MultiPolygons ol1 faintest .. ol5 brightest):
    Level N          five blocks, N = 1 (faintest) to 5 (brightest)
    M ra dec         the first point of a closed ring
    D ra dec         its next points; the ring closes back to its M point
The rings are simplified (Douglas-Peucker on the sphere) to within MILKY_WAY_TOLERANCE of the
source with points at most MILKY_WAY_STEP apart. A step is the set of points that an odd number
of its rings enclose, counted from either galactic pole: every ring keeps within
MILKY_WAY_LATITUDE of the galactic equator, which the generator checks and the chart relies on.

boundaries.txt, from constellations.bounds.json (one GeoJSON Polygon per constellation, Serpens
in two parts, corners only):
    Abr              a block per polygon, in file order; Serpens twice (head, then tail)
    D ra dec         the points of the closed ring, in order; the letter says whether the piece
    S ra dec         arriving at the point is drawn (D) or skipped (S), skipped where an earlier
                     block already draws that stretch of boundary, so that each is drawn once
    (empty line)
The boundaries run along the parallels and hour circles of the equinox B1875.0 (Delporte 1930):
each side is carried back to B1875 (IAU 1976 precession, Lieske et al. 1977), followed there in
pieces of at most BOUNDARY_STEP degrees of arc and BOUNDARY_RA_STEP of right ascension, and
brought back to J2000. The few sides near the B1875 pole that are neither follow great circles.

Right ascension in hours, declination in degrees, J2000; every line ends CR LF; each text ends
at a line beginning with '%'.
"""

import json
import math

CRLF = "\r\n"
MILKY_WAY_STEPS = ["ol1", "ol2", "ol3", "ol4", "ol5"]
MILKY_WAY_TOLERANCE = 0.05  # degrees
MILKY_WAY_STEP = 2.0  # degrees
MILKY_WAY_LATITUDE = 25.0  # degrees of galactic latitude: both celestial poles lie beyond
NORTH_GALACTIC_POLE = (192.85948, 27.12825)  # J2000 degrees (IAU 1958, carried to J2000)
BOUNDARY_COUNT = 89
BOUNDARY_STEP = 1.5  # degrees of arc
BOUNDARY_RA_STEP = 5.0  # degrees of right ascension
ALIGNED = 1e-3  # degrees: a side whose ends share a B1875 declination or right ascension
SAME_LINE = 3e-3  # degrees: two sides on the same B1875 parallel or hour circle
FULL_SKY = 4 * math.pi * (180 / math.pi) ** 2  # square degrees
AREA_TOLERANCE = 1.0  # square degrees: the boundaries must share out the whole sky


class OutlineError(Exception):
    """A source that does not give the outline it must give."""


def check(condition, message):
    if not condition:
        raise OutlineError(message)


# --- vectors on the sphere --------------------------------------------------------------------

def unit(ra_deg, dec_deg):
    a, d = math.radians(ra_deg), math.radians(dec_deg)
    return (math.cos(d) * math.cos(a), math.cos(d) * math.sin(a), math.sin(d))


def spherical(v):
    """(ra degrees 0..360, dec degrees) of a vector."""
    x, y, z = v
    return math.degrees(math.atan2(y, x)) % 360.0, math.degrees(math.atan2(z, math.hypot(x, y)))


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def normalised(v):
    n = math.sqrt(dot(v, v))
    return (v[0] / n, v[1] / n, v[2] / n)


def arc(a, b):
    """Angle between two unit vectors, radians."""
    return math.atan2(math.sqrt(dot(cross(a, b), cross(a, b))), dot(a, b))


def slerp(a, b, t):
    """The point a fraction t of the way along the great circle from a to b."""
    omega = arc(a, b)
    if omega < 1e-12:
        return a
    s = math.sin(omega)
    ka, kb = math.sin((1 - t) * omega) / s, math.sin(t * omega) / s
    return normalised((ka * a[0] + kb * b[0], ka * a[1] + kb * b[1], ka * a[2] + kb * b[2]))


def point_line(ra_deg, dec_deg):
    return f"{(ra_deg % 360.0) / 15.0:.5f} {dec_deg:.4f}"


def closed_ring(ring, what):
    check(len(ring) >= 4 and ring[0] == ring[-1], f"{what}: a ring that is not closed")
    return ring[:-1]


# --- Milky Way --------------------------------------------------------------------------------

def simplify(points, tolerance, longest):
    """Douglas-Peucker on the sphere over an open run of unit vectors: keeps the ends and every
    point needed to stay within `tolerance` (radians) of the run, with no gap over `longest`."""
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    stack = [(0, len(points) - 1)]
    while stack:
        i, j = stack.pop()
        if j <= i + 1:
            continue
        normal = cross(points[i], points[j])
        size = math.sqrt(dot(normal, normal))
        far, at = -1.0, i + 1
        for k in range(i + 1, j):
            if size > 1e-15:
                d = abs(math.asin(max(-1.0, min(1.0, dot(points[k], normal) / size))))
            else:
                d = arc(points[k], points[i])
            if d > far:
                far, at = d, k
        if far > tolerance or arc(points[i], points[j]) > longest:
            keep[at] = True
            stack.extend([(i, at), (at, j)])
    return [p for p, k in zip(points, keep) if k]


def milkyway_text(path):
    with open(path, encoding="utf-8") as f:
        features = {feature["id"]: feature for feature in json.load(f)["features"]}
    pole = unit(*NORTH_GALACTIC_POLE)
    limit = math.sin(math.radians(MILKY_WAY_LATITUDE))
    tolerance, longest = math.radians(MILKY_WAY_TOLERANCE), math.radians(MILKY_WAY_STEP)
    out = []
    for level, name in enumerate(MILKY_WAY_STEPS, start=1):
        check(name in features, f"milkyway.outline.json: no feature {name}")
        geometry = features[name]["geometry"]
        check(geometry["type"] == "MultiPolygon", f"{name}: not a MultiPolygon")
        out.append(f"Level {level}")
        for polygon in geometry["coordinates"]:
            for ring in polygon:
                points = [unit(lon, lat) for lon, lat in closed_ring(ring, name)]
                for p in points:
                    check(abs(dot(p, pole)) < limit,
                          f"{name}: a point beyond {MILKY_WAY_LATITUDE:g} degrees of galactic "
                          "latitude")
                half = len(points) // 2
                # A closed ring is simplified as two open runs, so that both halves keep ends.
                kept = simplify(points[: half + 1], tolerance, longest)
                kept += simplify(points[half:] + points[:1], tolerance, longest)[1:-1]
                for k, p in enumerate(kept):
                    out.append(("M " if k == 0 else "D ") + point_line(*spherical(p)))
    return CRLF.join(out) + CRLF + "%"


# --- constellation boundaries -----------------------------------------------------------------

def precession_to(epoch_jd):
    """The IAU 1976 precession matrix from J2000 to the mean equator and equinox of a date:
    R3(-z) R2(theta) R3(-zeta), the angles of Lieske et al. (1977)."""
    t = (epoch_jd - 2451545.0) / 36525.0
    arcsec = math.pi / 180 / 3600
    zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t ** 3) * arcsec
    z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t ** 3) * arcsec
    theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t ** 3) * arcsec

    def r2(a):
        c, s = math.cos(a), math.sin(a)
        return [[c, 0, -s], [0, 1, 0], [s, 0, c]]

    def r3(a):
        c, s = math.cos(a), math.sin(a)
        return [[c, s, 0], [-s, c, 0], [0, 0, 1]]

    def times(a, b):
        return [[sum(a[i][k] * b[k][j] for k in range(3)) for j in range(3)] for i in range(3)]

    return times(r3(-z), times(r2(theta), r3(-zeta)))


B1875 = 2405889.25855  # Julian date of the Besselian epoch 1875.0
TO_B1875 = precession_to(B1875)


def rotate(matrix, v, inverse=False):
    if inverse:
        return tuple(sum(matrix[k][i] * v[k] for k in range(3)) for i in range(3))
    return tuple(sum(matrix[i][k] * v[k] for k in range(3)) for i in range(3))


def wrap180(degrees):
    return (degrees + 180.0) % 360.0 - 180.0


class DrawnLines:
    """Stretches of boundary already drawn: intervals along each B1875 parallel (in right
    ascension) and hour circle (in declination), and sides of any other kind by their ends."""

    def __init__(self):
        self.lines = {"parallel": [], "meridian": []}  # [(value, [(start, length), ...])]
        self.others = set()

    def intervals(self, kind, value):
        for known, spans in self.lines[kind]:
            if abs(wrap180(known - value) if kind == "meridian" else known - value) < SAME_LINE:
                return spans
        spans = []
        self.lines[kind].append((value, spans))
        return spans

    def split(self, kind, value, start, length):
        """The side [start, start + length] (degrees along its line) as pieces (from, to,
        drawn), each drawn unless an earlier side covers it; records the side as drawn."""
        spans = self.intervals(kind, value)
        cuts = {0.0, length}
        covered = []
        for s, n in spans:
            for shift in ((-360.0, 0.0, 360.0) if kind == "parallel" else (0.0,)):
                a, b = s + shift - start, s + shift + n - start
                lo, hi = max(a, 0.0), min(b, length)
                if hi - lo > ALIGNED:
                    covered.append((lo, hi))
                    cuts.update((lo, hi))
        edges = sorted(cuts)
        pieces = []
        for lo, hi in zip(edges, edges[1:]):
            if hi - lo <= ALIGNED / 10:
                continue
            middle = (lo + hi) / 2
            drawn = not any(a <= middle <= b for a, b in covered)
            if pieces and pieces[-1][2] == drawn:
                pieces[-1] = (pieces[-1][0], hi, drawn)
            else:
                pieces.append((lo, hi, drawn))
        spans.append((start, length))
        return pieces


def side_points(a, b, drawn_lines):
    """The points after `a` up to `b` (B1875 (ra, dec) degrees) along the boundary side between
    them, each with whether the piece arriving at it is drawn."""
    dra, ddec = wrap180(b[0] - a[0]), b[1] - a[1]
    out = []
    if abs(ddec) < ALIGNED:  # along a parallel
        dec = (a[1] + b[1]) / 2
        start, length = (a[0], dra) if dra >= 0 else (b[0], -dra)
        for lo, hi, drawn in drawn_lines.split("parallel", dec, start % 360.0, length):
            span = hi - lo
            count = max(1, math.ceil(max(span * math.cos(math.radians(dec)) / BOUNDARY_STEP,
                                         span / BOUNDARY_RA_STEP)))
            for k in range(1, count + 1):
                out.append((start + lo + span * k / count, dec, drawn))
        if dra < 0:  # walked from b to a: turn the points round
            out = reverse_side(out, b)
        return out
    if abs(dra) < ALIGNED:  # along an hour circle
        ra = a[0]
        start, length = (a[1], ddec) if ddec >= 0 else (b[1], -ddec)
        for lo, hi, drawn in drawn_lines.split("meridian", ra, start, length):
            count = max(1, math.ceil((hi - lo) / BOUNDARY_STEP))
            for k in range(1, count + 1):
                out.append((ra, start + lo + (hi - lo) * k / count, drawn))
        if ddec < 0:
            out = reverse_side(out, b)
        return out
    key = frozenset({(round(a[0], 3), round(a[1], 3)), (round(b[0], 3), round(b[1], 3))})
    drawn = key not in drawn_lines.others
    drawn_lines.others.add(key)
    va, vb = unit(*a), unit(*b)
    count = max(1, math.ceil(math.degrees(arc(va, vb)) / BOUNDARY_STEP))
    return [spherical(slerp(va, vb, k / count)) + (drawn,) for k in range(1, count + 1)]


def reverse_side(points, b):
    """Points walked from the far end `b` to the near one (each flagged for the piece arriving
    at it), put in order from the near end to `b`: the same pieces, each flag now on the piece's
    other end."""
    positions = [(p[0], p[1]) for p in points]
    flags = [p[2] for p in points]
    positions = [(b[0], b[1])] + positions[:-1]  # b and the points walked, without the near end
    positions.reverse()
    flags.reverse()
    return [pos + (flag,) for pos, flag in zip(positions, flags)]


def ring_area(points):
    """Area (square degrees) of the smaller side of a closed ring of (ra, dec) degrees, by the
    trapezoid rule on (ra, sin dec), which is exact for pieces this short to well within 0.1%:
    the integral of sin(dec) over the right ascension is the area between the ring and the
    equator; a ring that winds round a pole bounds the cap 2 pi minus that integral."""
    total = winding = 0.0
    for (ra1, dec1), (ra2, dec2) in zip(points, points[1:] + points[:1]):
        step = math.radians(wrap180(ra2 - ra1))
        winding += step
        total += step * (math.sin(math.radians(dec1)) + math.sin(math.radians(dec2))) / 2
    if abs(winding) > math.pi:  # round a pole: the cap on the ring's side of it
        total = 2 * math.pi - abs(total)
    area = abs(total) * (180 / math.pi) ** 2
    return min(area, FULL_SKY - area)


def boundaries_text(path):
    with open(path, encoding="utf-8") as f:
        features = json.load(f)["features"]
    check(len(features) == BOUNDARY_COUNT,
          f"{len(features)} boundary polygons, not {BOUNDARY_COUNT}")
    drawn_lines = DrawnLines()
    out, area = [], 0.0
    for feature in features:
        abbreviation = feature["id"]
        geometry = feature["geometry"]
        check(geometry["type"] == "Polygon" and len(geometry["coordinates"]) == 1,
              f"{abbreviation}: not a polygon of one ring")
        corners = [spherical(rotate(TO_B1875, unit(lon, lat)))
                   for lon, lat in closed_ring(geometry["coordinates"][0], abbreviation)]
        points = []
        for a, b in zip(corners, corners[1:] + corners[:1]):
            points.extend(side_points(a, b, drawn_lines))
        j2000 = [spherical(rotate(TO_B1875, unit(ra, dec), inverse=True)) + (drawn,)
                 for ra, dec, drawn in points]
        area += ring_area([(ra, dec) for ra, dec, _ in j2000])
        out.append(abbreviation)
        # The last point is the first corner again: it opens the ring, flagged for the side that
        # closes it.
        for ra, dec, drawn in j2000[-1:] + j2000[:-1]:
            out.append(("D " if drawn else "S ") + point_line(ra, dec))
        out.append("")
    check(abs(area - FULL_SKY) < AREA_TOLERANCE,
          f"the boundaries cover {area:.0f} square degrees, not the whole sky ({FULL_SKY:.0f})")
    return CRLF.join(out) + CRLF + "%"
