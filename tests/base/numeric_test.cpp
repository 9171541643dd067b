#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "base/zarn_zarnbase.h"
#include "platform/zarn_format.h"
#include "surface/zarn_errors.h"

namespace zarn {
namespace {

TEST(Luminance, WeightsAndTiesToEven) {
  EXPECT_EQ(Luminance(0, 0, 0), 0);
  EXPECT_EQ(Luminance(255, 255, 255), 255);
  EXPECT_EQ(Luminance(100, 0, 0), 30);
  EXPECT_EQ(Luminance(0, 100, 0), 59);
  EXPECT_EQ(Luminance(0, 0, 100), 11);
  // Exact halves: 1.5, 4.5, 29.5, 88.5, 5.5, 16.5.
  EXPECT_EQ(Luminance(5, 0, 0), 2);
  EXPECT_EQ(Luminance(15, 0, 0), 4);
  EXPECT_EQ(Luminance(0, 50, 0), 30);
  EXPECT_EQ(Luminance(0, 150, 0), 88);
  EXPECT_EQ(Luminance(0, 0, 50), 6);
  EXPECT_EQ(Luminance(0, 0, 150), 16);
  EXPECT_EQ(Luminance(-5, 0, 0), -2);
  EXPECT_EQ(Luminance(-15, 0, 0), -4);
  EXPECT_EQ(Luminance(1, 1, 0), 1);  // 0.89
}

TEST(Luminance, ExtremeInputsStayInRange) {
  EXPECT_EQ(Luminance(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
  EXPECT_EQ(Luminance(INT_MIN, INT_MIN, INT_MIN), INT_MIN);
  EXPECT_EQ(Luminance(INT_MAX, INT_MIN, 0), -622770258);
}

TEST(ContrastTextColor, ThresholdAndBytes) {
  EXPECT_EQ(ContrastTextColor(0xFFFFFF), 0x000000u);
  EXPECT_EQ(ColorLuminance(0x808080), 128);
  EXPECT_EQ(ContrastTextColor(0x808080), 0xFFFFFFu);
  EXPECT_EQ(ColorLuminance(clYellow), 227);
  EXPECT_EQ(ContrastTextColor(clYellow), 0x000000u);
  EXPECT_EQ(ContrastTextColor(clBlack), 0xFFFFFFu);
  // Red is the low byte: pure red is 76.5, rounded to even, pure blue 28.05.
  EXPECT_EQ(ColorLuminance(clRed), 76);
  EXPECT_EQ(ColorLuminance(clBlue), 28);
  // 140 is the first luminance that gets black text.
  EXPECT_EQ(ColorLuminance(RGB(140, 140, 140)), 140);
  EXPECT_EQ(ContrastTextColor(RGB(140, 140, 140)), 0x000000u);
  EXPECT_EQ(ContrastTextColor(RGB(139, 139, 139)), 0xFFFFFFu);
  // System colours are taken by their bytes, not resolved: clBtnFace is 0xFF00000F (4.5).
  EXPECT_EQ(ColorLuminance(clBtnFace), 4);
  EXPECT_EQ(ContrastTextColor(clBtnFace), 0xFFFFFFu);
}

TEST(DecimalLog, ValuesAndPowersOfTen) {
  EXPECT_EQ(DecimalLog(1.0), 0.0);
  EXPECT_NEAR(DecimalLog(2.0), 0.30102999566398120, 1e-16);
  for (int e = -300; e <= 300; ++e) {
    // The nearest double to the power, as a layout or a literal gives it; pow
    // may miss it by a bit, and by another bit on another processor.
    const double x = std::strtod(("1e" + std::to_string(e)).c_str(), nullptr);
    EXPECT_EQ(FloorInt(DecimalLog(x) + 1e-12), e) << e;
    if (std::abs(e) <= 22) {
      EXPECT_EQ(DecimalLog(x), e) << e;
    }
  }
  EXPECT_EQ(DecimalLog(std::numeric_limits<double>::infinity()),
            std::numeric_limits<double>::infinity());
  EXPECT_NEAR(DecimalLog(std::numeric_limits<double>::denorm_min()), -323.306, 1e-3);
}

TEST(DecimalLog, RefusesNonPositiveAndNaN) {
  for (double x : {0.0, -0.0, -1.0, -std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN()}) {
    try {
      DecimalLog(x);
      ADD_FAILURE() << "no error for " << x;
    } catch (const std::domain_error& e) {
      EXPECT_STREQ(e.what(), "logarithm: invalid argument");
      EXPECT_NE(dynamic_cast<const EMathError*>(&e), nullptr);
    }
  }
}

TEST(FloorInt, RoundsDown) {
  EXPECT_EQ(FloorInt(-0.5), -1);
  EXPECT_EQ(FloorInt(2.0), 2);
  EXPECT_EQ(FloorInt(2.5), 2);
  EXPECT_EQ(FloorInt(3.5), 3);
  EXPECT_EQ(FloorInt(-2.5), -3);
  EXPECT_EQ(FloorInt(-3.0), -3);
  EXPECT_EQ(FloorInt(-0.0), 0);
  EXPECT_EQ(FloorInt(0.9999999999999999), 0);
  EXPECT_EQ(FloorInt(-1e-300), -1);
}

TEST(FloorInt, SaturatesOutsideIntRange) {
  EXPECT_EQ(FloorInt(2147483647.0), INT_MAX);
  EXPECT_EQ(FloorInt(2147483646.5), INT_MAX - 1);
  EXPECT_EQ(FloorInt(-2147483648.0), INT_MIN);
  EXPECT_EQ(FloorInt(-2147483647.5), INT_MIN);
  EXPECT_EQ(FloorInt(1e300), INT_MAX);
  EXPECT_EQ(FloorInt(-1e300), INT_MIN);
  EXPECT_EQ(FloorInt(std::numeric_limits<double>::infinity()), INT_MAX);
  EXPECT_EQ(FloorInt(-std::numeric_limits<double>::infinity()), INT_MIN);
  EXPECT_EQ(FloorInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(FormatFixed, DecimalsSignAndPadding) {
  EXPECT_EQ(FormatFixed(0, 2, 3.14159), "3.14");
  EXPECT_EQ(FormatFixed(8, 2, 3.14159), "    3.14");
  EXPECT_EQ(FormatFixed(8, 2, -3.14159), "   -3.14");
  EXPECT_EQ(FormatFixed(2, 3, -12.5), "-12.500");  // width is a minimum
  EXPECT_EQ(FormatFixed(1, 0, 12.0), "12");
  EXPECT_EQ(FormatFixed(1, 0, 0.0), "0");
  EXPECT_EQ(FormatFixed(5, 1, -0.0), "  0.0");
  EXPECT_EQ(FormatFixed(0, 4, 1e-5), "0.0000");
  EXPECT_EQ(FormatFixed(0, 2, -0.001), "-0.00");
  EXPECT_EQ(FormatFixed(0, 1, 1e20), "100000000000000000000.0");
}

TEST(FormatFixed, RoundsTheBinaryValueTiesToEven) {
  EXPECT_EQ(FormatFixed(0, 2, 0.125), "0.12");
  EXPECT_EQ(FormatFixed(0, 2, 0.375), "0.38");
  EXPECT_EQ(FormatFixed(0, 0, 2.5), "2");
  EXPECT_EQ(FormatFixed(0, 0, 3.5), "4");
  EXPECT_EQ(FormatFixed(0, 2, 2.675), "2.67");  // 2.67499999...
  EXPECT_EQ(FormatFixed(0, 1, 0.96), "1.0");
  EXPECT_EQ(FormatFixed(0, 1, 9.96), "10.0");
  EXPECT_EQ(FormatFixed(0, 0, -0.5), "-0");
}

TEST(FormatFixed, WildArgumentsNeverFail) {
  EXPECT_EQ(FormatFixed(-5, 2, 1.5), "1.50");
  EXPECT_EQ(FormatFixed(4, -3, 1.5), "   2");
  EXPECT_EQ(FormatFixed(6, 2, std::numeric_limits<double>::quiet_NaN()), "   NAN");
  EXPECT_EQ(FormatFixed(0, 2, std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FormatFixed(5, 2, -std::numeric_limits<double>::infinity()), " -INF");

  const std::string huge = FormatFixed(0, 2, -std::numeric_limits<double>::max());
  EXPECT_EQ(huge.size(), 1u + 309u + 3u);
  EXPECT_EQ(huge.substr(0, 5), "-1797");
  EXPECT_EQ(huge.substr(huge.size() - 3), ".00");

  const std::string tiny = FormatFixed(0, 1100, std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(tiny.size(), 2u + kMaxFormatPrecision);
  EXPECT_EQ(tiny.substr(0, 2 + 323), "0." + std::string(323, '0'));
  EXPECT_EQ(tiny[2 + 323], '4');  // 4.94e-324

  EXPECT_EQ(FormatFixed(INT_MAX, 0, 1.0).size(), static_cast<std::size_t>(kMaxFormatWidth));
  EXPECT_EQ(FormatFixed(0, INT_MAX, 1.0).size(), 2u + kMaxFormatPrecision);
  EXPECT_EQ(FormatFixed(INT_MIN, INT_MIN, 1.0), "1");
}

TEST(Exchange, SwapsBothArguments) {
  int a = 1, b = -2;
  ExchangeInt(a, b);
  EXPECT_EQ(a, -2);
  EXPECT_EQ(b, 1);
  double c = 1.5, d = std::numeric_limits<double>::infinity();
  ExchangeDouble(c, d);
  EXPECT_EQ(c, std::numeric_limits<double>::infinity());
  EXPECT_EQ(d, 1.5);
  // A value double cannot hold must survive the exchange unrounded.
  long double e = 1.0L + 0x1p-60L, f = -3.0L;
  ExchangeExtended(e, f);
  EXPECT_EQ(e, -3.0L);
  EXPECT_EQ(f, 1.0L + 0x1p-60L);
  ExchangeInt(a, a);
  EXPECT_EQ(a, -2);
}

}  // namespace
}  // namespace zarn
