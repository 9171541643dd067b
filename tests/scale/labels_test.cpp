// Numeric tick label texts.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scale_probe.h"

namespace zarn::test {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

TEST(FormatTickNumber, FixedAndExponentForms) {
  EXPECT_EQ(FormatTickNumber(2.5L, 2), "2.50");
  EXPECT_EQ(FormatTickNumber(-0.1L, 1), "-0.1");
  EXPECT_EQ(FormatTickNumber(1200, 0), "1200");
  EXPECT_EQ(FormatTickNumber(1500, -1), " 1.5E+03");
  EXPECT_EQ(FormatTickNumber(-2e-5L, -1), "-2.0E-05");
  EXPECT_EQ(FormatTickNumber(0, -1), " 0.0E+00");
  EXPECT_EQ(FormatTickNumber(9.96L, -1), " 1.0E+01");
  // Exponents of three digits do not fit: a row of asterisks instead.
  EXPECT_EQ(FormatTickNumber(1e100L, -1), "********");
  EXPECT_EQ(FormatTickNumber(-1e-300L, -1), "********");
}

TEST(AutoDecimals, LinearSpans) {
  EXPECT_EQ(AutoDecimals(-2, 6, 0), 1);
  EXPECT_EQ(AutoDecimals(-2, 1, 0), 2);
  EXPECT_EQ(AutoDecimals(-3, 0, 0.01L), 4);
  EXPECT_EQ(AutoDecimals(-2, 50, 0), 0);
  EXPECT_EQ(AutoDecimals(-2, 100, 0), 0);
  EXPECT_EQ(AutoDecimals(-2, 1e6L, 0), -1);
  EXPECT_EQ(AutoDecimals(-2, 0.0001L, 0), -1);
  EXPECT_EQ(AutoDecimals(3, 1e6L, 0), 3);
  EXPECT_EQ(AutoDecimals(-1, 6, 0), -1);
}

TEST(AutoDecimals, LogarithmicSpans) {
  EXPECT_EQ(AutoLogDecimals(-2, 0.01L, 100), 3);
  EXPECT_EQ(AutoLogDecimals(-2, 100, 0.5L), 1);
  EXPECT_EQ(AutoLogDecimals(-2, 1, 1e5L), 0);
  EXPECT_EQ(AutoLogDecimals(-2, 1, 1e7L), -1);
  EXPECT_EQ(AutoLogDecimals(-3, 0.01L, 100), -3);
  EXPECT_EQ(AutoLogDecimals(2, 0.01L, 100), 2);
}

TEST(UserTickTextPiece, PiecesRepeatTheLastOne) {
  const std::string t = "low|mid|high";
  EXPECT_EQ(UserTickTextPiece(t, 1), "low");
  EXPECT_EQ(UserTickTextPiece(t, 2), "mid");
  EXPECT_EQ(UserTickTextPiece(t, 3), "high");
  EXPECT_EQ(UserTickTextPiece(t, 7), "high");
  EXPECT_EQ(UserTickTextPiece("a|b|", 3), "");
  EXPECT_EQ(UserTickTextPiece("a|b|", 9), "");
  EXPECT_EQ(UserTickTextPiece("", 1), "");
  EXPECT_EQ(UserTickTextPiece(" x |", 1), " x ");
}

TEST(ApplyInscript, AmpersandPlacesTheNumber) {
  EXPECT_EQ(ApplyInscript("50", "& %"), "50 %");
  EXPECT_EQ(ApplyInscript("5", "(&)"), "(5)");
  EXPECT_EQ(ApplyInscript("5", "& m & n"), "5 m & n");
  EXPECT_EQ(ApplyInscript("5", "$"), "$5");
  EXPECT_EQ(ApplyInscript("5", ""), "5");
  EXPECT_EQ(ApplyInscript("", "& %"), "");
}

struct LabelsOf {
  std::vector<std::string> texts;
  std::vector<double> values;
};

LabelsOf Labels(ProbeEngine& e) {
  const Drawn d = Capture(e);
  return {d.labels, d.labelValues};
}

TEST(LinearLabels, ZeroTicksOnWideRanges) {
  ProbeEngine e;
  e.SetRange(0, 200000);
  EXPECT_THAT(Labels(e).texts, ElementsAre("0", "50000", "100000", "150000", "200000"));
  e.SetDecPlaces(2);
  EXPECT_THAT(Labels(e).texts,
              ElementsAre("0.0", "50000.00", "100000.00", "150000.00", "200000.00"));
}

TEST(LinearLabels, TinyRangesUseTheExponentForm) {
  ProbeEngine e;
  e.SetRange(0, 0.00005);
  EXPECT_THAT(Labels(e).texts,
              ElementsAre(" 0.0E+00", " 1.0E-05", " 2.0E-05", " 3.0E-05", " 4.0E-05", " 5.0E-05"));
}

TEST(LinearLabels, SumsNearZeroAreLabelledAsZero) {
  ProbeEngine e;
  e.SetRange(-0.3, 0.7);
  e.SetMinTicks(5);
  const LabelsOf l = Labels(e);
  ASSERT_EQ(l.texts.size(), 11u);
  EXPECT_EQ(l.texts[3], "0.00");
  EXPECT_EQ(l.values[3], 0.0);
}

TEST(LinearLabels, IntegerScalesLabelOnlyIntegers) {
  ProbeEngine e;
  e.SetRange(0, 3);
  e.SetMinTicks(5);
  e.SetDecPlaces(0);
  EXPECT_THAT(Labels(e).texts, ElementsAre("0", "", "1", "", "2", "", "3"));
}

TEST(LinearLabels, TextsAreCutAtFourteenCharacters) {
  ProbeEngine e;
  e.SetRange(0, 1e6);
  e.SetDecPlaces(12);
  const LabelsOf l = Labels(e);
  ASSERT_GE(l.texts.size(), 2u);
  EXPECT_EQ(l.texts[1], "200000.0000000");
}

TEST(LinearLabels, UserTextsAndInscriptions) {
  ProbeEngine e;
  e.SetRange(0, 4);
  e.SetLabelType(ftUserText);
  e.SetUserTickText("low|mid|high");
  EXPECT_THAT(Labels(e).texts, ElementsAre("low", "mid", "high", "high", "high"));
  e.SetLabelType(ftNum);
  e.SetScaleInscript("& %");
  e.SetRange(0, 100);
  EXPECT_THAT(Labels(e).texts, ElementsAre("0 %", "20 %", "40 %", "60 %", "80 %", "100 %"));
  e.SetLabelType(ftNoFigs);
  EXPECT_TRUE(Labels(e).texts.empty());
}

TEST(LogLabels, DecimalsAndTrailingZeros) {
  ProbeEngine e;
  e.SetRange(0.01, 100);
  e.SetLogarithmic(true);
  EXPECT_THAT(Labels(e).texts, ElementsAre("0.01", "0.1", "1", "10", "100"));
  e.SetDecPlaces(3);  // fixed decimals keep their zeros
  EXPECT_THAT(Labels(e).texts, ElementsAre("0.010", "0.100", "1.000", "10.000", "100.000"));
}

TEST(LogLabels, DecadeExponentsOnly) {
  ProbeEngine e;
  e.SetRange(0.01, 100);
  e.SetLogarithmic(true);
  e.SetDecPlaces(-3);
  EXPECT_THAT(Labels(e).texts, ElementsAre("-2", "-1", "0", "1", "2"));
  e.SetMinTicks(5);  // dense: 2 and 5 get empty texts
  const LabelsOf l = Labels(e);
  ASSERT_EQ(l.texts.size(), 13u);
  EXPECT_THAT(std::vector<std::string>(l.texts.begin(), l.texts.begin() + 4),
              ElementsAre("-2", "", "", "-1"));
}

TEST(LogLabels, UserTextsCountLabelledTicks) {
  ProbeEngine e;
  e.SetRange(1, 1000);
  e.SetLogarithmic(true);
  e.SetLabelType(ftUserText);
  e.SetUserTickText("a|b|c");
  EXPECT_THAT(Labels(e).texts, ElementsAre("a", "b", "c", "c"));
}

TEST(LinearLabels, EmptiedLabelLeavesItsTick) {
  ProbeEngine e;
  e.SetRange(0, 6);
  auto draw = [&e](bool suppress) {
    TBitmap bmp(400, 400);
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(Rect(0, 0, 400, 400));
    e.OnBeforeTickLabel = [suppress](TObject*, TScaleType, double, std::string& text) {
      if (suppress) text.clear();
    };
    e.DrawHorizontalScale(bmp.Canvas(), 379);
    int labelInk = 0;
    for (int y = 340; y < 372; ++y)
      for (int x = 0; x < 400; ++x)
        labelInk += bmp.Canvas().Pixel(x, y) != clWhite;
    const bool tick = bmp.Canvas().Pixel(20, 373) == clBlack;
    return std::pair{labelInk, tick};
  };
  const auto [inkShown, tickShown] = draw(false);
  const auto [inkSuppressed, tickSuppressed] = draw(true);
  EXPECT_GT(inkShown, 50);
  EXPECT_EQ(inkSuppressed, 0);
  EXPECT_TRUE(tickShown);
  EXPECT_TRUE(tickSuppressed);
}

}  // namespace
}  // namespace zarn::test
