#pragma once
// The run-time library's number conversions: the texts a user types become numbers, and every
// number shown becomes text, with the user's decimal separator and independent of the process
// locale (the window calls setlocale, which must not change a single digit).

#include <string>

#include "platform/extended.h"

namespace fillmap {

// The user's number format. Process-wide, like the run-time library's setting: the window sets
// it from the system locale, fillmap-table from LC_NUMERIC.
struct FormatSettings {
  char decimal_separator = '.';
};
FormatSettings& format_settings();

// Optional leading spaces, an optional sign, then decimal digits or "$" and hexadecimal digits,
// and nothing after them. The value must lie in the signed 32-bit range.
// Raises EConvertError "'<text>' is not a valid integer value" otherwise.
int StrToInt(const std::string& text);

// Optional leading spaces, an optional sign, decimal digits with at most one decimal separator
// (at least one digit), an optional exponent ("E" or "e", optional sign, optional digits) and
// optional trailing spaces. Returns the correctly rounded extended value of the text.
// Raises EConvertError "'<text>' is not a valid floating point value" for any other text, and
// EOverflow for a number beyond the extended range. A number too small becomes 0 or a denormal.
extended StrToFloat(const std::string& text);

// The fixed format: the value with at most `precision` significant digits and exactly `digits`
// decimals, rounded half away from zero ("0.063" for 0.0625 with precision 7 and 3 digits), or
// "1.413717E7" when it has more than `precision` integer digits. Infinities and NaN give "INF",
// "-INF" and "NAN". The precision is taken within 1..18 and the digits within 0..18.
std::string FloatToStrF(extended value, int precision, int digits);

}  // namespace fillmap
