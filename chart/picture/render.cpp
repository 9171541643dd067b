// Painting: the control frame, the plotting area and the final copy.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"
#include "surface/zarn_canvas.h"

namespace zarn {

using vorel_detail::TRenderer;
using vorel_detail::TRenderState;

namespace {

// Clears the painting flag however the paint ends (a logarithmic axis with a
// bound <= 0 throws from the transforms).
class TPaintScope {
 public:
  explicit TPaintScope(TRenderState& s) : s_(s) { s_.Painting = true; }
  ~TPaintScope() { s_.Painting = false; }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;

 private:
  TRenderState& s_;
};

void DrawShadow(TCanvas& c, int W, int H, int w, TShadowStyle style, TColor shadow,
                TColor shadowBak) {
  c.Brush().SetColor(shadowBak);
  c.Pen().SetColor(shadowBak);
  c.Rectangle(W - w, 0, W, w);
  c.Rectangle(0, H - w, w, H);
  c.Brush().SetColor(shadow);
  int x0 = 0;
  if (style == ssFlying) {
    c.Pen().SetColor(shadow);
    x0 = w - 1;
  } else {
    c.Pen().SetColor(clBlack);
  }
  const TPoint bottom[] = {{x0, H - w}, {w - 1, H - 1}, {W - 1, H - 1}, {W - w, H - w}};
  c.Polygon(bottom);
  const TPoint right[] = {{W - w, H - w}, {W - 1, H - 1}, {W - 1, w - 1}, {W - w, x0}};
  c.Polygon(right);
  c.Pen().SetColor(clBlack);
  c.Pen().SetStyle(psSolid);
  c.MoveTo(0, 0);
  c.LineTo(W - w, 0);
  c.LineTo(W - w, H - w);
  c.LineTo(0, H - w);
  c.LineTo(0, 0);
}

// Bytes of the first n characters of a UTF-8 text.
std::size_t PrefixBytes(std::string_view t, long long n) {
  std::size_t i = 0;
  for (; i < t.size() && n > 0; --n) {
    ++i;
    while (i < t.size() && (static_cast<unsigned char>(t[i]) & 0xC0) == 0x80)
      ++i;
  }
  return i;
}

long long CharCount(std::string_view t) {
  return std::count_if(t.begin(), t.end(),
                       [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; });
}

int CaptionAnchorX(const TCustomVorel& v, int w) {
  const int W = v.Width(), ml = v.MarginLeft(), mr = v.MarginRight();
  switch (v.CaptionAnchorHoriz()) {
    case cahChartLeft:
      return ml;
    case cahChartCenter:
      return ml + (W - ml - mr - w) / 2;
    case cahChartRight:
      return W - mr - w;
    case cahControlRight:
      return W;
    default:
      return 0;
  }
}

int CaptionAnchorY(const TCustomVorel& v, int w) {
  const int H = v.Height(), mt = v.MarginTop(), mb = v.MarginBottom();
  switch (v.CaptionAnchorVert()) {
    case cavChartTop:
      return mt;
    case cavChartCenter:
      return mt + (H - mt - mb - w) / 2;
    case cavChartBottom:
      return H - mb;
    case cavControlBottom:
      return H;
    default:
      return 0;
  }
}

void DrawCaption(TCustomVorel& v, TCanvas& c, std::string& text) {
  text = v.Caption();
  int tw = c.TextWidth(text);
  const int w = v.ShadowWidth();
  if (v.CaptionTrim() != 0) {
    const long long limit = static_cast<long long>(std::nearbyint(
        static_cast<double>(c.Target().Width() - w - v.MarginLeft() - v.MarginRight()) * 0.01 *
        v.CaptionTrim()));
    // An empty caption has nothing to cut (and no width to divide by).
    if (tw > limit && tw > 0) {
      const long long keep =
          static_cast<long long>(std::nearbyint(static_cast<double>(CharCount(text)) *
                                                static_cast<double>(limit) / tw)) -
          2;
      text.resize(PrefixBytes(text, keep));
      text += "...";
      tw = c.TextWidth(text);
    }
  }
  const long long x0 = static_cast<long long>(v.CaptionPosX()) + CaptionAnchorX(v, w);
  const long long y = static_cast<long long>(v.CaptionPosY()) + CaptionAnchorY(v, w);
  long long x = x0;
  if (v.CaptionAlignment() == taRightJustify) x = x0 - tw;
  if (v.CaptionAlignment() == taCenter) x = x0 - tw / 2;
  SetTextAlign(c.Handle(), TA_LEFT | TA_TOP);
  c.Brush().SetStyle(bsClear);
  c.TextOut(vorel_detail::ClampPixel(x), vorel_detail::ClampPixel(y), text);
}

// An axis engine draws on the whole-control image, at once when asked.
void Attach(TScale& axis, TCanvas& c) {
  if (axis.ExternalCanvas() != &c) axis.SetExternalCanvas(&c, 0, 0);
  if (!axis.Embedded()) axis.SetEmbedded(true);
}

void DrawAxes(TCustomVorel& v, TCanvas& c) {
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    TScale& axis = v.AxisX(layer);
    Attach(axis, c);
    v.SyncScale(axis, v.ScaleX(layer));
    axis.RenderNow();
  }
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    TScale& axis = v.AxisY(layer);
    Attach(axis, c);
    v.SyncScale(axis, v.ScaleY(layer));
    axis.RenderNow();
  }
}

