#include "platform/zarn_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zarn {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(FormatFloatFixed, DecimalsSignAndPadding) {
  EXPECT_EQ(FormatFloatFixed(2.5, 0, 2), "2.50");
  EXPECT_EQ(FormatFloatFixed(-0.1, 0, 1), "-0.1");
  EXPECT_EQ(FormatFloatFixed(1200, 0, 0), "1200");
  EXPECT_EQ(FormatFloatFixed(15, 3, 0), " 15");
  EXPECT_EQ(FormatFloatFixed(30, 5, 2), "30.00");
  EXPECT_EQ(FormatFloatFixed(-1.5, 8, 3), "  -1.500");
  // A negative value that rounds to zero keeps its sign; negative zero has none.
  EXPECT_EQ(FormatFloatFixed(-0.001, 0, 2), "-0.00");
  EXPECT_EQ(FormatFloatFixed(-0.0, 0, 2), "0.00");
  // Rounding to nearest on the exact binary value.
  EXPECT_EQ(FormatFloatFixed(0.126, 0, 2), "0.13");
  EXPECT_EQ(FormatFloatFixed(9.995, 0, 2), "9.99");  // 9.99499999... in binary
  EXPECT_EQ(FormatFloatFixed(99.5, 0, 0), "100");
}

TEST(FormatFloatFixed, OddInputGivesDefinedText) {
  EXPECT_EQ(FormatFloatFixed(kNaN, 0, 2), "NAN");
  EXPECT_EQ(FormatFloatFixed(kInf, 5, 2), "  INF");
  EXPECT_EQ(FormatFloatFixed(-kInf, 0, 2), "-INF");
  EXPECT_EQ(FormatFloatFixed(1.5, -3, -4), "2");
  EXPECT_EQ(FormatFloatFixed(1.0, 1'000'000, 0).size(), static_cast<size_t>(kMaxFormatWidth));
  const std::string huge = FormatFloatFixed(std::numeric_limits<long double>::max(), 0, 1'000'000);
  EXPECT_EQ(huge.size(), 4933u + 1 + kMaxFormatPrecision);
  EXPECT_EQ(FormatFloatFixed(1e300, 0, 0).size(), 301u);
}

TEST(FormatFloatExponent, DigitsAndExponentWidth) {
  EXPECT_EQ(FormatFloatExponent(1234.5, 3, 3), "1.23E+003");
  EXPECT_EQ(FormatFloatExponent(1500, 2, 4), "1.5E+0003");
  EXPECT_EQ(FormatFloatExponent(-0.00002, 2, 4), "-2.0E-0005");
  EXPECT_EQ(FormatFloatExponent(0, 2, 4), "0.0E+0000");
  EXPECT_EQ(FormatFloatExponent(9.96, 2, 3), "1.0E+001");  // rounding moves the exponent
  EXPECT_EQ(FormatFloatExponent(7, 1, 2), "7E+00");
  EXPECT_EQ(FormatFloatExponent(1e308, 2, 3), "1.0E+308");
  EXPECT_EQ(FormatFloatExponent(5e-324, 2, 3), "4.9E-324");
  EXPECT_EQ(FormatFloatExponent(kNaN, 2, 3), "NAN");
  EXPECT_EQ(FormatFloatExponent(-kInf, 2, 3), "-INF");
}

TEST(FormatFloatGeneral, ChoosesFixedOrScientific) {
  EXPECT_EQ(FormatFloatGeneral(0, 4, 3), "0");
  EXPECT_EQ(FormatFloatGeneral(1.5, 4, 3), "1.5");
  EXPECT_EQ(FormatFloatGeneral(2, 4, 3), "2");
  EXPECT_EQ(FormatFloatGeneral(-1234, 4, 3), "-1234");
  EXPECT_EQ(FormatFloatGeneral(12346, 4, 3), "1.235E+004");  // five digits before the point
  EXPECT_EQ(FormatFloatGeneral(12345, 4, 3), "1.234E+004");  // an exact tie goes to even
  EXPECT_EQ(FormatFloatGeneral(12000, 4, 3), "1.2E+004");
  EXPECT_EQ(FormatFloatGeneral(100000, 2, 3), "1E+005");
  EXPECT_EQ(FormatFloatGeneral(99.96, 3, 3), "100");
  EXPECT_EQ(FormatFloatGeneral(999.6, 3, 3), "1E+003");  // rounds to four digits before the point
  EXPECT_EQ(FormatFloatGeneral(0.00001, 3, 3), "0.00001");
  EXPECT_EQ(FormatFloatGeneral(0.0000099, 3, 3), "9.9E-006");
  EXPECT_EQ(FormatFloatGeneral(0.00000999996, 3, 3), "0.00001");  // rounds up into fixed range
  EXPECT_EQ(FormatFloatGeneral(0.1 + 0.2, 15, 3), "0.3");
  EXPECT_EQ(FormatFloatGeneral(kInf, 15, 3), "INF");
}

