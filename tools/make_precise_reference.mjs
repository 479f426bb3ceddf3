// Writes tests/astro/precise_reference.csv: apparent places of the Sun, the Moon, Mercury to
// Neptune and a few catalogue stars, from an ephemeris independent of ERFA, for the accuracy
// test of the precise positions (tests/astro/precise_test.cpp).
//
// The reference library is not part of the project. Install it in a scratch folder and run the
// script from there, so that the import resolves against that folder's node_modules:
//   mkdir -p /tmp/precise-ref && cd /tmp/precise-ref && npm install astronomy-engine@2.1.19
//   node /path/to/velquorran/tools/make_precise_reference.mjs > \
//       /path/to/velquorran/tests/astro/precise_reference.csv
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(process.cwd() + '/');
const Astronomy = require('astronomy-engine');
// The version from the package's own manifest (its exports do not include package.json).
const main = require.resolve('astronomy-engine');
const version = JSON.parse(readFileSync(join(dirname(main), 'package.json'), 'utf8')).version;

// Instants across 1900-2100, as UT (the library's MakeTime takes a Date as UT and adds its own
// Delta T to reach TT). Hours vary so that the Moon is sampled along its orbit.
const instants = [
    '1900-01-01T00:00:00', '1912-04-15T03:20:00', '1927-06-29T06:00:00', '1944-11-02T18:45:00',
    '1957-10-04T19:28:00', '1969-07-20T20:17:00', '1986-02-09T12:00:00', '1999-08-11T11:03:00',
    '2000-01-01T12:00:00', '2012-06-06T01:30:00', '2024-04-08T18:18:00', '2037-12-24T23:59:00',
    '2051-03-19T09:00:00', '2076-09-30T15:40:00', '2099-12-31T22:00:00',
];

const bodies = ['Sun', 'Moon', 'Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus',
                'Neptune'];

// Catalogue stars by number, with their J2000 places as the star catalogue text gives them
// (hours, degrees): the pole star, where precession turns right ascension fastest, and stars
// spread over both hemispheres.
const stars = [
    [424, 2.53019444444, 89.26416666667],   // Polaris
    [1713, 5.24230555556, -8.20166666667],  // Rigel
    [2326, 6.39919444444, -52.69583333333], // Canopus
    [2491, 6.75247222222, -16.71611111111], // Sirius
    [4730, 12.44330555556, -63.09916666667],// Acrux
    [5340, 14.26102777778, 19.18250000000], // Arcturus
    [7001, 18.61563888889, 38.78361111111], // Vega
];
const starInstants = ['1900-01-01T00:00:00', '1950-01-01T00:00:00', '2024-04-08T18:18:00',
                      '2100-01-01T00:00:00'];

const fmt = (x) => x.toFixed(7);
const timeOf = (text) => Astronomy.MakeTime(new Date(text + 'Z'));

const lines = [];
lines.push(`# Apparent places from astronomy-engine ${version} (npm), made by ` +
           'tools/make_precise_reference.mjs.');
lines.push('# Time: the utc column is taken as UT (UT1 = UTC); the library adds its own ' +
           'Delta T (Espenak-Meeus 2006) to reach TT.');
lines.push('# body rows: GeoVector(body, time, aberration = true) (light time and aberration; ' +
           'the Moon geocentric, as GeoMoon gives it),');
lines.push('#   rotated by Rotation_EQJ_EQD(time) (precession and nutation: true equator and ' +
           'equinox of date), then EquatorFromVector.');
lines.push('# star rows: the J2000 place (ra2000, dec2000) as a unit vector rotated by ' +
           'Rotation_EQJ_EQD(time): precession and nutation only.');
lines.push('# gast rows: SiderealTime(time), apparent Greenwich sidereal time in hours (in ra).');
lines.push('# Frame: geocentric, of date, apparent. Units: ra hours, dec degrees.');
lines.push('kind,name,utc,ra,dec,ra2000,dec2000');

for (const text of instants) {
    const time = timeOf(text);
    const rotation = Astronomy.Rotation_EQJ_EQD(time);
    for (const body of bodies) {
        const j2000 = Astronomy.GeoVector(Astronomy.Body[body], time, true);
        const ofDate = Astronomy.EquatorFromVector(Astronomy.RotateVector(rotation, j2000));
        lines.push(`body,${body},${text},${fmt(ofDate.ra)},${fmt(ofDate.dec)},,`);
    }
    lines.push(`gast,Greenwich,${text},${fmt(Astronomy.SiderealTime(time))},,,`);
}
for (const text of starInstants) {
    const time = timeOf(text);
    const rotation = Astronomy.Rotation_EQJ_EQD(time);
    for (const [number, ra, dec] of stars) {
        const j2000 = Astronomy.VectorFromSphere(new Astronomy.Spherical(dec, ra * 15, 1), time);
        const ofDate = Astronomy.EquatorFromVector(Astronomy.RotateVector(rotation, j2000));
        lines.push(`star,${number},${text},${fmt(ofDate.ra)},${fmt(ofDate.dec)},${ra},${dec}`);
    }
}
process.stdout.write(lines.join('\n') + '\n');
