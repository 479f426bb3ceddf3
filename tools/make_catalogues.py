#!/usr/bin/env python3
"""Builds the three catalogue texts that Velquorran compiles in (catalog/data/*.txt).

Sources, in catalog/sources/ (see its README.md for their origin and licences):
  bsc5-short.json            Bright Star Catalogue, 5th revised edition (J2000)
  withdrawn.tsv              the 14 catalogue numbers kept for withdrawn objects
  messier.json               the Messier objects
  constellations.lines.json  stick figures as GeoJSON MultiLineStrings
  milkyway.outline.json      the Milky Way's outline in five brightness steps
  constellations.bounds.json the IAU constellation boundaries

Outputs, in OUTPUT_DIR: stars.txt, constellations.txt, deepsky.txt, designations.txt (the
Bayer and Flamsteed designations of the stars that stars.txt names by their proper names), and
milkyway.txt and boundaries.txt (the outlines of the sky, made by make_sky_outlines.py).
Every line ends CR LF; each text ends at a line beginning with '%'.

Usage:
  tools/make_catalogues.py [--data-dir DIR] [--bsc5 F] [--withdrawn F] [--messier F]
                           [--lines F] [--milkyway F] [--bounds F] OUTPUT_DIR

Any check that fails (a figure vertex with no star within 10 arcseconds, a figure over 41
points, a count that is not what the catalogue must hold) stops the run with a message on
stderr and exit status 1; nothing is written then.
"""

import argparse
import bisect
import json
import math
import os
import re
import sys

import make_sky_outlines

MAX_STAR_NUMBER = 9110
MAX_FIGURE_POINTS = 41
PROPER_NAME_COUNT = 77
MATCH_LIMIT_ARCSEC = 10.0
CRLF = "\r\n"

GREEK = {
    "α": "Alp", "β": "Bet", "γ": "Gam", "δ": "Del", "ε": "Eps", "ζ": "Zet", "η": "Eta",
    "θ": "The", "ι": "Iot", "κ": "Kap", "λ": "Lam", "μ": "Mu_", "ν": "Nu_", "ξ": "Xi_",
    "ο": "Omi", "π": "Pi_", "ρ": "Rho", "σ": "Sig", "τ": "Tau", "υ": "Ups", "φ": "Phi",
    "χ": "Chi", "ψ": "Psi", "ω": "Ome",
}
SUPERSCRIPT = {"¹": "1", "²": "2", "³": "3", "⁴": "4", "⁵": "5", "⁶": "6", "⁷": "7",
               "⁸": "8", "⁹": "9"}

