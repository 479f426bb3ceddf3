// The texts the user reads, in the user's language.
//
// The core is free of Qt, so its texts pass through one seam: a program that loads a
// translation puts Qt's translator behind it; until then, and in English, a text comes back
// exactly as it was given, so every English output stays as it is.
//
// A text is translated where it is shown, Translate("Legend", "star"), or marked where a table
// defines it, VQ_TRANSLATE_NOOP("Legend", "star"), and translated where it is shown. A text with
// numbers or names in it is one whole printf format, so that a translator can reorder the words:
// FormatText(VQ_FORMAT("Chart", "Dimmest Star Magnitude: %3.1f"), magnitude). lupdate finds all
// three forms (its -tr-function-alias option maps them onto QCoreApplication::translate and
// QT_TRANSLATE_NOOP). The context groups texts for the translators: one per part of the picture
// or per kind of message.
//
// Encodings, one rule: source texts are plain ASCII; whatever the core gets back, and every text
// the core draws or keeps (captions, names on the chart, the 39-character hot-spot labels), is
// Latin-1, one byte a character. The Qt side converts at its edge: it looks a text up as Qt does
// and hands the core Latin-1 (a character beyond Latin-1 becomes '?'; the translations' check
// refuses such characters), and it reads the core's texts as Latin-1. Messages (base/messages.h)
// are UTF-8, as they carry file names and Qt's own texts: the core's texts enter them through
// Latin1ToUtf8.
//
// Numbers: FormatText formats as snprintf does in the C locale, except that floating-point
// conversions write the language's decimal point (',' in German, French and Spanish), and that a
// translation may take its arguments in another order ("%2$s %1$d", as POSIX printf does). A
// translated format whose conversions do not fit the arguments is not used; the English one is.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/seam.h"

using TranslateSeam = Seam<std::string(const char* context, const char* text)>;

// The translation seam (its real function gives the text back unchanged).
TranslateSeam& Translations();

// `text` in the user's language, through the seam.
std::string Translate(const char* context, const char* text);

// Marks a text for the translators where it is defined; it is translated where it is shown.
#define VQ_TRANSLATE_NOOP(context, text) text

// A printf format for the translators, and where they find it.
struct TranslatableFormat {
    const char* context;
    const char* format;
};
#define VQ_FORMAT(context, format) (TranslatableFormat{context, format})

// One value for a format: a whole number (%d %i %u %x %X %o %c), a floating-point number
// (%f %e %g %a and their capitals) or a text (%s).
class FormatArgument {
  public:
    enum class Kind { Integer, Real, Text };
    FormatArgument(int value) : kind_(Kind::Integer), integer_(value) {}
    FormatArgument(long value) : kind_(Kind::Integer), integer_(value) {}
    FormatArgument(long long value) : kind_(Kind::Integer), integer_(value) {}
    FormatArgument(unsigned value) : kind_(Kind::Integer), integer_(value) {}
    FormatArgument(unsigned long value)
        : kind_(Kind::Integer), integer_(static_cast<long long>(value)) {}
    FormatArgument(char value) : kind_(Kind::Integer), integer_(value) {}
    FormatArgument(double value) : kind_(Kind::Real), real_(value) {}
    FormatArgument(const char* value) : kind_(Kind::Text), text_(value ? value : "") {}
    // The string must outlive the call, as it does for an argument of FormatText.
    FormatArgument(const std::string& value) : kind_(Kind::Text), text_(value.c_str()) {}

    Kind kind() const { return kind_; }
    long long integer() const { return integer_; }
    double real() const { return real_; }
    const char* text() const { return text_; }

  private:
    Kind kind_;
    long long integer_ = 0;
    double real_ = 0.0;
    const char* text_ = "";
};

// `format` filled with `arguments` by the rules above, or nothing when a conversion is not one of
// those listed, names an argument that is missing or of another kind, or when numbered and
// unnumbered conversions are mixed.
std::optional<std::string> FormatWith(std::string_view format,
                                      std::span<const FormatArgument> arguments);

// The format translated and filled, or, when the translation does not fit the arguments, the
// English format filled.
std::string FormatTranslated(TranslatableFormat format,
                             std::initializer_list<FormatArgument> arguments);

template <typename... Arguments>
std::string FormatText(TranslatableFormat format, const Arguments&... arguments) {
    return FormatTranslated(format, {FormatArgument(arguments)...});
}

// `value` with `decimals` digits after the language's decimal point ("%.*f").
std::string FormatDecimal(double value, int decimals);

// The decimal point FormatText writes: '.' until a program sets its language's.
char DecimalPoint();
void SetDecimalPoint(char point);

// English texts and numbers for the lifetime of this object, whatever the language: the outputs
// that scripts read (velquorran-chart --list and --find) keep one form everywhere.
class EnglishTexts {
  public:
    EnglishTexts();
    ~EnglishTexts();
    EnglishTexts(const EnglishTexts&) = delete;
    EnglishTexts& operator=(const EnglishTexts&) = delete;

  private:
    TranslateSeam::Function translate_;
    char decimalPoint_;
};

// Latin-1 text as UTF-8.
std::string Latin1ToUtf8(std::string_view text);