// The control's background. Where the plotting-area image will cover it,
// filling is work nobody sees, unless a handler of OnScalesRendered reads it.
void FillAroundPlot(TCustomVorel& v, TCanvas& c) {
  const int W = v.Width(), H = v.Height();
  if (v.OnScalesRendered || v.PlotWidth() <= 0 || v.PlotHeight() <= 0) {
    c.Rectangle(0, 0, W, H);
    return;
  }
  const int l = std::clamp(v.MarginLeft(), 0, W), t = std::clamp(v.MarginTop(), 0, H);
  const int r = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{l} + v.PlotWidth(), l, W));
  const int b = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{t} + v.PlotHeight(), t, H));
  const TRect strips[] = {{0, 0, W, t}, {0, b, W, H}, {0, t, l, b}, {r, t, W, b}};
  for (const TRect& s : strips)
    if (s.Left < s.Right && s.Top < s.Bottom) c.Rectangle(s);
}

void DrawControlFrame(TCustomVorel& v) {
  TBitmap& image = TRenderer::ControlImage(v);
  image.SetCanvasSize(v.Width(), v.Height(), v.DeviceScale());
  TCanvas& c = image.Canvas();
  c.Pen().SetStyle(psSolid);
  c.Pen().SetMode(pmCopy);
  c.Pen().SetWidth(1);
  c.Brush().SetColor(v.WindColor());
  c.Pen().SetColor(v.WindColor());
  FillAroundPlot(v, c);
  const int w = v.ShadowWidth();
  if (w > 0)
    DrawShadow(c, image.CanvasWidth(), image.CanvasHeight(), w, v.ShadowStyle(), v.ShadowColor(),
               v.ShadowBakColor());
  c.Pen().SetColor(v.ChartFrameColor());
  c.Brush().SetStyle(bsClear);
  c.SetFont(v.Font());
  DrawCaption(v, c, TRenderer::State(v).Text);
  try {
    v.RecalcTransforms();
  } catch (const EZarnVorelError&) {
    // An axis that cannot be mapped keeps its last transform; the others are drawn.
  }
  DrawAxes(v, c);
  if (v.OnScalesRendered) v.OnScalesRendered(&v, c, 0, 0);
}

}  // namespace

void TCustomVorel::Paint() {
  if (paintHold_ || IsLoading() || (!Visible() && !IsDesigning())) return;
  // A handler or notification that asks for a paint while one is under way
  // gets it afterwards, not inside the paint that is drawing.
  if (render_->Painting) {
    Invalidate();
    return;
  }
  TPaintScope scope(*render_);
  render_->Composition.Shown = false;
  // The platform calls Paint: whatever a handler or the drawing throws ends
  // this picture where it is, and goes no further.
  try {
    // What is still as it was drawn is not drawn again, unless a handler
    // would see that it was not.
    const bool watched = vorel_detail::PaintObservable(*this);
    const bool sized =
        vorel_detail::HasCanvasSize(controlImage_, Width(), Height(), DeviceScale()) &&
        vorel_detail::HasCanvasSize(plotImage_, PlotWidth(), PlotHeight(), DeviceScale());
    const vorel_detail::TComposition& k = render_->Composition;
    const bool frameKept = !watched && sized && k.FrameCurrent;
    const bool plotKept = !watched && sized && vorel_detail::KeptPictureCurrent(*this, *render_);
    // Current from here on: a handler that changes the chart meanwhile makes
    // the picture out of date again.
    if (!frameKept) {
      vorel_detail::FrameDrawn(*this);
      DrawControlFrame(*this);
    }
    if (!plotKept) {
      plotImage_.SetCanvasSize(PlotWidth(), PlotHeight(), DeviceScale());
      vorel_detail::RenderPlotArea(*this);
    }
    vorel_detail::ComposeWhole(*this);
  } catch (...) {
    vorel_detail::PictureChanged(*this);
  }
}