# Header lines of the figure text, in menu order (the first letters never decrease), as
# (name, abbreviation). Serpens has two rows: the tail first, then the head.
CONSTELLATION_HEADERS = [
    ("Andromeda", "And"), ("Antlia", "Ant"), ("Apus", "Aps"), ("Aquarius", "Aqr"),
    ("Aquila", "Aql"), ("Ara", "Ara"), ("Aries", "Ari"), ("Auriga", "Aur"), ("Bootes", "Boo"),
    ("Caelum", "Cae"), ("Camelopardalis", "Cam"), ("Cancer", "Cnc"),
    ("Canes_Venatici", "CVn"), ("Canis_Major", "CMa"), ("Canis_Minor", "CMi"),
    ("Capricornus", "Cap"), ("Carina", "Car"), ("Cassiopeia", "Cas"), ("Centaurus", "Cen"),
    ("Cepheus", "Cep"), ("Cetus", "Cet"), ("Chamaeleon", "Cha"), ("Circinus", "Cir"),
    ("Columbia", "Col"), ("Coma_Berenices", "Com"), ("Corona_Borealis", "CrB"),
    ("Corvus", "Crv"), ("Crater", "Crt"), ("Crux", "Cru"), ("Cygnus", "Cyg"),
    ("Delphinus", "Del"), ("Dorado", "Dor"), ("Draco", "Dra"), ("Equuleus", "Equ"),
    ("Eridanus", "Eri"), ("Fornax", "For"), ("Gemini", "Gem"), ("Grus", "Gru"),
    ("Hercules", "Her"), ("Horologium", "Hor"), ("Hydrus", "Hyi"), ("Hydra", "Hya"),
    ("Indus", "Ind"), ("Lacerta", "Lac"), ("Leo", "Leo"), ("Leo_Minor", "LMi"),
    ("Lepus", "Lep"), ("Libra", "Lib"), ("Lupus", "Lup"), ("Lynx", "Lyn"), ("Lyra", "Lyr"),
    ("Mensa", "Men"), ("Microscopium", "Mic"), ("Monoceros", "Mon"), ("Musca", "Mus"),
    ("Norma", "Nor"), ("Octans", "Oct"), ("Ophiuchus", "Oph"), ("Orian", "Ori"),
    ("Pavo", "Pav"), ("Pegasus", "Peg"), ("Perseus", "Per"), ("Phoenix", "Phe"),
    ("Pictor", "Pic"), ("Pisces", "Psc"), ("Piscis_Austrinus", "PsA"), ("Puppis", "Pup"),
    ("Pyxis", "Pyx"), ("Reticulum", "Ret"), ("Sagitta", "Sge"), ("Sagittarius", "Sgr"),
    ("Scorpius", "Sco"), ("Sculptor", "Scl"), ("Scutum", "Sct"), ("Serpens", "Ser"),
    ("Serpens_Caput", "Ser"), ("Sextans", "Sex"), ("Taurus", "Tau"), ("Triangulum", "Tri"),
    ("Triagulum_Australe", "TrA"), ("Tucana", "Tuc"), ("Ursa_Minor", "UMi"),
    ("Ursa_Major", "UMa"), ("Vela", "Vel"), ("Virgo", "Vir"), ("Volans", "Vol"),
    ("Vulpecula", "Vul"),
]
CONSTELLATION_BLOCKS = 87

# Messier objects named by their identifier; every other one is named by its type.
MESSIER_NAMES = {
    "M1": "Crab_Nebula", "M8": "Lagoon_Nebula", "M17": "Omega_Nebula",
    "M20": "Trifid_Nebula", "M24": "Milky_Way_patch", "M27": "Dumbbell_Nebula",
    "M31": "Andromeda_Galaxy", "M40": "binary_star", "M42": "Orion_Nebula",
    "M45": "The_Pleiades", "M51": "Whirlpool_Galaxy", "M57": "Ring_Nebula",
    "M73": "asterism", "M76": "planetary_nebula", "M97": "Owl_Nebula",
    "M104": "Sombrero_Galaxy",
}
MESSIER_TYPES = {
    "SG": "galaxy", "EG": "galaxy", "BG": "galaxy", "LG": "galaxy", "IG": "galaxy",
    "GC": "globular_cluster", "OC": "open_cluster", "DN": "diffuse_nebula",
}
MESSIER_TYPE_COUNTS = {"galaxy": 38, "globular_cluster": 29, "open_cluster": 26,
                       "diffuse_nebula": 2}
DEEP_SKY_COUNT = 111


class CatalogueError(Exception):
    """A source that does not give the catalogue it must give."""


def check(condition, message):
    if not condition:
        raise CatalogueError(message)


# --- sexagesimal fields -------------------------------------------------------------------

def parse_hours(text):
    """'00h 05m 09.9s', '5h 34.5m' or '21h 30m' -> decimal hours."""
    match = re.fullmatch(r"(\d+)h(?: (\d+(?:\.\d+)?)m)?(?: (\d+(?:\.\d+)?)s)?", text.strip())
    check(match is not None, f"unreadable right ascension {text!r}")
    h, m, s = (float(g) if g else 0.0 for g in match.groups())
    return h + m / 60.0 + s / 3600.0


def parse_degrees(text):
    """'+45° 13′ 45″' or '-05° 27′' -> decimal degrees; the sign applies to the whole value."""
    match = re.fullmatch(r"([+-]?)(\d+)°(?: (\d+(?:\.\d+)?)′)?(?: (\d+(?:\.\d+)?)″)?",
                         text.strip())
    check(match is not None, f"unreadable declination {text!r}")
    sign, d, m, s = match.groups()
    value = float(d) + (float(m) if m else 0.0) / 60.0 + (float(s) if s else 0.0) / 3600.0
    return -value if sign == "-" else value


