#pragma once
// The viewer's chart as its stored layout sets it up, for picture tests and
// benchmarks.

#include "chart/zarn_vorel.h"

namespace zarn::test {

// F(4, 4) density: 6 x / (1 + x)^4.
inline double F44(double x) {
  const double d = (1 + x) * (1 + x);
  return 6 * x / (d * d);
}

// The viewer's curve: a start point and (by default 500) density points over 0 .. 6.
inline void AddViewerCurve(TCustomVorel& chart, int points = 500) {
  chart.ClearItems();
  chart.MovePenTo(0, 0);
  for (int i = 1; i <= points; ++i) {
    const double x = 6.0 * i / points;
    chart.LineToPoint(x, F44(x));
  }
}

inline void BuildViewerChart(TCustomVorel& chart) {
  chart.SetBounds(0, 0, 553, 315);
  chart.SetMarginLeft(50);
  chart.SetMarginRight(20);
  chart.SetMarginTop(20);
  chart.SetMarginBottom(40);
  chart.SetCaption("Drag the crosshair line with the left mouse button");
  chart.SetCaptionPosX(0);
  chart.SetCaptionPosY(-16);
  chart.SetCaptionAlignment(taRightJustify);
  chart.SetCaptionAnchorHoriz(cahChartRight);
  chart.SetCaptionAnchorVert(cavChartTop);
  chart.SetChartColor(clWhite);
  chart.SetWindColor(clBtnFace);
  chart.SetChartFrameColor(clBlack);
  chart.SetDataColor(clBlack);
  chart.SetGridStyle(gsNone);
  for (int i = 1; i <= kVorelTextLabels; ++i)
    chart.TextLabel(i).SetMode(tlOff);
  TScalePropsHoriz& x = chart.Scale1X();
  x.SetScaleLocation(slBottom);
  x.SetRangeLow(0);
  x.SetRangeHigh(6);
  x.SetMinTicks(3);
  x.SetColorScale(clBlack);
  x.SetVisible(true);
  TScalePropsVert& y = chart.Scale1Y();
  y.SetScaleLocation(slLeft);
  y.SetRangeLow(0);
  y.SetRangeHigh(1.5);
  y.SetMinTicks(2);
  y.SetColorScale(clBlack);
  y.SetVisible(true);
  for (int layer = 2; layer <= kVorelLayers; ++layer) {
    chart.ScaleX(layer).SetVisible(false);
    chart.ScaleY(layer).SetVisible(false);
  }
  TCrossHair& c = chart.CrossHair1();
  c.SetPosX(1.0);
  c.SetColor(clBlack);
  c.SetLayer(1);
  c.SetMode(chVert);
  c.SetLineType(psDot);
  c.SetLineWid(1);
  for (int i = 2; i <= kVorelCrossHairs; ++i)
    chart.CrossHair(i).SetMode(chOff);
  AddViewerCurve(chart);
}

// A plotting area of (width - 20) x 80 pixels at (10, 10), one world unit a
// pixel (x from 0, y 0 .. 80), white framed grey, with no crosshairs or labels.
inline void BuildSmallChart(TCustomVorel& chart, int width = 120) {
  // Margins first: the size is raised to leave room for the margins.
  chart.SetMarginLeft(10);
  chart.SetMarginRight(10);
  chart.SetMarginTop(10);
  chart.SetMarginBottom(10);
  chart.SetBounds(0, 0, width, 100);
  chart.Scale1X().SetRangeLow(0);
  chart.Scale1X().SetRangeHigh(width - 20);
  chart.Scale1Y().SetRangeLow(0);
  chart.Scale1Y().SetRangeHigh(80);
  chart.SetChartColor(clWhite);
  chart.SetChartFrameColor(clGray);
  for (int i = 1; i <= kVorelCrossHairs; ++i)
    chart.CrossHair(i).SetMode(chOff);
  for (int i = 1; i <= kVorelTextLabels; ++i)
    chart.TextLabel(i).SetMode(tlOff);
}

inline TColor PixelOf(const TBitmap& b, int x, int y) {
  if (x < 0 || y < 0 || x >= b.Width() || y >= b.Height()) return clBlack;
  return b.ScanLine(y)[x];
}

// Anything darker than the light greys of the background.
inline bool IsDark(TColor c) {
  const TColor rgb = ColorToRGB(c);
  return (rgb & 0xFF) + ((rgb >> 8) & 0xFF) + ((rgb >> 16) & 0xFF) < 3 * 128;
}

}  // namespace zarn::test
