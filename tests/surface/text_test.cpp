#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "surface/text_internal.h"
#include "surface/text_render.h"

namespace zarn {
namespace {

constexpr TColor kPaper = 0x00FFFFFF;

struct TPixels {
  TPixels(int width, int height) : Width(width), Height(height), Data(width * height, kPaper) {}
  text::TTextTarget Target() { return Target(Rect(0, 0, Width, Height)); }
  text::TTextTarget Target(TRect clip) { return {Data.data(), Width, Height, clip}; }
  TColor At(int x, int y) const { return Data[y * Width + x]; }
  int Inked() const {
    return static_cast<int>(
        std::count_if(Data.begin(), Data.end(), [](TColor c) { return c != kPaper; }));
  }
  // The bounding box of every changed pixel (empty when none).
  TRect Ink() const {
    TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x)
        if (At(x, y) != kPaper)
          box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                 std::max(box.Bottom, y + 1)};
    return box.Left == INT_MAX ? TRect{} : box;
  }
  int Width, Height;
  std::vector<TColor> Data;
};

struct TFontCase {
  const char* Name;
  int Height;
  TFontStyles Style;
};

void Apply(TFont& font, const TFontCase& fontCase) {
  font.SetName(fontCase.Name);
  font.SetHeight(fontCase.Height);
  font.SetStyle(fontCase.Style);
}

TPixels Drawn(const TFontCase& fontCase, const std::string& s, TColor color = clBlack) {
  TFont font;
  Apply(font, fontCase);
  TPixels pixels(200, 80);
  text::Draw(pixels.Target(), 10, 10, font, s, color);
  return pixels;
}

text::TTextMetrics Measured(const TFontCase& fontCase, const std::string& s) {
  TFont font;
  Apply(font, fontCase);
  return text::Measure(font, s);
}

const TFontCase kWindowFont{"MS Sans Serif", -13, {}};
const TFontCase kSans{"DejaVu Sans", -13, {}};

TEST(Text, DrawnPixelsLieInsideTheMeasuredBox) {
  const TFontCase fonts[] = {
      kWindowFont,
      {"MS Sans Serif", -11, {}},
      {"MS Sans Serif", -13, {fsBold, fsItalic, fsUnderline, fsStrikeOut}},
      {"MS Sans Serif", 20, {}},
      kSans,
      {"DejaVu Sans", -13, {fsBold}},
      {"DejaVu Sans", -13, {fsItalic, fsUnderline}},
      {"DejaVu Sans", 20, {fsStrikeOut}},
      {"DejaVu Serif", -40, {fsBold, fsItalic}},
  };
  const std::string texts[] = {"(8g]}ÜÄ§", "Quantile", "jfj", "W", "45°", "df1 =", "ÿÇ|"};
  for (const TFontCase& fontCase : fonts) {
    const int cell = Measured(fontCase, "").Height;
    EXPECT_GT(cell, 0) << fontCase.Name << " " << fontCase.Height;
    for (const std::string& s : texts) {
      SCOPED_TRACE(std::string(fontCase.Name) + " " + std::to_string(fontCase.Height) + " '" + s +
                   "'");
      const text::TTextMetrics m = Measured(fontCase, s);
      EXPECT_EQ(m.Height, cell);
      EXPECT_GT(m.Ascent, 0);
      EXPECT_LT(m.Ascent, m.Height);
      const TRect ink = Drawn(fontCase, s).Ink();
      ASSERT_GT(ink.Width(), 0);
      EXPECT_GE(ink.Left, 10);
      EXPECT_GE(ink.Top, 10);
      EXPECT_LE(ink.Right, 10 + m.Width);
      EXPECT_LE(ink.Bottom, 10 + m.Height);
    }
  }
}

TEST(Text, WindowFontIsTheBitmapStrikeWithA16PixelCell) {
  const text::TTextMetrics m = Measured(kWindowFont, "(8g]}ÜÄ§");
  EXPECT_EQ(m.Height, 16);
  EXPECT_EQ(m.Ascent, 13);
  // Character height 13: capitals start below the 3 rows of internal leading,
  // which accents use.
  EXPECT_EQ(Drawn(kWindowFont, "H").Ink().Top, 10 + 16 - 13);
  EXPECT_EQ(Drawn(kWindowFont, "Ü").Ink().Top, 10);
  // The default height is the 13-pixel cell of the smallest strike.
  EXPECT_EQ(Measured({"MS Sans Serif", -11, {}}, "x").Height, 13);
  // 8 points at 120 pixels per inch is the same font.
  TFont font;
  font.SetPixelsPerInch(120);
  font.SetSize(8);
  EXPECT_EQ(text::Measure(font, "x").Height, 16);

  // A bitmap face is drawn as it is: no blending, only the font colour.
  const TPixels pixels = Drawn(kWindowFont, "Quantile 0.1234", clRed);
  EXPECT_GT(pixels.Inked(), 40);
  for (TColor c : pixels.Data)
    EXPECT_TRUE(c == kPaper || c == clRed);
}

