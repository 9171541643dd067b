// The composed picture against the plain one: two charts take the same random
// steps; one may move its crosshairs over the kept picture, the other paints
// in full because a handler watches it. Their surfaces must agree after every
// step, and a crosshair move must report every pixel it changed.

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <random>
#include <vector>

#include "chart/zarn_vorel.h"
#include "platform/application.h"

namespace zarn {
namespace {

struct TRecordingPeer : TControlPeer {
  void SurfaceChanged() override { whole = true; }
  void SurfaceAreaChanged(const TRect& r) override { areas.push_back(r); }
  void Clear() {
    whole = false;
    areas.clear();
  }
  bool whole = false;
  std::vector<TRect> areas;
};

class Walk {
 public:
  explicit Walk(unsigned seed) : rng_(seed) {
    plain_.OnDataRendered = [](TObject*, TCanvas&, int, int) {};
    auto peer = std::make_unique<TRecordingPeer>();
    peer_ = peer.get();
    fast_.SetPeer(std::move(peer));
    Both([&](TVorel& c) {
      c.SetBounds(0, 0, 300, 200);
      c.SetPaintHold(false);
    });
    Geometry();
    Curve();
  }

  // One random step on both charts; false when their pictures differ.
  ::testing::AssertionResult Step() {
    const std::vector<TColor> before = fast_.Surface().Pixels();
    peer_->Clear();
    const int op = Pick(0, 14);
    const bool crosshairOnly = op <= 5;
    switch (op) {
      case 0:
      case 1:
      case 2:
      case 3:
        MoveCrossHair();
        break;
      case 4:
      case 5:
        Drag(maDragCrossH);
        break;
      case 6:
        Curve();
        break;
      case 7:
        Ranges();
        break;
      case 8:
        Geometry();
        break;
      case 9:
        Drag(maDragLabel);
        break;
      case 10:
        Drag(maZoomWind, true);
        break;
      case 11:
        Watch();
        break;
      case 12:
        Toggle(Pick(1, 2), Pick(0, 1));
        break;
      case 13:
        Toggle(0, Pick(0, 3) != 0);
        break;
      default:
        Both([](TVorel& c) { c.Paint(); });
    }
    const std::vector<TColor>& after = fast_.Surface().Pixels();
    if (after != plain_.Surface().Pixels())
      return ::testing::AssertionFailure() << "pictures differ after op " << op;
    if (op == 14 && after != Assembled(plain_))
      return ::testing::AssertionFailure() << "a full paint is not its parts";
    if (crosshairOnly && !peer_->whole) return ChangesReported(before, after);
    return ::testing::AssertionSuccess();
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  double Real(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }

  template <class F>
  void Both(F&& f) {
    f(fast_);
    f(plain_);
  }

  void Geometry() {
    const int w = Pick(160, 420), h = Pick(120, 320);
    const int l = Pick(0, 60), r = Pick(0, 30), t = Pick(0, 30), b = Pick(0, 50);
    Both([&](TVorel& c) {
      c.SetBounds(0, 0, w, h);
      c.SetMarginLeft(l);
      c.SetMarginRight(r);
      c.SetMarginTop(t);
      c.SetMarginBottom(b);
    });
  }

  void Ranges() {
    const double x0 = Real(-5, 1), x1 = Real(4, 12), y0 = Real(-2, 0), y1 = Real(1, 3);
    const int layer = Pick(1, 2);
    Both([&](TVorel& c) { c.SetLayerRange(layer, x0, y0, x1, y1); });
  }

  // A layer shown or hidden, or (layer 0) automatic redrawing on or off.
  void Toggle(int layer, bool on) {
    Both([&](TVorel& c) { layer == 0 ? c.SetAutoRedraw(on) : c.SetLayerVisible(layer, on); });
  }

  void Curve() {
    const int n = Pick(0, 300), layer = Pick(1, 2);
    std::vector<double> ys(static_cast<std::size_t>(n));
    for (double& y : ys)
      y = Real(-1, 2);
    const TColor color = static_cast<TColor>(Pick(0, 0xFFFFFF));
    Both([&](TVorel& c) {
      c.ClearItems();
      c.SetActiveLayer(layer);
      c.SetDataColor(color);
      c.MovePenTo(0, 0);
      for (int i = 0; i < n; ++i)
        c.LineToPoint(10.0 * i / n, ys[static_cast<std::size_t>(i)]);
      c.ShowItems();
    });
  }

  void MoveCrossHair() {
    const int i = Pick(1, 4);
    const auto mode = static_cast<TCrossHMode>(Pick(0, 5));
    const int width = Pick(1, 4), layer = Pick(1, 2);
    const auto style = static_cast<TPenStyle>(Pick(0, 4));
    const double x = Real(-1, 11), y = Real(-1, 2);
    const TColor color = static_cast<TColor>(Pick(0, 0xFFFFFF));
    Both([&](TVorel& c) {
      TCrossHair& h = c.CrossHair(i);
      h.SetMode(mode);
      h.SetLineWid(width);
      h.SetLineType(style);
      h.SetLayer(layer);
      h.SetColor(color);
      h.SetPosX(x);
      h.SetPosY(y);
    });
  }

  // A press, a few moves and a release; a zoom drag ends where it began, so
  // its figure is drawn and taken back.
  void Drag(TMouseActMode mode, bool backToStart = false) {
    const int w = fast_.Width(), h = fast_.Height();
    std::vector<TPoint> path(static_cast<std::size_t>(Pick(2, 6)));
    for (TPoint& p : path)
      p = Point(Pick(0, w), Pick(0, h));
    if (backToStart) path.push_back(path.front());
    Both([&](TVorel& c) {
      c.SetMouseAction(mode);
      c.TextLabel(1).SetMode(tlBox);
      c.TextLabel(1).SetCaption("label");
      c.DispatchMouseDown(mbLeft, {ssLeft}, path[0].X, path[0].Y);
      for (const TPoint& p : path)
        c.DispatchMouseMove({ssLeft}, p.X, p.Y);
      c.DispatchMouseUp(mbLeft, {}, path.back().X, path.back().Y);
    });
  }

  // The picture as the images and crosshairs make it up, one over the other.
  static std::vector<TColor> Assembled(TVorel& c) {
    TBitmap picture(c.ControlImage().Width(), c.ControlImage().Height());
    picture.Canvas().Draw(0, 0, c.ControlImage());
    picture.Canvas().Draw(c.MarginLeft(), c.MarginTop(), c.PlotImage());
    c.DrawCrossHairs(picture, 0, 0);
    return picture.Pixels();
  }

  void Watch() {
    if (fast_.OnScalesRendered)
      fast_.OnScalesRendered = nullptr;
    else
      fast_.OnScalesRendered = [](TObject*, TCanvas&, int, int) {};
  }

  ::testing::AssertionResult ChangesReported(const std::vector<TColor>& before,
                                             const std::vector<TColor>& after) {
    const int w = fast_.Surface().Width();
    if (before.size() != after.size()) return ::testing::AssertionFailure() << "size changed";
    for (std::size_t i = 0; i < after.size(); ++i) {
      if (before[i] == after[i]) continue;
      const int x = static_cast<int>(i) % w, y = static_cast<int>(i) / w;
      bool inside = false;
      for (const TRect& r : peer_->areas)
        inside = inside || (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom);
      if (!inside) return ::testing::AssertionFailure() << "unreported change at " << x << "," << y;
    }
    return ::testing::AssertionSuccess();
  }

  std::mt19937 rng_;
  TVorel fast_{nullptr};
  TVorel plain_{nullptr};
  TRecordingPeer* peer_ = nullptr;
};

TEST(Composition, AgreesWithAFullPaintAfterEveryStep) {
  Application().Reset();
  for (unsigned seed = 1; seed <= 8; ++seed) {
    Walk walk(seed);
    for (int step = 0; step < 250; ++step)
      ASSERT_TRUE(walk.Step()) << "seed " << seed << ", step " << step;
  }
}

TEST(Composition, ExtremePenWidthsStayWithinTheControl) {
  Application().Reset();
  TVorel chart(nullptr);
  chart.SetBounds(0, 0, 300, 200);
  chart.SetAutoRedraw(true);
  chart.SetPaintHold(false);
  chart.Paint();
  TCrossHair& h = chart.CrossHair1();
  h.SetMode(chBox);
  for (const int width : {INT_MAX, INT_MIN, 0, -1}) {
    h.SetLineWid(width);
    h.SetPosX(0.25);
    h.SetPosY(0.5);
    const std::vector<TColor> composed = chart.Surface().Pixels();
    chart.Paint();
    EXPECT_EQ(composed, chart.Surface().Pixels()) << width;
  }
}

}  // namespace
}  // namespace zarn
