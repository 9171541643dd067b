// The stand-alone formatters behind the read-out's display types.
#include <gtest/gtest.h>

#include <limits>

#include "base/zarn_engineering.h"
#include "readout/zarn_nimbic.h"

namespace zarn {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(FormatEngineering, DigitsAndPointForms) {
  EXPECT_EQ(FormatEngineering(3, 4700), "4.70k");
  EXPECT_EQ(FormatEngineering(-2, 4700), "4k7");
  EXPECT_EQ(FormatEngineering(-3, 4700), "4k70");
  EXPECT_EQ(FormatEngineering(2, 4700), "4.7k");
  EXPECT_EQ(FormatEngineering(1, 4700), "5k");  // |P| <= 1: integer mantissa
  EXPECT_EQ(FormatEngineering(-1, 4700), "5k");
  EXPECT_EQ(FormatEngineering(3, -4700), "-4.70k");
  EXPECT_EQ(FormatEngineering(3, 0.00123), "1.23m");
  EXPECT_EQ(FormatEngineering(3, 0.5), "500m");
  EXPECT_EQ(FormatEngineering(-3, 47), "47.0");  // no letter, so the point stays
  EXPECT_EQ(FormatEngineering(3, 1), "1.00");
  EXPECT_EQ(FormatEngineering(3, 999.96), "1000");        // not renormalised
  EXPECT_EQ(FormatEngineering(12, 4700), "4.70000000k");  // digits limited to 9
  EXPECT_EQ(FormatEngineering(-12, 4700), "4k70000000");
}

TEST(FormatEngineering, PowersOfTenAndPrefixLimits) {
  EXPECT_EQ(FormatEngineering(3, 1000), "1.00k");
  EXPECT_EQ(FormatEngineering(3, 0.001), "1.00m");
  EXPECT_EQ(FormatEngineering(3, 1e6), "1.00M");
  EXPECT_EQ(FormatEngineering(3, 1e-6), "1.00u");
  EXPECT_EQ(FormatEngineering(3, 2.2e-12), "2.20p");
  EXPECT_EQ(FormatEngineering(3, 3.3e9), "3.30G");
  EXPECT_EQ(FormatEngineering(3, 1e15), "1000T");  // beyond tera the mantissa grows
  EXPECT_EQ(FormatEngineering(3, 1e-20), "0.0100a");
  EXPECT_EQ(FormatEngineering(3, 5e-324).back(), 'a');
}

TEST(FormatEngineering, ZeroNaNAndInfinity) {
  EXPECT_EQ(FormatEngineering(3, 0), "0.00");
  EXPECT_EQ(FormatEngineering(3, -0.0), "0.00");
  EXPECT_EQ(FormatEngineering(-3, kNaN), "0.00");
  EXPECT_EQ(FormatEngineering(1, 0), "0");
  EXPECT_EQ(FormatEngineering(3, kInf), "");
  EXPECT_EQ(FormatEngineering(3, -kInf), "");
}

TEST(FormatOctalBinary, ExactDigitCounts) {
  EXPECT_EQ(FormatOctal(8, 3), "010");
  EXPECT_EQ(FormatOctal(0xFFFFFFFF, 11), "37777777777");
  EXPECT_EQ(FormatOctal(0xFFFFFFFF, 200), "37777777777");
  EXPECT_EQ(FormatOctal(9, 1), "1");  // higher digits dropped
  EXPECT_EQ(FormatOctal(5, 0), "5");  // 0 counts as 1
  EXPECT_EQ(FormatBinary(5, 4), "0101");
  EXPECT_EQ(FormatBinary(5, 0), "1");
  EXPECT_EQ(FormatBinary(0x80000000, 40), "1" + std::string(31, '0'));
}

TEST(FormatAngle, Degrees) {
  EXPECT_EQ(FormatAngle(akDeg, 2, 12.5), "12.50\u00B0");
  EXPECT_EQ(FormatAngle(akDeg, 0, -3.7), "-4\u00B0");
  EXPECT_EQ(FormatAngle(akDeg, 20, 1), "1.00000000\u00B0");  // decimals limited to 8
  EXPECT_EQ(FormatAngle(akDeg, -1, 1.4), "1\u00B0");
}

TEST(FormatAngle, DegreesAndMinutes) {
  EXPECT_EQ(FormatAngle(akDegMin, 2, 12.5), "12\u00B0 30.00'");
  EXPECT_EQ(FormatAngle(akDegMin, 0, -0.25), "-0\u00B0  15'");
  EXPECT_EQ(FormatAngle(akDegMin, 1, -12.5), "-12\u00B0 30.0'");
  EXPECT_EQ(FormatAngle(akDegMin, 0, 12.999999), "13\u00B0   0'");  // rounds into the next degree
  // 22.5 minutes: halves go away from zero.
  EXPECT_EQ(FormatAngle(akDegMin, 0, 0.375), "0\u00B0  23'");
  EXPECT_EQ(FormatAngle(akDegMin, 0, -0.375), "-0\u00B0  23'");
}

TEST(FormatAngle, DegreesMinutesAndSeconds) {
  EXPECT_EQ(FormatAngle(akDegMinSec, 1, 12.5125), "12\u00B0 30' 45.0\"");
  EXPECT_EQ(FormatAngle(akDegMinSec, 0, 12 + 31.0 / 60), "12\u00B0 31'   0\"");
  EXPECT_EQ(FormatAngle(akDegMinSec, 0, 0.0001), "0\u00B0  0'   0\"");
  EXPECT_EQ(FormatAngle(akDegMinSec, 2, -1.0 / 3600), "-0\u00B0  0'  1.00\"");
  EXPECT_EQ(FormatAngle(akDegMinSec, 0, 359.99999), "360\u00B0  0'   0\"");
}

TEST(FormatAngle, NotFiniteWritesTheDegreesOnly) {
  for (TAngleKind kind : {akDeg, akDegMin, akDegMinSec}) {
    EXPECT_EQ(FormatAngle(kind, 2, kNaN), "NAN\u00B0");
    EXPECT_EQ(FormatAngle(kind, 2, -kInf), "-INF\u00B0");
  }
  EXPECT_FALSE(FormatAngle(akDegMinSec, 8, 1e300).empty());
}

}  // namespace
}  // namespace zarn
