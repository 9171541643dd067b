#include <gtest/gtest.h>

#include <string>

#include "readout/zarn_nimbic.h"
#include "surface/zarn_bitmap.h"

namespace zarn {
namespace {

constexpr int kWidth = 164;
constexpr int kHeight = 22;
constexpr TColor kParent = clYellow;

// The viewer's "Quantile" read-out.
struct QuantileReadout {
  TFont font;
  TNimbicLook look;
  TDisplaySettings display;
  bool enabled = true;

  QuantileReadout() {
    font.SetName("MS Sans Serif");
    font.SetHeight(-13);
    font.SetColor(clWindowText);
    look.LeftText = "Quantile";
    look.LeftSpace = 100;
    look.ColorLabBakG = clSilver;
    display.LabelWidth = 58;
    display.Precision = 4;
  }

  // The parent's surface is yellow so that what the read-out covers shows.
  void PaintOn(TBitmap& target, const TBeforeDisplayEvent& hook = {}) const {
    target.SetSize(kWidth, kHeight);
    target.Canvas().Brush().SetColor(kParent);
    target.Canvas().FillRect(Rect(0, 0, kWidth, kHeight));
    PaintNimbic(target.Canvas(), font, kWidth, kHeight, enabled, look, display, hook);
  }
};

class NimbicPaint : public ::testing::Test {
 protected:
  // Button face and shadow are told apart from silver and grey here.
  void SetUp() override {
    SetSysColor(0x0F, RGB(0xD4, 0xD0, 0xC8));
    SetSysColor(0x10, RGB(0x40, 0x50, 0x60));
    SetSysColor(0x14, RGB(0xF0, 0xF8, 0xFF));
  }
  void TearDown() override { ResetSysColors(); }

  static TColor Face() { return ColorToRGB(clBtnFace); }

  // A text drawn on its own at (x, y) on a plain background, for comparing
  // the position of a read-out's text pixel by pixel.
  static void Reference(TBitmap& bitmap, const TFont& font, TColor background, TColor ink, int x,
                        int y, const std::string& text) {
    bitmap.SetSize(kWidth, kHeight);
    TCanvas& c = bitmap.Canvas();
    c.SetFont(font);
    c.Font().SetColor(ink);
    c.Brush().SetColor(background);
    c.FillRect(Rect(0, 0, kWidth, kHeight));
    c.TextOut(x, y, text);
  }

  static int LineTop(const TFont& font) {
    TBitmap b(1, 1);
    b.Canvas().SetFont(font);
    return (kHeight - b.Canvas().TextHeight(kNimbicMeasureText)) / 2;
  }

  static int Width(const TFont& font, const std::string& text) {
    TBitmap b(1, 1);
    b.Canvas().SetFont(font);
    return b.Canvas().TextWidth(text);
  }

  static TColor Px(const TBitmap& b, int x, int y) { return b.ScanLine(y)[x]; }

  static bool SameArea(const TBitmap& a, const TBitmap& b, const TRect& r) {
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (Px(a, x, y) != Px(b, x, y)) return false;
    return true;
  }

  static int CountOf(const TBitmap& b, const TRect& r, TColor color) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        n += Px(b, x, y) == color;
    return n;
  }

