#include "platform/conversions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/exceptions.h"

namespace fillmap {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

using limits = std::numeric_limits<extended>;

struct FloatCase {
  const char* text;
  extended value;
};

struct IntCase {
  const char* text;
  int value;
};

struct TextCase {
  extended value;
  const char* text;
};

TEST(StrToFloat, ReadsEveryFormOfNumber) {
  const FloatCase cases[] = {
      {"0", 0.0L},
      {"1.5", 1.5L},
      {"  -2.25  ", -2.25L},
      {"+3", 3.0L},
      {".5", 0.5L},
      {"5.", 5.0L},
      {"007.50", 7.5L},
      {"2.5e3", 2500.0L},
      {"2.5E-3", 2.5e-3L},
      {"1e", 1.0L},
      {"1E+", 1.0L},
      {"1e-", 1.0L},
      {"1e0000000000000000000000003", 1000.0L},
      // Read straight into extended, never through double.
      {"0.1", 0.1L},
      // Exactly halfway between 1 and the next extended: ties go to even.
      {"1.0000000000000000000542101086242752217003726400434970855712890625", 1.0L},
      {"1.00000000000000000005421010862427522170037264004349708557128906251",
       0x1.0000000000000002p0L},
      // Beyond the float range but inside the extended one.
      {"1e39", 1e39L},
      {"1.18973149535723176502e4932", limits::max()},
      {"1e-4940", 1e-4940L},
      {"1e-4952", 0.0L},
      {"1e-999999999999", 0.0L},
      {"0e999999999", 0.0L},
  };
  for (const FloatCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StrToFloat(c.text), c.value);
  }
}

TEST(StrToFloat, RejectsAnyOtherTextNamingItWhole) {
  const char* const texts[] = {
      "",     " ",     "min", " min",  "Min",   "max ", "abc",  "inf", "-inf", "nan",
      "0x10", "$10",   "1,5", "1 000", "\t1",   "1\t",  ".",    "-",   "e5",   ".e5",
      "1e5e", "1.2.3", "--1", "+-1",   "1e+-5", "1 e5", "1e 5", "- 1", "1-",   "1d5",
  };
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    EXPECT_THAT([text] { StrToFloat(text); },
                ThrowsMessage<EConvertError>(
                    StrEq("'" + std::string(text) + "' is not a valid floating point value")));
  }
}

TEST(StrToFloat, OverflowsBeyondTheExtendedRange) {
  for (const char* text : {"2e4932", "1e4933", "-1e999999999999", "1e99999999999999999999999"}) {
    SCOPED_TRACE(text);
    EXPECT_THAT([text] { StrToFloat(text); },
                ThrowsMessage<EOverflow>(StrEq("Floating point overflow")));
  }
}

// The calculation checks the fault record after each formula: a conversion must neither leave a
// fault of its own there nor wipe out one of the formula around it.
TEST(StrToFloat, KeepsTheFaultRecordOfItsCaller) {
  clear_pending_faults();
  EXPECT_THROW(StrToFloat("1e5000"), EOverflow);
  EXPECT_EQ(StrToFloat("1e-5000"), 0.0L);
  EXPECT_NO_THROW(raise_pending_fault());

  volatile extended huge = limits::max();
  volatile extended overflowed = huge * huge;
  static_cast<void>(overflowed);
  EXPECT_EQ(StrToFloat("1"), 1.0L);
  EXPECT_THROW(raise_pending_fault(), EOverflow);
}

// "1e39" is a number; it is the rounding into the 32-bit field that overflows.
TEST(StrToFloat, LeavesTheFloatRangeToTheRounding) {
  EXPECT_THROW(round_to_float(StrToFloat("1e39")), EOverflow);
  EXPECT_EQ(round_to_float(StrToFloat("1e-50")), 0.0f);
}

TEST(StrToInt, ReadsDecimalAndHexadecimalIntegers) {
  const IntCase cases[] = {
      {"0", 0},
      {"15", 15},
      {"   25", 25},
      {"+7", 7},
      {"-12", -12},
      {"000000000000000000000000042", 42},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"$ff", 255},
      {" -$1a", -26},
      {"$7FFFFFFF", 2147483647},
      {"-$80000000", -2147483647 - 1},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StrToInt(c.text), c.value);
  }
}

void expect_not_an_integer(const char* text) {
  SCOPED_TRACE(text);
  EXPECT_THAT([text] { StrToInt(text); },
              ThrowsMessage<EConvertError>(
                  StrEq("'" + std::string(text) + "' is not a valid integer value")));
}

TEST(StrToInt, RejectsAnyOtherTextNamingItWhole) {
  for (const char* text : {"", " ", "15 ", "1.5", "1e3", "0x10", "\t1", "- 1", "abc", "15a", "min",
                           "$", "-$", "$-1", "$G"}) {
    expect_not_an_integer(text);
  }
}