TEST(Text, ScalableFacesAreAntiAliasedInTheFontColour) {
  const TPixels pixels = Drawn(kSans, "Quantile 0.1234", clBlue);
  int blended = 0;
  for (TColor c : pixels.Data) {
    if (c == kPaper || c == clBlue) continue;
    ++blended;
    // Blue over white: blue stays full, red and green fade together.
    EXPECT_EQ(GetBValue(c), 255);
    EXPECT_EQ(GetRValue(c), GetGValue(c));
  }
  EXPECT_GT(blended, 20);
}

TEST(Text, UnknownNamesUseDejaVuSans) {
  const TFontCase unknown{"No Such Font Family", -13, {}};
  const std::string s = "(8g]}ÜÄ§";
  EXPECT_EQ(Measured(unknown, s).Width, Measured(kSans, s).Width);
  EXPECT_EQ(Drawn(unknown, s).Data, Drawn(kSans, s).Data);
  EXPECT_NE(Drawn(unknown, s).Data, Drawn(kWindowFont, s).Data);
  const TFontCase unknownBold{"No Such Font Family", -13, {fsBold}};
  EXPECT_EQ(Drawn(unknownBold, s).Data, Drawn({"DejaVu Sans", -13, {fsBold}}, s).Data);
}

TEST(Text, FixedPitchFallsBackToTheMonospaceFace) {
  TFont fixed;
  fixed.SetName("No Such Font Family");
  fixed.SetHeight(-13);
  fixed.SetPitch(fpFixed);
  EXPECT_EQ(text::Measure(fixed, "iiii").Width, text::Measure(fixed, "WWWW").Width);
  // A name the machine has keeps its face.
  fixed.SetName("MS Sans Serif");
  EXPECT_EQ(text::Measure(fixed, "x").Height, 16);
}

TEST(Text, BoldIsWiderThanRegular) {
  for (const char* name : {"MS Sans Serif", "DejaVu Sans", "Unknown"}) {
    SCOPED_TRACE(name);
    const TFontCase regular{name, -13, {}}, bold{name, -13, {fsBold}};
    EXPECT_GT(Measured(bold, "Quantile").Width, Measured(regular, "Quantile").Width);
    EXPECT_GT(Drawn(bold, "Quantile").Inked(), Drawn(regular, "Quantile").Inked());
    EXPECT_EQ(Measured(bold, "x").Height, Measured(regular, "x").Height);
  }
}

TEST(Text, Latin1CharactersAreDrawn) {
  for (const TFontCase& fontCase : {kWindowFont, kSans}) {
    SCOPED_TRACE(fontCase.Name);
    for (const char* s : {"Ü", "Ä", "§", "°", "é", "ß"})
      EXPECT_GT(Drawn(fontCase, s).Inked(), 2) << s;
    // The umlaut sits above the letter.
    EXPECT_LT(Drawn(fontCase, "Ü").Ink().Top, Drawn(fontCase, "U").Ink().Top);
    // A degree sign is a small raised mark, not a box.
    const TRect degree = Drawn(fontCase, "°").Ink();
    EXPECT_LT(degree.Bottom, 10 + Measured(fontCase, "°").Ascent - 2);
  }
}

TEST(Text, DrawingStaysInsideTheClipRectangle) {
  TFont font;
  Apply(font, kSans);
  const std::string s = "Integral to +Inf.";
  TPixels full(120, 40);
  text::Draw(full.Target(), 3, 5, font, s, clBlack);
  const TRect clip = Rect(20, 9, 57, 17);
  TPixels cut(120, 40);
  text::Draw(cut.Target(clip), 3, 5, font, s, clBlack);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) {
      const bool inside = x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom;
      ASSERT_EQ(cut.At(x, y), inside ? full.At(x, y) : kPaper) << x << "," << y;
    }
  EXPECT_GT(cut.Inked(), 10);

  // Text hanging over every edge of the pixels, or far away from them.
  TPixels small(10, 6);
  for (TPoint at : {Point(-5, -5), Point(4, 2), Point(-30, 0), Point(INT_MAX, INT_MAX),
                    Point(INT_MIN, INT_MIN), Point(INT_MIN, 0), Point(0, INT_MAX - 3)})
    text::Draw(small.Target(), at.X, at.Y, font, s, clBlack);
  text::Draw(small.Target(Rect(5, 5, 5, 5)), 0, 0, font, s, clBlack);
  TPixels none(0, 0);
  text::Draw(none.Target(), 0, 0, font, s, clBlack);
}

