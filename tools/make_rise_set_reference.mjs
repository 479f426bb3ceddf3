// Writes tests/chart/rise_set_reference.csv: risings and settings of the Sun, the Moon, Mercury
// to Neptune and a few catalogue stars, and the Sun's crossings of -6, -12 and -18 degrees
// (twilight), from an ephemeris independent of ERFA, for the accuracy test of the almanac times
// (tests/chart/almanac_reference_test.cpp).
//
// The reference library is not part of the project. Install it in a scratch folder and run the
// script from there, so that the import resolves against that folder's node_modules:
//   mkdir -p /tmp/rise-ref && cd /tmp/rise-ref && npm install astronomy-engine@2.1.19
//   node /path/to/velquorran/tools/make_rise_set_reference.mjs > \
//       /path/to/velquorran/tests/chart/rise_set_reference.csv
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(process.cwd() + '/');
const Astronomy = require('astronomy-engine');
const main = require.resolve('astronomy-engine');
const version = JSON.parse(readFileSync(join(dirname(main), 'package.json'), 'utf8')).version;

// Places (latitude north, longitude east, degrees) and the days searched from each, from noon
// on the place's meridian (UT 12h less the longitude): the polar summer and winter, the
// equinoxes, the southern hemisphere, the equator, London's clock-change Sundays, and days
// spread over 1950-2050.
const places = [
    ['London', 51.5072, -0.1275,
     ['2026-12-10', '2026-03-28', '2026-10-24', '2026-06-21', '1987-10-16', '2044-02-29']],
    ['Tromso', 69.6496, 18.9560, ['2026-06-21', '2026-12-21', '2026-04-02', '2026-09-01']],
    ['Svalbard', 78.0, 15.6, ['2026-06-21', '2026-12-21', '2026-03-21', '2026-10-05']],
    ['Sydney', -33.8688, 151.2093, ['2026-06-21', '2026-12-21', '1969-07-20']],
    ['Equator', 0.0, -78.5, ['2026-03-20', '2026-09-23', '2026-12-21']],
    ['Reykjavik', 64.1466, -21.9426, ['2026-01-15', '2026-08-15']],
    ['NewYork', 40.7128, -74.0060, ['1955-05-05', '2030-11-11']],
    ['CapeTown', -33.9249, 18.4241, ['2001-04-01', '2050-01-31']],
];

const bodies = ['Sun', 'Moon', 'Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus',
                'Neptune'];

// Catalogue stars by number, with their J2000 places as the star catalogue text gives them
// (hours, degrees).
const stars = [
    [424, 2.53019444444, 89.26416666667],    // Polaris
    [2061, 5.91952777778, 7.40694444444],    // Betelgeuse
    [2326, 6.39919444444, -52.69583333333],  // Canopus
    [2491, 6.75247222222, -16.71611111111],  // Sirius
    [4730, 12.44330555556, -63.09916666667], // Acrux
    [5191, 13.79233333333, 49.31333333333],  // Alkaid
    [7001, 18.61563888889, 38.78361111111],  // Vega
];

const SearchDays = 2;  // the window of the program's own search, 48 hours
const iso = (time) => time ? time.date.toISOString().slice(0, 19) : '-';

const lines = [];
lines.push(`# Rising, setting and twilight from astronomy-engine ${version} (npm), made by ` +
           'tools/make_rise_set_reference.mjs.');
lines.push('# Each row: the first event within 48 hours after start (UT; UT1 = UTC, the ' +
           'library adds its own Delta T), or - when there is none.');
lines.push('# rise/set rows: SearchRiseSet (the upper limb of the Sun and the Moon, 34 ' +
           'arcminutes of refraction, topocentric, sea level).');
lines.push('# ascend/descend rows: SearchAltitude of the Sun\'s centre through the altitude ' +
           'given (degrees), without refraction.');
lines.push('# Stars: DefineStar with the J2000 place of the catalogue and 1000 light years.');
lines.push('event,body,altitude,latitude,longitude,start,utc');

for (const [, latitude, longitude, days] of places) {
    const observer = new Astronomy.Observer(latitude, longitude, 0);
    for (const day of days) {
        const noon = new Date(day + 'T12:00:00Z');
        const start = Astronomy.MakeTime(new Date(noon.getTime() - longitude / 15 * 3600e3));
        const startText = start.date.toISOString().slice(0, 19);
        const row = (event, body, altitude, time) =>
            lines.push(`${event},${body},${altitude},${latitude},${longitude},${startText},` +
                       `${iso(time)}`);
        for (const body of bodies) {
            row('rise', body, '', Astronomy.SearchRiseSet(body, observer, +1, start, SearchDays));
            row('set', body, '', Astronomy.SearchRiseSet(body, observer, -1, start, SearchDays));
        }
        for (const [number, ra, dec] of stars) {
            Astronomy.DefineStar(Astronomy.Body.Star1, ra, dec, 1000);
            for (const [event, direction] of [['rise', +1], ['set', -1]]) {
                row(event, number, '',
                    Astronomy.SearchRiseSet(Astronomy.Body.Star1, observer, direction, start,
                                            SearchDays));
            }
        }
        for (const altitude of [-6, -12, -18]) {
            for (const [event, direction] of [['ascend', +1], ['descend', -1]]) {
                row(event, 'Sun', altitude,
                    Astronomy.SearchAltitude('Sun', observer, direction, start, SearchDays,
                                             altitude));
            }
        }
    }
}
process.stdout.write(lines.join('\n') + '\n');