// Also the long digit runs that wrap around into the range when cut to 32 or 64 bits.
TEST(StrToInt, RejectsValuesBeyondThe32BitRange) {
  for (const char* text : {"2147483648", "-2147483649", "$80000000", "$FFFFFFFF", "4294967311",
                           "18446744073709551631", "$10000000F"}) {
    expect_not_an_integer(text);
  }
}

TEST(FloatToStrF, WritesTheFixedTextOfTheTable) {
  const TextCase cases[] = {
      {0.0L, "0.000"},
      {-0.0L, "0.000"},
      {0.5L, "0.500"},
      {10.0L, "10.000"},
      {0.1f, "0.100"},
      {523.5988L, "523.599"},
      {-523.5988L, "-523.599"},
      // Halves round away from zero, judged on the 18-digit text, not on the binary value.
      {0.0625L, "0.063"},
      {0x1.fffffffffffffffep-5L, "0.063"},
      {1.0005L, "1.001"},
      {0.0005L, "0.001"},
      {0.00049999L, "0.000"},
      {-0.0001L, "-0.000"},
      // The seventh significant digit comes before the third decimal.
      {123456.789L, "123456.800"},
      {1234567.0L, "1234567.000"},
      {9999999.4L, "9999999.000"},
      {999.99994f, "1000.000"},
      // More than seven integer digits take the general form.
      {9999999.5L, "1E7"},
      {10000000.0L, "1E7"},
      {14137167.0L, "1.413717E7"},
      {-14137167.0L, "-1.413717E7"},
      {1e100L, "1E100"},
      {limits::max(), "1.189731E4932"},
      {-limits::max(), "-1.189731E4932"},
      {limits::min(), "0.000"},
      {limits::denorm_min(), "0.000"},
      {-limits::denorm_min(), "-0.000"},
      {limits::infinity(), "INF"},
      {-limits::infinity(), "-INF"},
      {limits::quiet_NaN(), "NAN"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FloatToStrF(c.value, 7, 3), c.text);
  }
}

// A row's Input is the running float sum of 1/(N+1); its texts are those of the table.
TEST(FloatToStrF, WritesTheInputsOfRunningSums) {
  const struct {
    int points;
    std::vector<std::string> texts;
  } cases[] = {
      {15,
       {"0.000", "0.063", "0.125", "0.188", "0.250", "0.313", "0.375", "0.438", "0.500", "0.563",
        "0.625", "0.688", "0.750", "0.813", "0.875", "0.938", "1.000"}},
      {2, {"0.000", "0.333", "0.667", "1.000"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.points);
    float input = 0.0f;
    for (const std::string& text : c.texts) {
      EXPECT_EQ(FloatToStrF(input, 7, 3), text);
      input = round_to_float(input + 1.0L / (c.points + 1));
    }
  }
}

TEST(FloatToStrF, WritesRowNumbersWithoutDecimals) {
  for (int row = 1; row <= 25; ++row) EXPECT_EQ(FloatToStrF(row, 2, 0), std::to_string(row));
}

class CommaSeparator : public ::testing::Test {
 protected:
  void SetUp() override { format_settings().decimal_separator = ','; }
  void TearDown() override { format_settings() = saved_; }

 private:
  FormatSettings saved_ = format_settings();
};

TEST_F(CommaSeparator, ReadsAndWritesTheUsersSeparator) {
  EXPECT_EQ(StrToFloat("1,5"), 1.5L);
  EXPECT_EQ(StrToFloat(" -0,25e1 "), -2.5L);
  EXPECT_THAT([] { StrToFloat("1.5"); },
              ThrowsMessage<EConvertError>(StrEq("'1.5' is not a valid floating point value")));
  EXPECT_EQ(FloatToStrF(523.5988L, 7, 3), "523,599");
  EXPECT_EQ(FloatToStrF(14137167.0L, 7, 3), "1,413717E7");
  EXPECT_EQ(FloatToStrF(10000000.0L, 7, 3), "1E7");
  EXPECT_EQ(FloatToStrF(12.0L, 2, 0), "12");
}

// The window calls setlocale; the user's separator, not the process locale, decides.
TEST(Conversions, IgnoreTheProcessLocale) {
  const char* comma_locale = nullptr;
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR"}) {
    if (std::setlocale(LC_NUMERIC, name)) {
      comma_locale = name;
      break;
    }
  }
  if (!comma_locale) GTEST_SKIP() << "no locale with a decimal comma is installed";
  EXPECT_EQ(StrToFloat("1.5"), 1.5L);
  EXPECT_EQ(FloatToStrF(523.5988L, 7, 3), "523.599");
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace fillmap