namespace vorel_detail {

TRect PlotAreaRect(const TCustomVorel& v) {
  const TBitmap& plot = v.PlotImage();
  const std::int64_t left = v.MarginLeft(), top = v.MarginTop();
  return Rect(v.MarginLeft(), v.MarginTop(), ClampPixel(left + plot.CanvasWidth()),
              ClampPixel(top + plot.CanvasHeight()));
}

void RenderPlotArea(TCustomVorel& v) {
  PlotDrawn(v);
  TBitmap& plot = TRenderer::PlotImage(v);
  v.DrawChartBackground(plot.Canvas(), 0, 0, plot.CanvasWidth(), plot.CanvasHeight());
  v.RenderDataToImage(plot, 0, 0, false, false);
  v.DrawMouseTrace(plot, 0, 0);
}

}  // namespace vorel_detail

// Only the plotting area changed: frame, caption and axes stay as they are.
void TCustomVorel::ShowPlotArea() {
  if (render_->Painting) {
    Invalidate();
    return;
  }
  TPaintScope scope(*render_);
  try {
    vorel_detail::RenderPlotArea(*this);
    vorel_detail::ComposePlotArea(*this);
  } catch (...) {
    vorel_detail::PlotChanged(*this);
  }
}

void TCustomVorel::RenderDataToImage(TBitmap& Image, int LeftOffset, int TopOffset, bool NoGrid,
                                     bool Monochrome) {
  RenderData(Image.Canvas(), LeftOffset, TopOffset, NoGrid, Monochrome);
}

namespace {

void ResetDupMap(TRenderState& s, int width, int height, int d) {
  s.DupWidth = std::max(0, width + 2 * d);
  s.DupHeight = std::max(0, height + 2 * d);
  s.DupMap.assign(static_cast<std::size_t>(s.DupWidth) * static_cast<std::size_t>(s.DupHeight), -1);
}

// Every item handler runs between items and may change a transform.
void PrepareMaps(TCustomVorel& v, TRenderState& s, int ox, int oy, int fine) {
  s.FastMaps = !v.OnBeforeRenderChartItem && !v.OnBeforeRenderText;
  if (!s.FastMaps) return;
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    const auto i = static_cast<std::size_t>(layer);
    s.XMaps[i] = vorel_detail::XMapOf(v, layer, ox);
    s.YMaps[i] = vorel_detail::YMapOf(v, layer, oy);
    s.FineXMaps[i] = fine == 1 ? s.XMaps[i] : vorel_detail::XMapOf(v, layer, ox, fine);
    s.FineYMaps[i] = fine == 1 ? s.YMaps[i] : vorel_detail::YMapOf(v, layer, oy, fine);
  }
}

void StartItems(TCustomVorel& v, TCanvas& c, TRenderState& s, int ox, int oy) {
  vorel_detail::TAttrCache& k = s.Cache;
  c.Pen().SetWidth(v.LineWidth());
  k.PenWidth = v.LineWidth();
  c.MoveTo(ox, oy);
  s.PenPos = {vorel_detail::ClampPixel(std::int64_t{ox} * c.Scale()),
              vorel_detail::ClampPixel(std::int64_t{oy} * c.Scale())};
  s.PolyCount = 0;
  c.Pen().SetColor(v.ChartColor());
  c.Pen().SetStyle(psSolid);
  c.Brush().SetColor(v.ChartColor());
  c.Font().SetColor(v.ChartColor());
  k.PenColor = k.BrushColor = k.FontColor = v.ChartColor();
  k.PenStyle = psSolid;
  k.BrushClear = false;
  SetTextAlign(c.Handle(), TA_LEFT | TA_TOP);
}

// One pass over a list; with textKinds set, only the text kinds (or only the others).
enum class TKindFilter { All, NonText, Text };

void RenderList(TCustomVorel& v, vorel_detail::TItemTarget& t, const TVoItemContainer& list,
                bool annotation, TKindFilter filter) {
  const TVoItemTexts& texts = v.ItemTexts(annotation);
  const int n = list.Count();
  for (int i = 0; i < n; ++i) {
    const TvoChartItem& stored = list[i];
    if (filter != TKindFilter::All) {
      const bool text = IsTextKind(stored.Kind);
      if (text != (filter == TKindFilter::Text)) continue;
    }
    if (!v.ClassVisible(annotation, stored.ItemClass) || !v.LayerVisible(stored.Layer)) continue;
    TvoChartItem item = stored;
    if (v.OnBeforeRenderChartItem) v.OnBeforeRenderChartItem(&v, item, i, annotation);
    vorel_detail::RenderItem(t, item, i, annotation, texts);
  }
  vorel_detail::FlushPolyLine(t);
}