TEST(Format, ConversionsOfTheReadOut) {
  EXPECT_EQ(Format("%*.*f", {1, 4, 0.05}), "0.0500");
  EXPECT_EQ(Format("%*.*f", {1, 0, 4.0}), "4");
  EXPECT_EQ(Format("%*.*e", {1, 3, 1234.5}), "1.23E+003");
  EXPECT_EQ(Format("%*.*e", {1, 0, 1234.5}), "1.2E+003");  // below 2 counts as 2
  EXPECT_EQ(Format("%*.*e", {1, 4, -0.000123456}), "-1.235E-004");
  EXPECT_EQ(Format("%*.*g", {1, 2, 1234.5}), "1.2E+003");
  EXPECT_EQ(Format("%*.*g", {1, 0, 0.25}), "0.25");
  EXPECT_EQ(Format("%*.*g", {1, 6, 1234.5}), "1234.5");
  EXPECT_EQ(Format("%*.*d", {1, 3, -5}), "-005");
  EXPECT_EQ(Format("%*.*d", {1, 3, 1234}), "1234");
  EXPECT_EQ(Format("%*.*d", {1, 0, 0}), "0");
  EXPECT_EQ(Format("%d", {std::numeric_limits<std::int64_t>::min()}), "-9223372036854775808");
  EXPECT_EQ(Format("%*.*x", {1, 8, std::int64_t{4660}}), "00001234");
  EXPECT_EQ(Format("%*.*x", {1, 2, std::int64_t{-1}}), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(Format("%*.*x", {1, 0, 0}), "0");
  EXPECT_EQ(Format("%x", {std::uint64_t{0xFEDCBA9876543210}}), "FEDCBA9876543210");
}

TEST(Format, WidthsFlagsAndLiterals) {
  EXPECT_EQ(Format("[%6.2f]", {3.14159}), "[  3.14]");
  EXPECT_EQ(Format("[%-6.2f]", {3.14159}), "[3.14  ]");
  EXPECT_EQ(Format("[%*d]", {-4, 7}), "[7   ]");
  EXPECT_EQ(Format("[%.*d]", {-2, 7}), "[7]");  // negative precision is none
  EXPECT_EQ(Format("%s = %.3s!", {"a", std::string("abcdef")}), "a = abc!");
  EXPECT_EQ(Format("100%% %D %X", {1, 255}), "100% 1 FF");
  EXPECT_EQ(Format("%f", {1}), "1.00");  // an integer serves a float conversion
  EXPECT_EQ(Format("no conversions", {1, 2}), "no conversions");
}

TEST(Format, MistakesShowInsteadOfFailing) {
  EXPECT_EQ(Format("%*.*d", {1, 2, 3.5}), "%*.*d");  // a float for an integer conversion
  EXPECT_EQ(Format("a%db%dc", {1}), "a1b%dc");       // missing argument
  EXPECT_EQ(Format("%s", {5}), "%s");
  EXPECT_EQ(Format("%f", {"x"}), "%f");
  EXPECT_EQ(Format("%*f", {"x", 2.0}), "%*f");  // non-integer width
  EXPECT_EQ(Format("%q|%", {1}), "%q|%");
  EXPECT_EQ(Format("%*.*f", {1, 4, kNaN}), "NAN");
  EXPECT_EQ(Format("%*.*e", {1, 4, -kInf}), "-INF");
  EXPECT_EQ(Format("%99999999999d", {1}).size(), static_cast<size_t>(kMaxFormatWidth));
  EXPECT_EQ(Format("%*.*f", {std::int64_t{1} << 40, std::int64_t{1} << 40, 1.0}).size(),
            2u + kMaxFormatPrecision);
}

}  // namespace
}  // namespace zarn
