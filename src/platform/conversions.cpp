#include "platform/conversions.h"

#include <algorithm>
#include <cerrno>
#include <cfenv>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "platform/exceptions.h"

namespace fillmap {

namespace {

// A value is written with this many significant digits before any rounding of the fixed text.
constexpr int significant_digits = 18;

// An exponent this large in magnitude lies far beyond both ends of the extended range; reading
// stops growing there so that no run of exponent digits can wrap around.
constexpr std::int64_t exponent_limit = 1'000'000'000'000'000;

// Reads a text from left to right. Every accept_... consumes what it accepts and nothing else.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool at_end() const { return position_ == text_.size(); }

  bool accept(char wanted) {
    if (at_end() || text_[position_] != wanted) return false;
    ++position_;
    return true;
  }

  void skip_spaces() {
    while (accept(' ')) {
    }
  }

  // True after a "-", false after a "+" or when there is no sign.
  bool accept_sign() {
    if (accept('-')) return true;
    accept('+');
    return false;
  }

  std::optional<int> accept_digit(int base) {
    if (at_end()) return std::nullopt;
    const char c = text_[position_];
    int value = base;
    if (c >= '0' && c <= '9') value = c - '0';
    if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    if (value >= base) return std::nullopt;
    ++position_;
    return value;
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

EConvertError not_an_integer(const std::string& text) {
  return EConvertError("'" + text + "' is not a valid integer value");
}

EConvertError not_a_float(const std::string& text) {
  return EConvertError("'" + text + "' is not a valid floating point value");
}

// Converts plain ASCII "[-]digits" "e" "exponent" under the "C" number format, so that the
// process locale has no say. The caller's record of floating-point faults is kept as it was:
// this conversion reports its own overflow, and its inexact or underflowing result is no fault.
extended canonical_to_extended(const std::string& canonical) {
  static const locale_t c_numeric = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
  std::fexcept_t caller_faults;
  std::fegetexceptflag(&caller_faults, FE_ALL_EXCEPT);
  errno = 0;
  const extended value = strtold_l(canonical.c_str(), nullptr, c_numeric);
  const bool out_of_range = errno == ERANGE;
  std::fesetexceptflag(&caller_faults, FE_ALL_EXCEPT);
  // Out of range towards zero gives 0 or a denormal, which stands.
  if (out_of_range && std::isinf(value)) throw EOverflow();
  return value;
}

// A decimal number: the significant digits without trailing zeros (none for zero), the power of
// ten of the first of them, and the sign.
struct Decimal {
  std::string digits;
  int exponent = 0;
  bool negative = false;

  // The digit at the given power of ten; zero beyond the significant digits.
  char digit_at(int power) const {
    const int index = exponent - power;
    return index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
  }
};

// The finite value with 18 significant digits, correctly rounded. std::to_chars always writes
// "d.ddddddddddddddddde+x" with an ASCII point, whatever the locale.
Decimal to_decimal(extended value) {
  char buffer[64];
  const char* const end = std::to_chars(std::begin(buffer), std::end(buffer), std::fabs(value),
                                        std::chars_format::scientific, significant_digits - 1)
                              .ptr;
  const std::string_view written(buffer, end - buffer);
  Decimal decimal;
  decimal.digits = written[0] + std::string(written.substr(2, significant_digits - 1));
  std::string_view exponent = written.substr(written.find('e') + 1);
  if (exponent.front() == '+') exponent.remove_prefix(1);
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), decimal.exponent);
  // Negative zero prints as zero; a negative value that rounds to zero keeps its sign.
  decimal.negative = value < 0;
  return decimal;
}

// Rounds half away from zero to the first `keep` significant digits and drops the trailing zeros.
// With `keep` 0 only a carry into the next power of ten can remain (0.0005 to 0.001 at three
// decimals); below 0 the value is zero.
void round_half_away(Decimal& decimal, int keep) {
  if (keep < 0) {
    decimal.digits.clear();
  } else if (keep < static_cast<int>(decimal.digits.size())) {
    const bool round_up = decimal.digits[keep] >= '5';
    decimal.digits.resize(keep);
    if (round_up) {
      auto carry = decimal.digits.rbegin();
      for (; carry != decimal.digits.rend() && *carry == '9'; ++carry) *carry = '0';
      if (carry != decimal.digits.rend()) {
        ++*carry;
      } else {
        // 9.9995 becomes 10.000: one more integer digit.
        decimal.digits.insert(decimal.digits.begin(), '1');
        ++decimal.exponent;
      }
    }
  }
  decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
}

}  // namespace

