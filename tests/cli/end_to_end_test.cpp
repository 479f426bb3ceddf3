// velquorran-chart run as a user runs it, through the shell with the program as $0: the exit
// status (0 done, 1 not written, 2 bad options), what it says, and the file it leaves.
#include "shell_row.h"

TEST(EndToEnd, StatusMessagesAndFiles) {
    const QString at = " --latitude 51.5 --time 2024-01-15T21:00:00 ";
    const ShellRow rows[] = {
        {"\"$0\"" + at + "--size 640x480 -o chart.png", 0, "", "", "chart.png", 12,
         QByteArray("IHDR\0\0\x02\x80\0\0\x01\xe0", 12)},
        {"\"$0\"" + at + "-o chart.SVG", 0, "", "", "chart.SVG", 0, "<?xml"},
        {"\"$0\"" + at + "--print -o chart.pdf", 0, "", "", "chart.pdf", 0, "%PDF-"},
        {"\"$0\"" + at + "--size 700x500 -o chart.emf", 0, "", "", "chart.emf", 40, " EMF"},
        // label, altitude, azimuth, x, y: Sirius low in the south-south-east.
        {"\"$0\"" + at + "--list", 0, "\n2491: Sirius (Canis_Major)\t16.", "", "", 0, ""},
        // ... and its place of date (astronomy-engine: 6.770299 h, -16.740249 deg).
        {"\"$0\"" + at + "--precise --list", 0, "\t6.7703\t-16.740\n", "", "", 0, ""},
        {"\"$0\" --help", 0, "Usage: velquorran-chart", "", "", 0, ""},
        // label, altitude, azimuth, rising, transit, setting; a misspelling names the star meant.
        {"\"$0\"" + at + "--find 'alp ori'", 0, "Betelgeuse\t43.", "", "", 0, ""},
        {"\"$0\"" + at + "--find Betelguese", 2, "", "close matches: Betelgeuse", "", 0, ""},
        {"QT_QPA_PLATFORM=xcb DISPLAY= \"$0\" -o a.png", 0, "", "", "a.png", 12,
         QByteArray("IHDR\0\0\x04\xb0\0\0\x03\x84", 12)},
        // A city, a zone in summer time and UTC+14 across the date line give the same sky as
        // their coordinates at the UT instant.
        {"a=$(\"$0\" --list --place LONDON --time 2024-07-01T23:00:00) && b=$(\"$0\" --list "
         "--latitude 51.508333333333333 --longitude 0.125277777777777778W --time "
         "2024-07-01T22:00:00) && c=$(\"$0\" --list --zone UTC+14:00 --longitude 157.4 --time "
         "2025-01-01T05:00:00) && d=$(\"$0\" --list --longitude 157.4E --time "
         "2024-12-31T15:00:00) && [ \"$a\" = \"$b\" ] && [ \"$c\" = \"$d\" ] && [ \"$a\" != "
         "\"$c\" ] && echo same",
         0, "same", "", "", 0, ""},
        {"\"$0\" --list --place Lndon", 2, "", "the closest are London", "", 0, ""},
        {"\"$0\" -o chart.png --latitude 95", 2, "", "velquorran-chart: --latitude", "", 0, ""},
        {"\"$0\" -o chart.png --figures Ori,Xyz", 2, "", "\"Xyz\"", "", 0, ""},
        {"\"$0\" -o chart.gif", 2, "", "velquorran-chart: the output", "", 0, ""},
        {"\"$0\"" + at + "--night -o night.png", 0, "", "", "night.png", 0, "\x89PNG"},
        {"\"$0\" --night --print -o chart.png", 2, "", "--night is a screen look", "", 0, ""},
        {"mkfifo pipe && ln -s pipe taken.png && \"$0\" -o taken.png", 1, "", "taken.png", "pipe",
         0, ""},
        {"\"$0\" --help > /dev/full", 1, "", "cannot write to standard output: No space", "", 0,
         ""},
        {"\"$0\" --list --latitude 10 >&-", 1, "", "Bad file descriptor", "", 0, ""},
    };
    for (const ShellRow& row : rows) CheckShellRow(row);
}
