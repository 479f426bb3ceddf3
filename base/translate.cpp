// The translation seam, the formats of translated texts and the decimal point.
#include "base/translate.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace {

char decimalPoint = '.';

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits at `at` as a number (advancing `at`), capped so that no width overflows an int.
int ReadNumber(std::string_view text, std::size_t& at) {
    int value = 0;
    while (at < text.size() && IsDigit(text[at])) {
        if (value < 100000) value = value * 10 + (text[at] - '0');
        ++at;
    }
    return value;
}

// One conversion written by snprintf in the C locale.
template <typename Value>
std::string Convert(const std::string& directive, Value value) {
    const int length = std::snprintf(nullptr, 0, directive.c_str(), value);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), directive.c_str(), value);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

FormatArgument::Kind KindOf(char conversion) {
    return std::strchr("fFeEgGaA", conversion) ? FormatArgument::Kind::Real
           : conversion == 's'                 ? FormatArgument::Kind::Text
                                               : FormatArgument::Kind::Integer;
}

}  // namespace

TranslateSeam& Translations() {
    static TranslateSeam seam([](const char*, const char* text) { return std::string(text); });
    return seam;
}

std::string Translate(const char* context, const char* text) {
    return Translations()(context, text ? text : "");
}

// Each conversion is parsed (an argument number "n$", flags, width, precision, length, letter),
// checked against its argument, rewritten without the number and with "*" replaced by the value
// it takes, and handed to snprintf alone; text between conversions is copied.
std::optional<std::string> FormatWith(std::string_view format,
                                      std::span<const FormatArgument> arguments) {
    std::string out;
    std::size_t next = 0;  // the next unnumbered argument
    bool numbered = false, unnumbered = false;
    auto take = [&](std::size_t number) -> const FormatArgument* {
        return number < arguments.size() ? &arguments[number] : nullptr;
    };
    for (std::size_t at = 0; at < format.size();) {
        if (format[at] != '%') {
            out += format[at++];
            continue;
        }
        if (at + 1 < format.size() && format[at + 1] == '%') {
            out += '%';
            at += 2;
            continue;
        }
        ++at;
        std::size_t look = at;
        const int number = ReadNumber(format, look);
        std::optional<std::size_t> position;
        if (look > at && look < format.size() && format[look] == '$') {
            if (number < 1) return std::nullopt;
            position = static_cast<std::size_t>(number - 1);
            at = look + 1;
        }
        std::string directive = "%";
        while (at < format.size() && std::strchr("-+ #0", format[at]) && format[at] != '\0')
            directive += format[at++];
        auto starValue = [&](int& value) {
            if (position) return false;  // "*" takes the next argument: unnumbered only
            const FormatArgument* argument = take(next++);
            if (argument == nullptr || argument->kind() != FormatArgument::Kind::Integer)
                return false;
            value = static_cast<int>(argument->integer());
            return true;
        };
        if (at < format.size() && format[at] == '*') {
            int width = 0;
            if (!starValue(width)) return std::nullopt;
            directive += std::to_string(width);  // a negative width is the '-' flag
            ++at;
        } else {
            const std::size_t start = at;
            ReadNumber(format, at);
            directive += format.substr(start, at - start);
        }
        if (at < format.size() && format[at] == '.') {
            ++at;
            int precision = 0;
            if (at < format.size() && format[at] == '*') {
                if (!starValue(precision)) return std::nullopt;
                ++at;
            } else {
                precision = ReadNumber(format, at);
            }
            if (precision >= 0) directive += "." + std::to_string(precision);
        }
        while (at < format.size() && std::strchr("hlLqjzt", format[at]) && format[at] != '\0') ++at;
        if (at >= format.size() || !std::strchr("diouxXcfFeEgGaAs", format[at]) ||
            format[at] == '\0')
            return std::nullopt;
        const char conversion = format[at++];
        (position ? numbered : unnumbered) = true;
        if (numbered && unnumbered) return std::nullopt;
        const FormatArgument* argument = take(position ? *position : next++);
        if (argument == nullptr || argument->kind() != KindOf(conversion)) return std::nullopt;
        switch (argument->kind()) {
            case FormatArgument::Kind::Integer:
                if (conversion == 'c') {
                    out += Convert(directive + 'c', static_cast<int>(argument->integer()));
                } else {
                    out += Convert(directive + "ll" + conversion, argument->integer());
                }
                break;
            case FormatArgument::Kind::Real: {
                std::string piece = Convert(directive + conversion, argument->real());
                const std::size_t point = piece.find('.');
                if (point != std::string::npos) piece[point] = decimalPoint;
                out += piece;
                break;
            }
            case FormatArgument::Kind::Text:
                out += Convert(directive + 's', argument->text());
                break;
        }
    }
    return out;
}

std::string FormatTranslated(TranslatableFormat format,
                             std::initializer_list<FormatArgument> arguments) {
    const std::span<const FormatArgument> values(arguments.begin(), arguments.size());
    const char* english = format.format ? format.format : "";
    if (std::optional<std::string> text = FormatWith(Translate(format.context, english), values))
        return *std::move(text);
    return FormatWith(english, values).value_or(english);
}

std::string FormatDecimal(double value, int decimals) {
    const FormatArgument arguments[] = {decimals, value};
    return FormatWith("%.*f", arguments).value_or("");
}

char DecimalPoint() {
    return decimalPoint;
}

void SetDecimalPoint(char point) {
    decimalPoint = point;
}

EnglishTexts::EnglishTexts()
    : translate_(Translations().Replace(nullptr)), decimalPoint_(DecimalPoint()) {
    SetDecimalPoint('.');
}

EnglishTexts::~EnglishTexts() {
    Translations().Replace(std::move(translate_));
    SetDecimalPoint(decimalPoint_);
}

std::string Latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}
