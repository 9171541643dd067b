#include <algorithm>
#include <cstdint>
#include <limits>

#include "readout/zarn_nimbic.h"
#include "surface/zarn_bitmap.h"

namespace zarn {

namespace {

using i64 = std::int64_t;

// LabelWidth has no bounds, so positions are worked out in 64 bits and only
// then brought back into the canvas's coordinate range.
int ToInt(i64 v) {
  return static_cast<int>(
      std::clamp<i64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Draws one of the fixed texts: opaque on the background when enabled,
// engraved (a white copy one pixel down and right under a grey one) when not.
void DrawOuterText(TCanvas& c, int x, int y, const std::string& text, bool enabled, TColor color) {
  if (enabled) {
    c.Font().SetColor(color);
    c.TextOut(x, y, text);
    return;
  }
  c.Brush().SetStyle(bsClear);
  c.Font().SetColor(clWhite);
  c.TextOut(ToInt(i64{x} + 1), ToInt(i64{y} + 1), text);
  c.Font().SetColor(clGray);
  c.TextOut(x, y, text);
}

}  // namespace

void PaintNimbic(TCanvas& Surface, const TFont& Font, int Width, int Height, bool Enabled,
                 const TNimbicLook& Look, const TDisplaySettings& Display,
                 const TBeforeDisplayEvent& OnBeforeDisplay, TObject* Sender) {
  Surface.SetFont(Font);
  const int y = (Height - Surface.TextHeight(kNimbicMeasureText)) / 2;

  TBitmap bitmap(Width, Height);
  TCanvas& c = bitmap.Canvas();
  c.SetFont(Font);

  const TColor background = Look.Transparent ? clWhite : Look.ColorOutBakG;
  c.Pen().SetColor(background);
  c.Brush().SetColor(background);
  c.Rectangle(0, 0, Width, Height);

  const i64 left = Look.LeftSpace;
  const i64 fieldEnd = left + Display.LabelWidth;
  if (!Look.LeftText.empty()) {
    const i64 tw = c.TextWidth(Look.LeftText);
    i64 x;
    switch (Look.LeftTextAlignment) {
      case taRightJustify:
        x = left - tw - 5;
        break;
      case taCenter:
        x = (left - tw) / 2;
        break;
      default:
        x = 7;
        break;
    }
    DrawOuterText(c, ToInt(x), y, Look.LeftText, Enabled, Look.ColorOutText);
  }
  if (!Look.RightText.empty()) {
    const i64 tw = c.TextWidth(Look.RightText);
    i64 x;
    switch (Look.RightTextAlignment) {
      case taRightJustify:
        x = Width - tw - 6;
        break;
      case taCenter:
        x = fieldEnd + 1 + (Width - fieldEnd - tw) / 2;
        break;
      default:
        x = fieldEnd + 7;
        break;
    }
    DrawOuterText(c, ToInt(x), y, Look.RightText, Enabled, Look.ColorOutText);
  }

  c.Brush().SetColor(Look.ColorLabBakG);
  DrawStyledFrame(c, Look.FrameStyle, ToInt(left + 1), 0, ToInt(fieldEnd), Height - 2,
                  Look.ColorHighlight3D, clSilver, Look.ColorShadow3D, Look.ColorDark,
                  Look.ColorDark);

  if (!Display.Empty) {
    const std::string text = BuildDisplayText(
        Display, [&c](const std::string& s) { return c.TextWidth(s); }, OnBeforeDisplay, Sender);
    c.Font().SetColor(Enabled ? Look.ColorLabText : clBtnShadow);
    const i64 tw = c.TextWidth(text);
    i64 x;
    switch (Look.Alignment) {
      case taRightJustify:
        x = fieldEnd - 2 - tw;
        break;
      case taCenter:
        x = left + 2 + (fieldEnd - left - tw) / 2;
        break;
      default:
        x = left + 4;
        break;
    }
    const TRect clip = Rect(ToInt(left + 3), 2, ToInt(fieldEnd - 1), Height - 3);
    c.TextRect(clip, ToInt(x), y, text);
  }

  if (Look.Transparent) {
    // White in the picture leaves the parent's background as it is under the
    // AND copy; the value field gets its own background first.
    const TColor field = Look.ColorLabText == clBlack ? Look.ColorLabBakG : clWhite;
    Surface.Pen().SetColor(field);
    Surface.Brush().SetColor(field);
    Surface.Rectangle(ToInt(left + 2), 2, ToInt(fieldEnd), Height - 2);
    Surface.SetCopyMode(cmSrcAnd);
  } else {
    Surface.SetCopyMode(cmSrcCopy);
  }
  Surface.Draw(0, 0, bitmap);
}

}  // namespace zarn