def parse_tsv_hours(text):
    h, m, s = text.split()
    return int(h) + int(m) / 60.0 + float(s) / 3600.0


def parse_tsv_degrees(text):
    d, m, s = text.split()
    value = abs(int(d)) + int(m) / 60.0 + float(s) / 3600.0
    return -value if d.startswith("-") else value


# --- stars ----------------------------------------------------------------------------------

def designation(star):
    """The 10-character name: Flamsteed number (3), Greek letter (3), superscript (1),
    constellation (3), '_' in every empty position."""
    flamsteed = star.get("F", "")
    check(len(flamsteed) <= 3, f"HR {star['HR']}: Flamsteed number {flamsteed!r} too long")
    letter, digit = "", ""
    bayer = star.get("B", "")
    if bayer:
        check(bayer[0] in GREEK, f"HR {star['HR']}: unknown Bayer letter {bayer!r}")
        letter = GREEK[bayer[0]]
        rest = bayer[1:]
        check(rest == "" or rest in SUPERSCRIPT, f"HR {star['HR']}: odd Bayer suffix {bayer!r}")
        digit = SUPERSCRIPT.get(rest, "")
    abbreviation = star.get("C", "")
    check(bool(abbreviation) == bool(flamsteed or bayer),
          f"HR {star['HR']}: constellation given without designation or the reverse")
    name = flamsteed.rjust(3, "_") + letter.ljust(3, "_") + digit.ljust(1, "_")
    return name + abbreviation.ljust(3, "_")