FormatSettings& format_settings() {
  static FormatSettings settings;
  return settings;
}

int StrToInt(const std::string& text) {
  Cursor input(text);
  input.skip_spaces();
  const bool negative = input.accept_sign();
  const int base = input.accept('$') ? 16 : 10;
  // Only a negative number reaches 2^31. Reading stops at the first digit beyond the range, so a
  // long run of digits cannot wrap around into it.
  const std::int64_t limit = negative ? 2147483648 : 2147483647;
  std::int64_t magnitude = 0;
  bool has_digit = false;
  while (const auto digit = input.accept_digit(base)) {
    magnitude = magnitude * base + *digit;
    if (magnitude > limit) throw not_an_integer(text);
    has_digit = true;
  }
  if (!has_digit || !input.at_end()) throw not_an_integer(text);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

extended StrToFloat(const std::string& text) {
  Cursor input(text);
  input.skip_spaces();
  // The number is rebuilt as "[-]digits" "e" "exponent", without the user's separator.
  std::string canonical = input.accept_sign() ? "-" : "";
  std::int64_t exponent = 0;
  bool has_digit = false;
  while (const auto digit = input.accept_digit(10)) {
    canonical += static_cast<char>('0' + *digit);
    has_digit = true;
  }
  if (input.accept(format_settings().decimal_separator)) {
    while (const auto digit = input.accept_digit(10)) {
      canonical += static_cast<char>('0' + *digit);
      --exponent;
      has_digit = true;
    }
  }
  if (!has_digit) throw not_a_float(text);
  // "1e" and "1E+" are complete numbers: the exponent's digits are optional.
  if (input.accept('E') || input.accept('e')) {
    const bool negative_exponent = input.accept_sign();
    std::int64_t written = 0;
    while (const auto digit = input.accept_digit(10)) {
      written = std::min(written * 10 + *digit, exponent_limit);
    }
    exponent += negative_exponent ? -written : written;
  }
  input.skip_spaces();
  if (!input.at_end()) throw not_a_float(text);
  return canonical_to_extended(canonical + 'e' + std::to_string(exponent));
}

std::string FloatToStrF(extended value, int precision, int digits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  precision = std::clamp(precision, 1, significant_digits);
  digits = std::clamp(digits, 0, significant_digits);

  Decimal decimal = to_decimal(value);
  // Whichever comes first: the last decimal shown or the last significant digit allowed.
  round_half_away(decimal, std::min(precision, decimal.exponent + 1 + digits));

  const char separator = format_settings().decimal_separator;
  std::string text = decimal.negative ? "-" : "";
  if (decimal.exponent >= precision) {
    // More integer digits than the precision allows: "1.413717E7", "1E7".
    text += decimal.digits.front();
    if (decimal.digits.size() > 1) {
      text += separator;
      text.append(decimal.digits, 1);
    }
    return text + 'E' + std::to_string(decimal.exponent);
  }
  // Positions beyond the kept digits print as zeros: 123456.789 gives "123456.800".
  for (int power = std::max(decimal.exponent, 0); power >= 0; --power) {
    text += decimal.digit_at(power);
  }
  if (digits > 0) text += separator;
  for (int power = -1; power >= -digits; --power) text += decimal.digit_at(power);
  return text;
}

}  // namespace fillmap
