#include <gtest/gtest.h>

#include <limits>

#include "platform/zarn_datetime.h"
#include "readout/zarn_nimbic.h"

namespace zarn {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const std::string kIndicator = "*********";

TDisplaySettings Display(TDisplay type, int precision, double value) {
  TDisplaySettings s;
  s.DisplayType = type;
  s.Precision = precision;
  s.Value = value;
  return s;
}

std::string Text(const TDisplaySettings& s) {
  return BuildDisplayText(s, {});
}
std::string Text(TDisplay type, int precision, double value) {
  return Text(Display(type, precision, value));
}

TEST(BuildDisplayText, InitialSettingsShowTwoDecimals) {
  EXPECT_EQ(Text(TDisplaySettings{}), "0.00");
}

TEST(BuildDisplayText, FixedFloatAndExponent) {
  EXPECT_EQ(Text(dtFixP, 0, 4.0), "4");
  EXPECT_EQ(Text(dtFixP, 4, 0.05), "0.0500");
  EXPECT_EQ(Text(dtFixP, 2, -1.5), "-1.50");
  EXPECT_EQ(Text(dtFixP, 2, 0.125), "0.12");            // an exact tie goes to even
  EXPECT_EQ(Text(dtFixP, 2, 0.135), "0.14");            // 0.13500000000000000888 in binary
  EXPECT_EQ(Text(dtFixP, 99, 1), "1.000000000000000");  // precision held at 15
  EXPECT_EQ(Text(dtFloat, 2, 1234.5), "1.2E+003");
  EXPECT_EQ(Text(dtFloat, 0, 0.25), "0.25");
  EXPECT_EQ(Text(dtFloat, 6, -1234.5), "-1234.5");
  EXPECT_EQ(Text(dtExp, 3, 1234.5), "1.23E+003");
  EXPECT_EQ(Text(dtExp, 3, 0), "0.00E+000");
  EXPECT_EQ(Text(dtExp, 1, -0.000015), "-1.5E-005");
}

TEST(BuildDisplayText, CommaAndPlusSign) {
  auto s = Display(dtFixP, 2, 1.5);
  s.Comma = true;
  EXPECT_EQ(Text(s), "1,50");
  s.DisplayType = dtExp;
  s.Precision = 3;
  s.Value = 1234.5;
  EXPECT_EQ(Text(s), "1,23E+003");
  s.DisplayType = dtEEng;
  s.Value = 4700;
  EXPECT_EQ(Text(s), "4,70k");

  s = Display(dtFixP, 2, 0.001);
  s.ForcePlusSign = true;
  EXPECT_EQ(Text(s), "+0.00");
  s.Value = 0;
  EXPECT_EQ(Text(s), "0.00");
  s.Value = -0.001;
  EXPECT_EQ(Text(s), "-0.00");
  s = Display(dtZeroInt, 3, 7);
  s.ForcePlusSign = true;
  EXPECT_EQ(Text(s), "+007");
  s = Display(dtDeg, 1, 2);
  s.ForcePlusSign = true;
  EXPECT_EQ(Text(s), "+2.0\u00B0");

  // Neither step touches the hexadecimal, binary, octal, date and state forms.
  for (TDisplay type : {dtHex, dtBin, dtOct, dtDateTime, dtState}) {
    s = Display(type, 4, 5);
    s.ForcePlusSign = true;
    s.Comma = true;
    s.DTFormat = "dd.mm.yyyy";
    s.StateText = "a.b";
    EXPECT_EQ(Text(s).find_first_of("+,"), std::string::npos) << int{type};
  }
}

TEST(BuildDisplayText, HexadecimalRangeAndDigits) {
  EXPECT_EQ(Text(dtHex, 8, 4294967295.0), "FFFFFFFF");
  EXPECT_EQ(Text(dtHex, 8, 4294967295.4),
            kIndicator);  // the test is on the value, not its rounding
  EXPECT_EQ(Text(dtHex, 8, 4294967294.6), "FFFFFFFF");
  EXPECT_EQ(Text(dtHex, 8, 4294967296.0), kIndicator);
  EXPECT_EQ(Text(dtHex, 2, 4660), "34");
  EXPECT_EQ(Text(dtHex, 8, -1), "FFFFFFFF");
  EXPECT_EQ(Text(dtHex, 15, 255), "000000FF");
  EXPECT_EQ(Text(dtHex, 8, -2147483648.0), "80000000");
  EXPECT_EQ(Text(dtHex, 8, -2147483649.0), kIndicator);
  EXPECT_EQ(Text(dtHex, 0, 255), "");
}

TEST(BuildDisplayText, BinaryAndOctal) {
  EXPECT_EQ(Text(dtBin, 4, 5), "0101");
  EXPECT_EQ(Text(dtBin, 15, -1), std::string(15, '1'));
  EXPECT_EQ(Text(dtBin, 2, 4294967295.0), "11");
  EXPECT_EQ(Text(dtBin, 4, 4294967296.0), kIndicator);
  EXPECT_EQ(Text(dtOct, 15, 8), "00000000010");  // 11 digits at most
  EXPECT_EQ(Text(dtOct, 12, -1), "37777777777");
  EXPECT_EQ(Text(dtOct, 3, -2147483649.0), kIndicator);
  EXPECT_EQ(Text(dtBin, 0, 5), "");
  EXPECT_EQ(Text(dtOct, 0, 5), "");
}

TEST(BuildDisplayText, Integers) {
  EXPECT_EQ(Text(dtZeroInt, 3, -5), "-005");
  EXPECT_EQ(Text(dtZeroInt, 0, 2.5), "2");  // halves to even
  EXPECT_EQ(Text(dtZeroInt, 0, 3.5), "4");
  EXPECT_EQ(Text(dtZeroInt, 2, 2147483647.0), "2147483647");
  EXPECT_EQ(Text(dtZeroInt, 2, -2147483648.0), "-2147483648");
  EXPECT_EQ(Text(dtZeroInt, 2, 2147483648.0), kIndicator);
  EXPECT_EQ(Text(dtInt, 5, 1e18), "1000000000000000000");  // precision plays no part
  EXPECT_EQ(Text(dtInt, 2, -9223372036854775808.0), "-9223372036854775808");
  EXPECT_EQ(Text(dtInt, 2, 9223372036854775808.0), kIndicator);
  EXPECT_EQ(Text(dtInt, 2, 1e300), kIndicator);
  EXPECT_EQ(Text(dtInt, 2, -kInf), kIndicator);
}

TEST(BuildDisplayText, DateTimeAndState) {
  auto s = Display(dtDateTime, 2, EncodeDate(2024, 12, 31) + 0.75);
  EXPECT_EQ(Text(s), "Dec-31, 2024");
  s.DTFormat = "yyyy-mm-dd hh:nn";
  EXPECT_EQ(Text(s), "2024-12-31 18:00");
  s.Value = 3e6;
  EXPECT_EQ(Text(s), kIndicator);
  s.Value = -700000;
  EXPECT_EQ(Text(s), kIndicator);

  s = Display(dtState, 2, kNaN);
  EXPECT_EQ(Text(s), "undefined");
  s.StateText = "";
  EXPECT_EQ(Text(s), "");
}

TEST(BuildDisplayText, AnglesAndEngineering) {
  EXPECT_EQ(Text(dtDeg, 2, 12.5), "12.50\u00B0");
  EXPECT_EQ(Text(dtDegMin, 2, 12.5), "12\u00B0 30.00'");
  EXPECT_EQ(Text(dtDegMinSec, 1, 12.5125), "12\u00B0 30' 45.0\"");
  EXPECT_EQ(Text(dtEEng, 3, 4700), "4.70k");
  EXPECT_EQ(Text(dtEEngNoDP, 2, 4700), "4k7");
  EXPECT_EQ(Text(dtEEngNoDP, 0, -0.5), "-500m");
  EXPECT_EQ(Text(dtEEng, 2, kInf), kIndicator);
  EXPECT_EQ(Text(dtEEngNoDP, 2, -kInf), kIndicator);
}

// Only the forms with a range test refuse a value that is not a number; the
// others write it by their own rules.
TEST(BuildDisplayText, NotANumberAndInfinities) {
  for (TDisplay type : {dtHex, dtZeroInt, dtBin, dtOct})
    EXPECT_EQ(Text(type, 4, kNaN), kIndicator) << int{type};
  EXPECT_EQ(Text(dtEEng, 3, kNaN), "0.00");
  EXPECT_EQ(Text(dtEEngNoDP, 3, kNaN), "0.00");
  auto s = Display(dtEEng, 3, kNaN);
  s.Comma = true;
  s.ForcePlusSign = true;
  EXPECT_EQ(Text(s), "0,00");
  for (TDisplay type : {dtFloat, dtFixP, dtExp, dtInt, dtDateTime})
    EXPECT_EQ(Text(type, 4, kNaN), "NAN") << int{type};
  EXPECT_EQ(Text(dtDegMinSec, 4, kNaN), "NAN\u00B0");
  EXPECT_EQ(Text(dtFixP, 2, kInf), "INF");
  EXPECT_EQ(Text(dtFixP, 2, -kInf), "-INF");
  EXPECT_EQ(Text(dtExp, 2, kInf), "INF");
  EXPECT_EQ(Text(static_cast<TDisplay>(99), 2, 1), kIndicator);
}

TEST(BuildDisplayText, IndicatorIsShownAsSet) {
  auto s = Display(dtZeroInt, 2, 3e9);
  s.ForcePlusSign = true;
  s.Comma = true;
  s.OverflowIndicator = "-.-";
  EXPECT_EQ(Text(s), "-.-");
}

TEST(BuildDisplayText, HookSeesEveryTypeButNotAnEmptyField) {
  int calls = 0;
  TObject* seen = nullptr;
  std::string received;
  TBeforeDisplayEvent hook = [&](TObject* sender, std::string& text) {
    ++calls;
    seen = sender;
    received = text;
    text = "[" + text + "]";
  };
  struct Dummy : TPersistent {
    std::string_view ClassName() const override { return "TDummy"; }
  } sender;
  auto s = Display(dtFixP, 1, 2);
  EXPECT_EQ(BuildDisplayText(s, {}, hook, &sender), "[2.0]");
  EXPECT_EQ(received, "2.0");
  EXPECT_EQ(seen, &sender);
  s.DisplayType = dtState;
  EXPECT_EQ(BuildDisplayText(s, {}, hook, &sender), "[undefined]");
  s.DisplayType = dtHex;
  s.Value = -1e20;
  EXPECT_EQ(BuildDisplayText(s, {}, hook), "[" + kIndicator + "]");
  EXPECT_EQ(calls, 3);

  s.Empty = true;
  int measured = 0;
  EXPECT_EQ(BuildDisplayText(
                s,
                [&](const std::string&) {
                  ++measured;
                  return 0;
                },
                hook),
            "");
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(measured, 0);
}

TEST(BuildDisplayText, OverflowAgainstTheFieldWidth) {
  // One pixel per byte: a field of 10 pixels takes texts of up to 4.
  const TTextWidthFunc width = [](const std::string& t) { return static_cast<int>(t.size()); };
  auto s = Display(dtFixP, 2, 1.5);
  s.LabelWidth = 10;
  EXPECT_EQ(BuildDisplayText(s, width), "1.50");
  s.Value = 12.5;
  EXPECT_EQ(BuildDisplayText(s, width), kIndicator);
  s.ForcePlusSign = true;
  s.Value = 1.5;
  EXPECT_EQ(BuildDisplayText(s, width), kIndicator);  // the plus sign counts

  // A hook's text is measured too, except for dtState.
  const TBeforeDisplayEvent longer = [](TObject*, std::string& t) { t = "a long text"; };
  s = Display(dtFixP, 2, 1);
  s.LabelWidth = 10;
  EXPECT_EQ(BuildDisplayText(s, width, longer), kIndicator);
  s.DisplayType = dtState;
  EXPECT_EQ(BuildDisplayText(s, width, longer), "a long text");
  s.StateText = std::string(200, 'x');
  EXPECT_EQ(BuildDisplayText(s, width), s.StateText);

  // No bounds on LabelWidth: a field narrower than its margins overflows.
  s = Display(dtHex, 0, 1);
  EXPECT_EQ(BuildDisplayText(s, width), "");
  s.LabelWidth = 5;
  EXPECT_EQ(BuildDisplayText(s, width), kIndicator);
  s.LabelWidth = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(BuildDisplayText(s, width), kIndicator);
}

}  // namespace
}  // namespace zarn
