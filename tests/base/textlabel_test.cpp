#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/zarn_textlabel.h"
#include "surface/zarn_errors.h"

namespace zarn {
namespace {

struct Counted : TCustomTextLabel {
  int fired = 0;
  TObject* sender = nullptr;
  Counted() {
    OnChange = [this](TObject* s) {
      ++fired;
      sender = s;
    };
  }
};

TEST(TextLabel, StartsWithTheDocumentedSettings) {
  TCustomTextLabel l;
  EXPECT_EQ(l.PosX(), 100.0);
  EXPECT_EQ(l.PosY(), 10.0);
  EXPECT_EQ(l.Layer(), 1);
  EXPECT_EQ(l.ShadowDx(), 0);
  EXPECT_EQ(l.ShadowDy(), 0);
  EXPECT_EQ(l.ColorShadow(), 0x808080u);
  EXPECT_EQ(l.Alignment(), taCenter);
  EXPECT_EQ(l.VerticalAlignment(), vaBottom);
  EXPECT_EQ(l.AttachToData(), tlamNone);
  EXPECT_EQ(l.ColorBkg(), 0xC0C0C0u);
  EXPECT_EQ(l.ColorBorder(), clBlack);
  EXPECT_FALSE(l.Transparent());
  EXPECT_EQ(l.Caption(), "");
  EXPECT_EQ(l.Mode(), tlsimple);
  EXPECT_TRUE(l.Visible());
  EXPECT_FALSE(l.OnChange);
}

TEST(TextLabel, EverySetterNotifiesEvenWithoutAChange) {
  Counted l;
  TFont font;
  const std::vector<std::function<void()>> setters = {
      [&] { l.SetPosX(100.0); },
      [&] { l.SetPosY(-3.5); },
      [&] { l.SetLayer(16); },
      [&] { l.SetShadowDx(2); },
      [&] { l.SetShadowDy(-2); },
      [&] { l.SetColorShadow(clRed); },
      [&] { l.SetAlignment(taCenter); },
      [&] { l.SetVerticalAlignment(vaTop); },
      [&] { l.SetAttachToData(tlamBoth); },
      [&] { l.SetColorBkg(clBtnFace); },
      [&] { l.SetColorBorder(clBlue); },
      [&] { l.SetTransparent(false); },
      [&] { l.SetFont(font); },
      [&] { l.SetCaption("x"); },
      [&] { l.SetMode(tlShadow); },
      [&] { l.SetVisible(true); },
  };
  for (std::size_t i = 0; i < setters.size(); ++i) {
    setters[i]();
    EXPECT_EQ(l.fired, static_cast<int>(i + 1)) << "setter " << i;
  }
  EXPECT_EQ(l.sender, &l);
  EXPECT_EQ(l.PosY(), -3.5);
  EXPECT_EQ(l.AttachToData(), tlamBoth);
  EXPECT_EQ(l.Mode(), tlShadow);
}

TEST(TextLabel, LayerOutsideOneToSixteenIsIgnoredSilently) {
  Counted l;
  l.SetLayer(7);
  for (int bad : {0, 17, -1, 1000}) {
    l.SetLayer(bad);
    EXPECT_EQ(l.Layer(), 7);
  }
  EXPECT_EQ(l.fired, 1);
  l.SetLayer(1);
  EXPECT_EQ(l.Layer(), 1);
}

TEST(TextLabel, CaptionKeepsOnlyLineFeedsAmongControlCharacters) {
  Counted l;
  l.SetCaption(
      "a\tb\nc\rd\x01\x1f"
      "e");
  EXPECT_EQ(l.Caption(), "a b\nc d  e");
  // Multi-byte characters are untouched.
  l.SetCaption("90\xC2\xB0 \xC3\x9C");
  EXPECT_EQ(l.Caption(), "90\xC2\xB0 \xC3\x9C");
  EXPECT_EQ(l.fired, 2);
}

TEST(TextLabel, SetFontCopiesTheAttributes) {
  TCustomTextLabel l;
  TFont f;
  f.SetName("Arial");
  f.SetHeight(-20);
  f.SetColor(clRed);
  f.SetStyle({fsBold});
  l.SetFont(f);
  f.SetColor(clBlue);
  EXPECT_NE(&l.Font(), &f);
  EXPECT_EQ(l.Font().Name(), "Arial");
  EXPECT_EQ(l.Font().Height(), -20);
  EXPECT_EQ(l.Font().Color(), clRed);
  EXPECT_EQ(l.Font().Style(), TFontStyles{fsBold});
}

TEST(TextLabel, AssignCopiesEverythingAndTheHandlerWithoutFiring) {
  Counted src;
  src.SetPosX(1.5);
  src.SetPosY(2.5);
  src.SetLayer(9);
  src.SetShadowDx(3);
  src.SetShadowDy(4);
  src.SetColorShadow(clRed);
  src.SetAlignment(taRightJustify);
  src.SetVerticalAlignment(vaCenter);
  src.SetAttachToData(tlamXOnly);
  src.SetColorBkg(clYellow);
  src.SetColorBorder(clBlue);
  src.SetTransparent(true);
  src.Font().SetHeight(-17);
  src.SetCaption("two\nlines");
  src.SetMode(tlBox);
  src.SetVisible(false);
  const int before = src.fired;

  Counted dst;
  dst.Assign(src);
  EXPECT_EQ(src.fired, before);
  EXPECT_EQ(dst.fired, 0);
  EXPECT_EQ(dst.PosX(), 1.5);
  EXPECT_EQ(dst.PosY(), 2.5);
  EXPECT_EQ(dst.Layer(), 9);
  EXPECT_EQ(dst.ShadowDx(), 3);
  EXPECT_EQ(dst.ShadowDy(), 4);
  EXPECT_EQ(dst.ColorShadow(), clRed);
  EXPECT_EQ(dst.Alignment(), taRightJustify);
  EXPECT_EQ(dst.VerticalAlignment(), vaCenter);
  EXPECT_EQ(dst.AttachToData(), tlamXOnly);
  EXPECT_EQ(dst.ColorBkg(), clYellow);
  EXPECT_EQ(dst.ColorBorder(), clBlue);
  EXPECT_TRUE(dst.Transparent());
  EXPECT_EQ(dst.Font().Height(), -17);
  EXPECT_NE(&dst.Font(), &src.Font());
  EXPECT_EQ(dst.Caption(), "two\nlines");
  EXPECT_EQ(dst.Mode(), tlBox);
  EXPECT_FALSE(dst.Visible());

  // The copied handler is the source's: it now counts the source's changes.
  dst.SetPosX(0);
  EXPECT_EQ(src.fired, before + 1);
  EXPECT_EQ(src.sender, &dst);
  EXPECT_EQ(dst.fired, 0);
}

TEST(TextLabel, UnrelatedClassesCannotBeAssigned) {
  TCustomTextLabel l;
  TFont f;
  try {
    l.Assign(f);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TFont to a TCustomTextLabel");
  }
  try {
    f.Assign(l);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TCustomTextLabel to a TFont");
  }
}

}  // namespace
}  // namespace zarn