def read_stars(bsc5_path, withdrawn_path):
    """Rows keyed by catalogue number: (ra hours, dec degrees, magnitude, name token); the set
    of numbers that come from the JSON catalogue (the figure vertices match only those); and the
    designations that the proper names displace, keyed by catalogue number."""
    with open(bsc5_path, encoding="utf-8") as f:
        catalogue = json.load(f)
    rows = {}
    for star in catalogue:
        number = int(star["HR"])
        check(1 <= number <= MAX_STAR_NUMBER and number not in rows,
              f"HR {number} repeated or out of range")
        rows[number] = [parse_hours(star["RA"]), parse_degrees(star["Dec"]),
                        float(star["V"]), designation(star)]
    measured = set(rows)

    # Proper names for the brightest named stars, by magnitude then number.
    named = sorted((s for s in catalogue if s.get("N")), key=lambda s: (float(s["V"]),
                                                                        int(s["HR"])))
    check(len(named) >= PROPER_NAME_COUNT, "too few named stars")
    displaced = {}
    for star in named[:PROPER_NAME_COUNT]:
        check(bool(star.get("C")), f"HR {star['HR']}: named star without constellation")
        token = star["N"].replace(" ", "_") + "_" + star["C"]
        check(re.fullmatch(r"[A-Za-z_-]+", token) is not None, f"odd proper name {token!r}")
        number = int(star["HR"])
        displaced[number] = rows[number][3]
        rows[number][3] = token

    with open(withdrawn_path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or line.startswith("hr\t") or not line.strip():
                continue
            fields = line.rstrip("\n").split("\t")
            check(len(fields) >= 5, f"withdrawn.tsv: short line {line!r}")
            number = int(fields[0])
            check(number not in rows, f"withdrawn HR {number} also in the catalogue")
            check(len(fields[1]) == 10, f"withdrawn HR {number}: name not 10 characters")
            rows[number] = [parse_tsv_hours(fields[2]), parse_tsv_degrees(fields[3]),
                            float(fields[4]), fields[1]]
    check(sorted(rows) == list(range(1, MAX_STAR_NUMBER + 1)),
          f"catalogue numbers are not 1..{MAX_STAR_NUMBER} without gaps ({len(rows)} rows)")
    return rows, measured, displaced


def stars_text(rows):
    lines = []
    for number in range(1, MAX_STAR_NUMBER + 1):
        ra, dec, magnitude, name = rows[number]
        lines.append(f"{number}{ra:17.11f}{dec:17.11f}{magnitude:7.3f} {name}")
    return CRLF.join(lines) + CRLF + "%"


def designations_text(displaced):
    """One line per named star, by catalogue number: the number and the 10-character
    designation its proper name took the place of, so that the star can still be found as
    "Alp Ori" or "58 Ori"."""
    check(len(displaced) == PROPER_NAME_COUNT,
          f"{len(displaced)} displaced designations, not {PROPER_NAME_COUNT}")
    lines = []
    for number in sorted(displaced):
        name = displaced[number]
        check(len(name) == 10 and name[:7] != "_" * 7,
              f"HR {number}: named star without a Bayer letter or Flamsteed number")
        lines.append(f"{number} {name}")
    return CRLF.join(lines) + CRLF + "%"


# --- constellation figures -------------------------------------------------------------------

def angular_distance_arcsec(ra1, dec1, ra2, dec2):
    """Great-circle distance between two points given in degrees (haversine form, exact for
    the small separations matched here)."""
    p1, p2 = math.radians(dec1), math.radians(dec2)
    dp = p2 - p1
    dl = math.radians(ra2 - ra1)
    h = math.sin(dp / 2) ** 2 + math.cos(p1) * math.cos(p2) * math.sin(dl / 2) ** 2
    return math.degrees(2 * math.asin(min(1.0, math.sqrt(h)))) * 3600.0


class StarIndex:
    """Stars sorted by declination, so that a match looks only at a narrow band."""

    def __init__(self, rows, numbers):
        self.entries = sorted((rows[n][1], n, rows[n][0] * 15.0) for n in numbers)
        self.decs = [e[0] for e in self.entries]

    def nearest(self, ra_deg, dec_deg):
        band = MATCH_LIMIT_ARCSEC / 3600.0
        lo = bisect.bisect_left(self.decs, dec_deg - band)
        hi = bisect.bisect_right(self.decs, dec_deg + band)
        best = None
        for dec, number, ra in self.entries[lo:hi]:
            d = angular_distance_arcsec(ra_deg, dec_deg, ra, dec)
            if best is None or (d, number) < best:
                best = (d, number)
        return best


def figure_points(feature, index):
    """One (letter, number) per vertex: each LineString opens with 'M', then 'D' points."""
    points = []
    for line in feature["geometry"]["coordinates"]:
        for k, (lon, lat) in enumerate(line):
            best = index.nearest(lon % 360.0, lat)
            check(best is not None and best[0] <= MATCH_LIMIT_ARCSEC,
                  f"{feature['id']}: no star within {MATCH_LIMIT_ARCSEC:g}\" of vertex "
                  f"({lon}, {lat})")
            points.append(("M" if k == 0 else "D", best[1]))
    check(len(points) <= MAX_FIGURE_POINTS,
          f"{feature['id']}: {len(points)} points, more than {MAX_FIGURE_POINTS}")
    return points


def mean_ra_hours(feature):
    """Circular mean of a feature's vertex longitudes, in hours 0..24."""
    x = y = 0.0
    for line in feature["geometry"]["coordinates"]:
        for lon, _ in line:
            x += math.cos(math.radians(lon))
            y += math.sin(math.radians(lon))
    return (math.degrees(math.atan2(y, x)) % 360.0) / 15.0


def constellations_text(lines_path, rows, measured):
    with open(lines_path, encoding="utf-8") as f:
        features = json.load(f)["features"]
    by_id = {}
    for feature in features:
        by_id.setdefault(feature["id"], []).append(feature)
    serpens = by_id.get("Ser", [])
    check(len(serpens) == 2, f"expected two Serpens features, found {len(serpens)}")
    # The head lies near 15.5 h, the tail near 18 h.
    head, tail = sorted(serpens, key=lambda s: abs(mean_ra_hours(s) - 15.5))
    check(abs(mean_ra_hours(tail) - 18.0) < abs(mean_ra_hours(tail) - 15.5),
          "cannot tell the Serpens head from its tail")
    chosen = {"Serpens": tail, "Serpens_Caput": head}

    check(len(CONSTELLATION_HEADERS) == CONSTELLATION_BLOCKS, "header list is not 87 blocks")
    index = StarIndex(rows, measured)
    out = []
    for name, abbreviation in CONSTELLATION_HEADERS:
        if abbreviation == "Ser":
            feature = chosen[name]
        else:
            found = by_id.get(abbreviation, [])
            check(len(found) == 1, f"{abbreviation}: {len(found)} figure features")
            feature = found[0]
        out.append(f"{name} {abbreviation}")
        out.extend(f"{letter} {number}" for letter, number in figure_points(feature, index))
        out.append("")
    return CRLF.join(out) + CRLF + "%"


# --- deep sky ---------------------------------------------------------------------------------

def deepsky_text(messier_path):
    with open(messier_path, encoding="utf-8") as f:
        messier = json.load(f)
    check([m["M"] for m in messier] == [f"M{k}" for k in range(1, 111)],
          "messier.json does not list M1 to M110 in order")
    by_id = {m["M"]: m for m in messier}

    def row(identifier, source):
        if identifier in MESSIER_NAMES:
            name = MESSIER_NAMES[identifier]
        else:
            check(source["T"] in MESSIER_TYPES, f"{identifier}: no name for type {source['T']}")
            name = MESSIER_TYPES[source["T"]]
        ra = parse_hours(source["RA"])
        dec = parse_degrees(source["Dec"])
        return f"{identifier} {ra:.3f} {dec:.3f} {float(source['V']):.1f} {name}", name

    lines, names = [], []
    for m in messier:
        if m["M"] == "M102":
            # M102 is listed twice: once where M101 stands, once as NGC 5866.
            for identifier, source in (("M102a", by_id["M101"]), ("M102b", m)):
                line, name = row(identifier, source)
                lines.append(line)
                names.append(name)
        else:
            line, name = row(m["M"], m)
            lines.append(line)
            names.append(name)
    check(len(lines) == DEEP_SKY_COUNT, f"{len(lines)} deep-sky lines, not {DEEP_SKY_COUNT}")
    for kind, count in MESSIER_TYPE_COUNTS.items():
        check(names.count(kind) == count, f"{names.count(kind)} {kind} objects, not {count}")
    for name in MESSIER_NAMES.values():
        check(names.count(name) == 1, f"{name} appears {names.count(name)} times")
    return CRLF.join([str(len(lines))] + lines) + CRLF + "%" + CRLF + CRLF


# --- main -------------------------------------------------------------------------------------

def main(argv):
    parser = argparse.ArgumentParser(description="Build catalog/data/*.txt from the sources.")
    default_data = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "catalog",
                                "sources")
    parser.add_argument("--data-dir", default=default_data,
                        help="folder holding the sources (default: catalog/sources)")
    parser.add_argument("--bsc5", help="bsc5-short.json (default: in --data-dir)")
    parser.add_argument("--withdrawn", help="withdrawn.tsv (default: in --data-dir)")
    parser.add_argument("--messier", help="messier.json (default: in --data-dir)")
    parser.add_argument("--lines", help="constellations.lines.json (default: in --data-dir)")
    parser.add_argument("--milkyway", help="milkyway.outline.json (default: in --data-dir)")
    parser.add_argument("--bounds", help="constellations.bounds.json (default: in --data-dir)")
    parser.add_argument("output_dir", help="folder to write the four texts into")
    args = parser.parse_args(argv)

    def source(given, name):
        return given or os.path.join(args.data_dir, name)

    try:
        rows, measured, displaced = read_stars(source(args.bsc5, "bsc5-short.json"),
                                               source(args.withdrawn, "withdrawn.tsv"))
        texts = {
            "stars.txt": stars_text(rows),
            "constellations.txt": constellations_text(
                source(args.lines, "constellations.lines.json"), rows, measured),
            "deepsky.txt": deepsky_text(source(args.messier, "messier.json")),
            "designations.txt": designations_text(displaced),
            "milkyway.txt": make_sky_outlines.milkyway_text(
                source(args.milkyway, "milkyway.outline.json")),
            "boundaries.txt": make_sky_outlines.boundaries_text(
                source(args.bounds, "constellations.bounds.json")),
        }
    except (CatalogueError, make_sky_outlines.OutlineError, OSError, ValueError,
            KeyError) as error:
        print(f"make_catalogues: {error}", file=sys.stderr)
        return 1
    os.makedirs(args.output_dir, exist_ok=True)
    for name, text in texts.items():
        with open(os.path.join(args.output_dir, name), "w", encoding="ascii", newline="") as f:
            f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