  static bool AllOf(const TBitmap& b, const TRect& r, TColor color) {
    return CountOf(b, r, color) == r.Width() * r.Height();
  }
};

TEST_F(NimbicPaint, QuantileFrameAndClippedValueText) {
  QuantileReadout q;
  q.look.ColorLabBakG = clAqua;  // unlike every frame colour
  TBitmap b;
  q.PaintOn(b);
  const TCanvas& c = b.Canvas();
  // The lowered frame on (101, 0) … (158, 20).
  EXPECT_EQ(c.Pixel(101, 0), clGray);
  EXPECT_EQ(c.Pixel(158, 0), clGray);
  EXPECT_EQ(c.Pixel(101, 20), clWhite);
  EXPECT_EQ(c.Pixel(158, 20), clWhite);
  EXPECT_EQ(c.Pixel(102, 1), clBlack);
  EXPECT_EQ(c.Pixel(157, 19), clSilver);
  EXPECT_EQ(c.Pixel(102, 18), clBlack);
  EXPECT_EQ(c.Pixel(157, 2), clSilver);
  // The value field's background covers exactly (103, 2) … (156, 18).
  EXPECT_EQ(CountOf(b, Rect(102, 1, 158, 20), clAqua), CountOf(b, Rect(103, 2, 157, 19), clAqua));
  EXPECT_EQ(c.Pixel(103, 2), clAqua);
  EXPECT_EQ(c.Pixel(156, 18), clAqua);
  // Outside the frame: the outer background, right to the edges.
  EXPECT_TRUE(AllOf(b, Rect(100, 21, 164, 22), Face()));
  EXPECT_TRUE(AllOf(b, Rect(159, 0, 164, 22), Face()));
  EXPECT_TRUE(AllOf(b, Rect(96, 0, 101, 22), Face()));

  // "0.0000" centred: x = 100 + 2 + (58 - tw) / 2.
  const std::string text = "0.0000";
  TBitmap ref;
  Reference(ref, q.font, clAqua, clBlack, 102 + (58 - Width(q.font, text)) / 2, LineTop(q.font),
            text);
  EXPECT_TRUE(SameArea(b, ref, Rect(103, 2, 157, 19)));
  EXPECT_LT(CountOf(b, Rect(103, 2, 157, 19), clAqua), 54 * 17);

  // "Quantile" right-justified 5 pixels before LeftSpace.
  const std::string left = "Quantile";
  Reference(ref, q.font, Face(), clBlack, 100 - Width(q.font, left) - 5, LineTop(q.font), left);
  EXPECT_TRUE(SameArea(b, ref, Rect(0, 0, 101, 22)));
}

TEST_F(NimbicPaint, WideStateTextIsClippedToTheField) {
  QuantileReadout q;
  q.look.ColorLabBakG = clAqua;
  q.look.Alignment = taLeftJustify;
  q.display.DisplayType = dtState;
  q.display.StateText = std::string(30, 'W');
  TBitmap b;
  q.PaintOn(b);
  // Text pixels right up to the clip edge, none beyond it.
  int inkAtEdge = 0;
  for (int y = 2; y < 19; ++y)
    inkAtEdge += b.Canvas().Pixel(156, y) != clAqua;
  EXPECT_GT(inkAtEdge, 0);
  for (int y = 2; y < 19; ++y) {
    EXPECT_EQ(b.Canvas().Pixel(157, y), clSilver) << y;
    EXPECT_EQ(b.Canvas().Pixel(102, y), clBlack) << y;
  }
  EXPECT_TRUE(AllOf(b, Rect(159, 0, 164, 22), Face()));
  EXPECT_TRUE(AllOf(b, Rect(103, 19, 157, 20), clSilver));

  // A value text that does not fit shows the indicator, aligned by its own width.
  q.display.DisplayType = dtFixP;
  q.display.Value = 123456789.0;
  q.look.Alignment = taRightJustify;
  q.PaintOn(b);
  TBitmap ref;
  const std::string stars = "*********";
  Reference(ref, q.font, clAqua, clBlack, 158 - 2 - Width(q.font, stars), LineTop(q.font), stars);
  EXPECT_TRUE(SameArea(b, ref, Rect(103, 2, 157, 19)));
}

TEST_F(NimbicPaint, TextPositionsByAlignment) {
  QuantileReadout q;
  q.look.LeftText = "ab";
  q.look.RightText = "cm";
  q.display.Precision = 0;
  q.display.Value = 7;
  const int y = LineTop(q.font);
  const int tw = Width(q.font, "ab");
  const int rw = Width(q.font, "cm");
  const int vw = Width(q.font, "7");
  struct Case {
    TAlignment align;
    int left, right, value;
  };
  const Case cases[] = {
      {taLeftJustify, 7, 100 + 58 + 7, 104},
      {taRightJustify, 100 - tw - 5, kWidth - rw - 6, 158 - 2 - vw},
      {taCenter, (100 - tw) / 2, 159 + (kWidth - 158 - rw) / 2, 102 + (58 - vw) / 2},
  };
  for (const Case& k : cases) {
    q.look.LeftTextAlignment = k.align;
    q.look.RightTextAlignment = k.align;
    q.look.Alignment = k.align;
    TBitmap b, ref;
    q.PaintOn(b);
    Reference(ref, q.font, Face(), clBlack, k.left, y, "ab");
    EXPECT_TRUE(SameArea(b, ref, Rect(0, 0, 101, 22))) << int{k.align};
    Reference(ref, q.font, Face(), clBlack, k.right, y, "cm");
    EXPECT_TRUE(SameArea(b, ref, Rect(159, 0, kWidth, 22))) << int{k.align};
    Reference(ref, q.font, clSilver, clBlack, k.value, y, "7");
    EXPECT_TRUE(SameArea(b, ref, Rect(103, 2, 157, 19))) << int{k.align};
  }
}

TEST_F(NimbicPaint, DisabledLooksEngraved) {
  QuantileReadout q;
  q.enabled = false;
  q.look.ColorOutBakG = clAqua;  // neither white nor grey
  TBitmap b;
  q.PaintOn(b);
  // Left text: a white copy one pixel down and right under the grey one,
  // both without a text background.
  TBitmap ref(kWidth, kHeight);
  TCanvas& c = ref.Canvas();
  c.SetFont(q.font);
  c.Brush().SetColor(clAqua);
  c.FillRect(Rect(0, 0, kWidth, kHeight));
  c.Brush().SetStyle(bsClear);
  const int x = 100 - Width(q.font, "Quantile") - 5, y = LineTop(q.font);
  c.Font().SetColor(clWhite);
  c.TextOut(x + 1, y + 1, "Quantile");
  c.Font().SetColor(clGray);
  c.TextOut(x, y, "Quantile");
  EXPECT_TRUE(SameArea(b, ref, Rect(0, 0, 101, 22)));
  EXPECT_GT(CountOf(b, Rect(0, 0, 101, 22), clWhite), 0);
  EXPECT_GT(CountOf(b, Rect(0, 0, 101, 22), clGray), 0);
  EXPECT_EQ(CountOf(b, Rect(0, 0, 101, 22), clBlack), 0);

  // The value text in the button shadow colour.
  const TColor shadow = ColorToRGB(clBtnShadow);
  EXPECT_GT(CountOf(b, Rect(103, 2, 157, 19), shadow), 0);
  EXPECT_EQ(CountOf(b, Rect(103, 2, 157, 19), clBlack), 0);
}

TEST_F(NimbicPaint, EmptyShowsTheFrameOnTheOuterBackgroundWithoutCallingTheHook) {
  QuantileReadout q;
  q.display.Empty = true;
  q.look.ColorOutBakG = clAqua;
  int calls = 0;
  TBitmap b;
  q.PaintOn(b, [&](TObject*, std::string&) { ++calls; });
  EXPECT_EQ(calls, 0);
  EXPECT_TRUE(AllOf(b, Rect(103, 2, 157, 19), clAqua));
  EXPECT_EQ(b.Canvas().Pixel(101, 0), clGray);
  EXPECT_EQ(b.Canvas().Pixel(102, 1), clBlack);

  q.display.Empty = false;
  q.PaintOn(b, [&](TObject*, std::string& text) {
    ++calls;
    text.clear();
  });
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(AllOf(b, Rect(103, 2, 157, 19), clSilver));
}

TEST_F(NimbicPaint, SystemSchemeColoursResolveWhenDrawn) {
  QuantileReadout q;
  q.look.ColorHighlight3D = clBtnHighlight;
  q.look.ColorShadow3D = clBtnShadow;
  TBitmap b;
  q.PaintOn(b);
  EXPECT_EQ(b.Canvas().Pixel(101, 0), RGB(0x40, 0x50, 0x60));
  EXPECT_EQ(b.Canvas().Pixel(158, 20), RGB(0xF0, 0xF8, 0xFF));
  EXPECT_EQ(b.Canvas().Pixel(102, 1), clBlack);
}

TEST_F(NimbicPaint, TransparentKeepsTheParentWhereThePictureIsWhite) {
  QuantileReadout q;
  q.look.Transparent = true;
  q.look.ColorLabBakG = clAqua;
  TBitmap b;
  q.PaintOn(b);
  const TCanvas& c = b.Canvas();
  EXPECT_TRUE(AllOf(b, Rect(159, 0, 164, 22), kParent));
  EXPECT_TRUE(AllOf(b, Rect(100, 21, 164, 22), kParent));
  EXPECT_EQ(c.Pixel(158, 20), kParent);                    // white highlight
  EXPECT_EQ(c.Pixel(101, 0), clGray & kParent);            // grey shadow darkens
  EXPECT_EQ(c.Pixel(102, 1), clBlack);                     // outside the pre-filled field
  EXPECT_EQ(c.Pixel(157, 10), clSilver & clAqua);          // pre-filled in ColorLabBakG
  EXPECT_EQ(c.Pixel(104, 3), clAqua);                      // field background over the pre-fill
  EXPECT_GT(CountOf(b, Rect(0, 0, 100, 22), clBlack), 0);  // the left text darkens

  // Any other text colour pre-fills the field in white.
  q.look.ColorLabText = clRed;
  q.PaintOn(b);
  EXPECT_EQ(c.Pixel(157, 10), clSilver);
  EXPECT_EQ(c.Pixel(104, 3), clAqua);
}

}  // namespace
}  // namespace zarn