TEST(Text, UnderlineAndStrikeOutSpanTheText) {
  for (const char* name : {"MS Sans Serif", "DejaVu Sans"}) {
    SCOPED_TRACE(name);
    const TFontCase underline{name, -13, {fsUnderline}}, strike{name, -13, {fsStrikeOut}};
    const text::TTextMetrics m = Measured(underline, "a b");
    // Between the words only the line is drawn: one full row below the
    // baseline for the underline, one above it for the strike-out.
    const auto rows = [&](const TPixels& p) {
      std::vector<int> full;
      for (int y = 10; y < 10 + m.Height; ++y) {
        bool all = true;
        for (int x = 10; x < 10 + m.Width; ++x)
          all = all && p.At(x, y) == clBlack;
        if (all) full.push_back(y - 10);
      }
      return full;
    };
    const std::vector<int> under = rows(Drawn(underline, "a b"));
    ASSERT_FALSE(under.empty());
    EXPECT_GE(under.front(), m.Ascent);
    const std::vector<int> through = rows(Drawn(strike, "a b"));
    ASSERT_FALSE(through.empty());
    EXPECT_LT(through.back(), m.Ascent);
    EXPECT_GT(through.front(), m.Height - m.Ascent);
  }
}

TEST(Text, DecodingMalformedUtf8NeverFails) {
  using text::detail::kReplacementChar;
  using text::detail::NextCodePoint;
  const auto decode = [](std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();)
      out += NextCodePoint(s, i);
    return out;
  };
  EXPECT_EQ(decode("a\xC3\x9C\xC2\xA7\xE2\x82\xAC\xF0\x9F\x98\x80"), U"aÜ§€😀");
  const char32_t R = kReplacementChar;
  EXPECT_EQ(decode("\x80\xBF"), (std::u32string{R, R}));                // stray continuations
  EXPECT_EQ(decode("\xC3"), std::u32string{R});                         // cut short at the end
  EXPECT_EQ(decode("\xE2\x82x"), (std::u32string{R, U'x'}));            // cut short mid-string
  EXPECT_EQ(decode("\xC0\xAF"), (std::u32string{R, R}));                // overlong
  EXPECT_EQ(decode("\xE0\x80\xAF"), (std::u32string{R, R, R}));         // overlong
  EXPECT_EQ(decode("\xED\xA0\x80"), (std::u32string{R, R, R}));         // surrogate
  EXPECT_EQ(decode("\xF4\x90\x80\x80"), (std::u32string{R, R, R, R}));  // above U+10FFFF
  EXPECT_EQ(decode("\xFF\xFEz"), (std::u32string{R, R, U'z'}));
  EXPECT_EQ(decode(std::string_view("\0a", 2)), (std::u32string{U'\0', U'a'}));

  // The window font has no U+FFFD: malformed text still measures and draws.
  for (const TFontCase& fontCase : {kWindowFont, kSans}) {
    const std::string bad = "x\xFF\xC3";
    EXPECT_GT(Measured(fontCase, bad).Width, Measured(fontCase, "x").Width);
    EXPECT_GT(Drawn(fontCase, bad).Inked(), Drawn(fontCase, "x").Inked());
  }
}

TEST(Text, EmptyStringsAndLineFeeds) {
  for (const TFontCase& fontCase : {kWindowFont, kSans}) {
    const text::TTextMetrics empty = Measured(fontCase, "");
    EXPECT_EQ(empty.Width, 0);
    EXPECT_EQ(empty.Height, Measured(fontCase, "Ag").Height);
    EXPECT_EQ(Drawn(fontCase, "").Inked(), 0);
    // A line feed is just another character: one line, no wrap.
    const text::TTextMetrics two = Measured(fontCase, "a\nb");
    EXPECT_EQ(two.Height, empty.Height);
    EXPECT_GE(two.Width, Measured(fontCase, "ab").Width);
    EXPECT_LT(Drawn(fontCase, "a\nb").Ink().Bottom, 10 + empty.Height + 1);
  }
}

TEST(Text, ManyFontsComeAndGo) {
  const text::TTextMetrics first = Measured(kSans, "Quantile");
  for (int h = -120; h <= 120; h += 3) {
    TFont font;
    font.SetName(h % 2 ? "DejaVu Sans" : "MS Sans Serif");
    font.SetHeight(h);
    font.SetStyle(h % 5 ? TFontStyles{} : TFontStyles{fsBold, fsItalic});
    const text::TTextMetrics m = text::Measure(font, "Quantile");
    EXPECT_GT(m.Height, 0) << h;
    if (h > 0 && h % 2) {
      EXPECT_EQ(m.Height, h);
    }
  }
  EXPECT_EQ(Measured(kSans, "Quantile").Width, first.Width);
  // Absurd heights are bounded rather than rendered at any cost.
  for (int h : {INT_MIN, INT_MAX, 0}) {
    const text::TTextMetrics m = Measured({"DejaVu Sans", h, {}}, "W");
    EXPECT_GT(m.Height, 0);
    EXPECT_LE(m.Height, 2 * text::detail::kMaxPixelSize);
  }
}

}  // namespace
}  // namespace zarn
