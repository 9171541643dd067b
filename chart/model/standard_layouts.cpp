// The seven standard layouts: margins, chart caption and the axes of layers 1 .. 4.

#include "chart/model/paint_hold.h"
#include "chart/zarn_vorel.h"

namespace zarn {

namespace {

struct TLayoutRow {
  int left, right, top, bottom;
  int captionY;
  bool captionCentred;  // else right-justified at the chart's right edge
  int visibleX;         // x axes 1 .. visibleX are shown
  int visibleY;
  bool x2Top;    // X2 stands above the plot
  bool y2Right;  // Y2 stands right of the plot
};

// vol_X1Bottom_Y1Left is a new chart's layout: its row holds the creation values.
const TLayoutRow& LayoutRow(TvoLayout layout) {
  static const TVorelSettings created;
  static const TLayoutRow rows[] = {
      {created.MarginLeft, created.MarginRight, created.MarginTop, created.MarginBottom,
       created.CaptionPosY, false, 1, 1, false, false},   // vol_X1Bottom_Y1Left
      {100, 20, 24, 40, -16, false, 1, 2, false, false},  // vol_X1Bottom_Y2Left
      {150, 20, 24, 40, -16, false, 1, 3, false, false},  // vol_X1Bottom_Y3Left
      {200, 20, 24, 40, -16, false, 1, 4, false, false},  // vol_X1Bottom_Y4Left
      {50, 50, 24, 40, -20, true, 1, 2, false, true},     // vol_X1Bottom_Y2Both
      {100, 20, 24, 70, -16, false, 2, 2, false, false},  // vol_X2Bottom_Y2Left
      {50, 50, 64, 40, -60, true, 2, 2, true, true},      // vol_X2Both_Y2Both
  };
  return rows[layout];
}

struct TAxisLook {
  bool farSide;  // top for x, right for y
  int captionX, captionY;
  TAlignment alignment;
  TScaleUnitAnchor anchor;
  int pos;
  bool visible;
};

TAxisLook XAxisLook(TvoLayout layout, const TLayoutRow& row, int n) {
  const bool visible = n <= row.visibleX;
  const bool top = row.x2Top && n == 2;
  TAxisLook look{top, 10, 100, taCenter, uaSclCenter, top ? 0 : (n - 1) * 30, visible};
  if (!visible) return look;
  look.captionX = 0;
  look.captionY = 22;
  if (layout == vol_X2Both_Y2Both) look.captionY = n == 1 ? 20 : -40;
  if (layout == vol_X2Bottom_Y2Left) {
    look.captionX = -20;
    look.captionY = 7;
    look.alignment = taRightJustify;
    look.anchor = uaSclTopLft;
  }
  return look;
}

TAxisLook YAxisLook(TvoLayout layout, const TLayoutRow& row, int n) {
  const bool visible = n <= row.visibleY;
  const bool right = row.y2Right && n == 2;
  const bool bothPairs = layout == vol_X2Both_Y2Both;
  TAxisLook look{right, 10, 100, taRightJustify, uaSclTopLft, right ? 0 : (n - 1) * 50, visible};
  if (bothPairs) {
    look.captionX = 0;
    look.captionY = -23;
  }
  if (!visible) return look;
  look.captionX = 0;
  look.captionY = bothPairs ? -40 : -23;
  if (right) look.alignment = taLeftJustify;
  if (layout == vol_X1Bottom_Y1Left) {
    look.captionY = -16;
    look.alignment = taLeftJustify;
  }
  return look;
}

void ApplyLook(TScaleProps& axis, const TAxisLook& look) {
  axis.SetCaptionPosX(look.captionX);
  axis.SetCaptionPosY(look.captionY);
  axis.SetCaptionAlignment(look.alignment);
  axis.SetCaptionAnchor(look.anchor);
  axis.SetScalePos(look.pos);
  axis.SetVisible(look.visible);
}

}  // namespace

void TCustomVorel::SetStandardLayout(TvoLayout value) {
  if (value > vol_X2Both_Y2Both) return;
  const TLayoutRow& row = LayoutRow(value);
  // The axis settings below would each resynchronise every axis; one pass at
  // the end leaves the same state, with painting held throughout.
  vorel_detail::PictureChanged(*this);  // some steps set fields directly
  vorel_detail::TPaintHold hold(*this, true);
  settings_.StandardLayout = value;
  SetMarginLeft(row.left);
  SetMarginRight(row.right);
  SetMarginTop(row.top);
  SetMarginBottom(row.bottom);
  settings_.CaptionPosX = 0;
  settings_.CaptionPosY = row.captionY;
  settings_.CaptionAlignment = row.captionCentred ? taCenter : taRightJustify;
  settings_.CaptionAnchorHoriz = row.captionCentred ? cahChartCenter : cahChartRight;
  settings_.CaptionAnchorVert = cavChartTop;
  for (int n = 1; n <= 4; ++n) {
    const TAxisLook x = XAxisLook(value, row, n);
    ScaleX(n).SetScaleLocation(x.farSide ? slTop : slBottom);
    ApplyLook(ScaleX(n), x);
    const TAxisLook y = YAxisLook(value, row, n);
    ScaleY(n).SetScaleLocation(y.farSide ? slRight : slLeft);
    ApplyLook(ScaleY(n), y);
  }
  for (int layer = 5; layer <= kVorelLayers; ++layer) {
    ScaleX(layer).SetVisible(false);
    ScaleY(layer).SetVisible(false);
  }
  SyncAllScales();
  hold.Release();
}

}  // namespace zarn