void DrawPlotFrame(TCustomVorel& v, TCanvas& c, int ox, int oy) {
  const vorel_detail::TPlotEdges e = vorel_detail::PlotEdges(v);
  const std::int64_t aw = e.Right - e.Left, ah = e.Bottom - e.Top;
  c.Pen().SetColor(v.ChartFrameColor());
  c.Pen().SetStyle(psSolid);
  const int x0 = ox, y0 = oy;
  const int x1 = vorel_detail::ClampPixel(ox + aw);
  const int y1 = vorel_detail::ClampPixel(oy + ah);
  c.MoveTo(x0, y0);
  c.LineTo(x1, y0);
  c.LineTo(x1, y1);
  c.LineTo(x0, y1);
  c.LineTo(x0, y0);
}

}  // namespace

void TCustomVorel::RenderData(TCanvas& Canvas, int LeftOffset, int TopOffset, bool NoGrid,
                              bool Monochrome) {
  TRenderState& s = *render_;
  if (settings_.AvoidDuplicateMarks) ResetDupMap(s, Width(), Height(), settings_.MinDupMarkDist);
  const int eventTop = settings_.MarginTop - TopOffset,
            eventLeft = settings_.MarginLeft - LeftOffset;
  if (OnBeforeRenderData) {
    const TColor brush = Canvas.Brush().Color(), pen = Canvas.Pen().Color();
    OnBeforeRenderData(this, Canvas, eventTop, eventLeft);
    Canvas.Brush().SetColor(brush);
    Canvas.Pen().SetColor(pen);
  }
  if (settings_.GridStyle != gsNone && !NoGrid)
    vorel_detail::DrawGrid(*this, Canvas, s.Cache, LeftOffset, TopOffset);
  StartItems(*this, Canvas, s, LeftOffset, TopOffset);
  PrepareMaps(*this, s, LeftOffset, TopOffset, Canvas.Scale());
  vorel_detail::TItemTarget t{*this, Canvas, s, LeftOffset, TopOffset, Monochrome, Canvas.Scale()};
  const auto renderData = [&] {
    RenderList(*this, t, *data_, false, TKindFilter::All);
    vorel_detail::DrawSeries(t, SeriesList());
  };
  if (!dataAboveAnnotations_) renderData();
  if (showAnnotations_) {
    if (textAnnotationsLast_) {
      RenderList(*this, t, annotations_, true, TKindFilter::NonText);
      RenderList(*this, t, annotations_, true, TKindFilter::Text);
    } else {
      RenderList(*this, t, annotations_, true, TKindFilter::All);
    }
  }
  if (dataAboveAnnotations_) renderData();
  s.FastMaps = false;
  Canvas.Pen().SetWidth(1);
  vorel_detail::DrawTextLabels(*this, Canvas, LeftOffset, TopOffset);
  if (OnDataRendered) OnDataRendered(this, Canvas, eventTop, eventLeft);
  DrawPlotFrame(*this, Canvas, LeftOffset, TopOffset);
}

void TCustomVorel::SetPaintHold(bool value) {
  const bool old = paintHold_;
  paintHold_ = value;
  if (!value && old) Paint();
}

void TCustomVorel::PresentImage(int X, int Y, TCanvas& Target, TBitmap& Image) {
  DrawCrossHairs(Image, X, Y);
  Target.SetCopyMode(cmSrcCopy);
  Target.Draw(X, Y, Image);
  // The surface changed outside a paint request: have it shown.
  if (&Target == &Canvas() && Peer()) Peer()->SurfaceChanged();
}

bool TCustomVorel::LayerVisible(int layer) const {
  return layerVisible_[static_cast<std::size_t>(std::clamp(layer, 1, kVorelLayers))];
}

void TCustomVorel::SetLayerVisible(int layer, bool value) {
  if (layer < 1 || layer > kVorelLayers) return;
  layerVisible_[static_cast<std::size_t>(layer)] = value;
  vorel_detail::PlotChanged(*this);
}

void TCustomVorel::SetDataAboveAnnotations(bool value) {
  dataAboveAnnotations_ = value;
  vorel_detail::PlotChanged(*this);
}

void TCustomVorel::SetTextAnnotationsLast(bool value) {
  textAnnotationsLast_ = value;
  vorel_detail::PlotChanged(*this);
}

void TCustomVorel::SetShowAnnotations(bool value) {
  showAnnotations_ = value;
  vorel_detail::PlotChanged(*this);
}

void TCustomVorel::FontChanged() {
  vorel_detail::FrameChanged(*this);
  TCustomControl::FontChanged();
}

void TCustomVorel::CrossHairsChanged() {
  if (!settings_.AutoRedraw && !IsDesigning()) return;
  if (!vorel_detail::ComposeCrossHairs(*this)) Paint();
}

}  // namespace zarn
