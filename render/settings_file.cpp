#include "render/settings_file.h"

#include <locale.h>
#include <unistd.h>

#include <QByteArray>
#include <clocale>
#include <cmath>
#include <cstdio>

#include "chart/view_settings.h"
#include "render/file_output.h"

namespace {

// How much of the text after the leading white space is handed to the number reader. A
// latitude is a few dozen characters at most; a number running past this is refused rather
// than read from a cut copy.
constexpr std::size_t NumberWindow = 512;

// How much leading white space a file may have before its number. "%lf" would skip any amount;
// a stream of endless blanks (a pipe, a device) would then never end.
constexpr long long MaxLeadingWhiteSpace = 64LL * 1024 * 1024;

// White space as "%lf" skips it in the C locale.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Runs printf and scanf in the C locale on this thread: the file is "30.000000" whatever the
// user's locale, which Qt adopts at start-up (a German one would write "30,000000").
class CLocaleScope {
  public:
    CLocaleScope() {
        c_ = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        if (c_ != static_cast<locale_t>(nullptr)) previous_ = uselocale(c_);
    }
    ~CLocaleScope() {
        if (c_ != static_cast<locale_t>(nullptr)) {
            uselocale(previous_);
            freelocale(c_);
        }
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    locale_t c_ = static_cast<locale_t>(nullptr);
    locale_t previous_ = static_cast<locale_t>(nullptr);
};

}  // namespace

// Input: any bytes, not necessarily NUL-terminated. Output: the first number read as "%lf"
// reads it (white space skipped, anything after the number ignored), when it lies within -90 to
// 90 inclusive; otherwise nothing. NaN fails the range test. The number is read by sscanf from a
// bounded, NUL-terminated copy of the text after its white space.
std::optional<double> ParseSettingsText(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsSpace(text[start])) ++start;
    const std::string_view rest = text.substr(start);
    if (rest.empty()) return std::nullopt;

    char window[NumberWindow + 1];
    const std::size_t length = rest.size() < NumberWindow ? rest.size() : NumberWindow;
    rest.copy(window, length);
    window[length] = '\0';

    double value = 0.0;
    int used = 0;
    int fields = 0;
    {
        CLocaleScope c;
        fields = std::sscanf(window, "%lf%n", &value, &used);
    }
    if (fields != 1) return std::nullopt;
    // The number may go on past the copy: then what was read is not the file's number.
    if (length < rest.size() && static_cast<std::size_t>(used) >= length) return std::nullopt;
    if (!IsLatitude(value)) return std::nullopt;
    return value;
}

// Input: a path. Output: whether the file could be opened, and the latitude it holds. Only a
// regular file (or a link to one) is opened: a folder cannot be, as on the system the format
// comes from, and a pipe or device counts as a file that could not be read (a pipe would block
// the start for ever). Reads past the leading white space in
// chunks, then at most NumberWindow characters, so a file of any size costs little memory.
SettingsReadResult ReadSettingsFile(const std::string& path) {
    SettingsReadResult result;
    const int fd = OpenRegularFileForReading(path);
    if (fd < 0) return result;
    std::FILE* file = fdopen(fd, "rb");
    if (file == nullptr) {
        close(fd);
        return result;
    }
    result.opened = true;

    std::string text;
    char chunk[4096];
    long long skipped = 0;
    while (text.size() < NumberWindow + 1) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
        if (got == 0) break;
        std::size_t i = 0;
        if (text.empty()) {
            while (i < got && IsSpace(chunk[i])) ++i;
            skipped += static_cast<long long>(i);
            if (skipped > MaxLeadingWhiteSpace) break;
        }
        const std::size_t want = NumberWindow + 1 - text.size();
        const std::size_t take = got - i < want ? got - i : want;
        text.append(chunk + i, take);
    }
    std::fclose(file);
    result.latitude = ParseSettingsText(text);
    return result;
}

// Input: latitude in degrees; a path. Output: true when the file now holds the latitude as one
// line of "%lf\n", written as every user's file is (ReplaceFileContents: never over anything but
// a regular file, never leaving a truncated file where it could be avoided). A latitude that is
// not a finite number is not written.
bool WriteSettingsFile(double latitude, const std::string& path) {
    if (!std::isfinite(latitude)) return false;
    char line[400];
    int length = 0;
    {
        CLocaleScope c;
        length = std::snprintf(line, sizeof line, "%lf\n", latitude);
    }
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof line) return false;

    std::string reason;
    return ReplaceFileContents(path, QByteArray(line, length), reason);
}
