// velquorran-chart --tonight as a user runs it: the header and the rows, the sheet, the clock
// without a place, and the combinations it refuses.
#include "shell_row.h"

TEST(TonightEndToEnd, RowsSheetAndRefusals) {
    const QString london = " --place London --time 2026-12-10T04:00:00 ";
    const ShellRow rows[] = {
        // The night of 9 to 10 December: sunrise by the upper limb and 34' of refraction
        // (astronomy-engine: 07:55:00 UT), the Moon, the dark window, a planet, the list.
        {"\"$0\"" + london + "--tonight", 0,
         "Tonight at London (51.51\u00b0 N  0.13\u00b0 W): 9 to 10 December 2026, Europe/London "
         "time\nsunset\tSun\t2026-12-09T15:51:",
         "", ""},
        {"\"$0\"" + london +
             "--tonight | grep -c -e '^sunrise\tSun\t2026-12-10T07:5[45]' -e "
             "'^moon\t' -e '^dark\t-\t' -e '^planet\tJupiter\t' -e "
             "'^star\tBetelgeuse\t2026-12-10T00:'",
         0, "5\n", "", ""},
        // --find keeps the same convention.
        {"\"$0\"" + london + "--find Sun", 0, "\t2026-12-10T07:54:59\t", "", ""},
        {"\"$0\" --latitude 51.5 --time 2026-12-10T21:00:00 --tonight", 0,
         "Tonight at 51.50\u00b0 N: 10 to 11 December 2026, local mean time\n", "", ""},
        {"\"$0\" --latitude 69.6496 --longitude 18.956 --time 2026-06-21T23:00:00 --tonight", 0,
         "note\t-\t-\tMidnight Sun: the Sun does not set tonight.", "", ""},
        {"\"$0\"" + london + "--tonight --figures all -o sheet.pdf", 0, "", "", "sheet.pdf", 0,
         "%PDF-"},
        {"\"$0\"" + london + "--tonight -o sheet.png", 2, "", "as a PDF: -o FILE.pdf", ""},
        {"\"$0\"" + london + "--tonight --planisphere -o kit.pdf", 2, "",
         "cannot go with --planisphere", ""},
        {"\"$0\"" + london + "--tonight --list", 2, "", "cannot go with --list or --find", ""},
        {"\"$0\"" + london + "--tonight --find Sirius", 2, "", "cannot go with --list or --find",
         ""},
        {"\"$0\"" + london + "--tonight --night", 2, "", "cannot go with --night", ""},
        {"\"$0\"" + london + "--tonight -o /no/such/folder/sheet.pdf", 1, "",
         "/no/such/folder/sheet.pdf", ""},
    };
    for (const ShellRow& row : rows) CheckShellRow(row);
}
