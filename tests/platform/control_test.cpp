#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "platform/zarn_platform.h"

namespace zarn {
namespace {

class TSwatch : public TGraphicControl {
 public:
  explicit TSwatch(TComponent* owner, TColor tint = clRed) : TGraphicControl(owner), tint_(tint) {}
  void Paint() override {
    ++paints;
    Canvas().Brush().SetColor(tint_);
    // Wider than the control: the clip keeps it inside.
    Canvas().FillRect(Rect(-5, -5, Width() + 5, Height() + 5));
  }
  int paints = 0;

 private:
  TColor tint_;
};

class TBoard : public TCustomControl {
 public:
  explicit TBoard(TComponent* owner) : TCustomControl(owner) { SetColor(clWhite); }
  int created = 0;
  std::vector<std::string> events;

 protected:
  void CreateWnd() override { ++created; }
};

TEST(Align, TopKeepsHeightClientFillsTheRestOnResize) {
  TForm form(nullptr);
  form.SetClientWidth(553);
  form.SetClientHeight(380);
  TPanel& panel = TComponent::Create<TPanel>(form);
  panel.SetParent(&form);
  panel.SetBounds(0, 0, 100, 65);
  panel.SetAlign(alTop);
  TBoard& chart = TComponent::Create<TBoard>(form);
  chart.SetParent(&form);
  chart.SetAlign(alClient);
  EXPECT_EQ(panel.BoundsRect(), Rect(0, 0, 553, 65));
  EXPECT_EQ(chart.BoundsRect(), Rect(0, 65, 553, 380));

  form.SetClientWidth(700);
  form.SetClientHeight(500);
  EXPECT_EQ(panel.BoundsRect(), Rect(0, 0, 700, 65));
  EXPECT_EQ(chart.BoundsRect(), Rect(0, 65, 700, 500));
  EXPECT_EQ(chart.Surface().Width(), 700);
  EXPECT_EQ(chart.Surface().Height(), 435);

  // Hiding the strip gives its room to the client control.
  panel.SetVisible(false);
  EXPECT_EQ(chart.BoundsRect(), Rect(0, 0, 700, 500));
}

TEST(Align, SidesStackInOrderAndConstraintsHold) {
  TPanel host(nullptr);
  host.SetBounds(0, 0, 200, 100);
  TPanel& left = TComponent::Create<TPanel>(host);
  left.SetBounds(0, 0, 30, 10);
  left.SetParent(&host);
  left.SetAlign(alLeft);
  TPanel& right = TComponent::Create<TPanel>(host);
  right.SetBounds(0, 0, 40, 10);
  right.SetParent(&host);
  right.SetAlign(alRight);
  TPanel& bottom = TComponent::Create<TPanel>(host);
  bottom.SetBounds(0, 0, 10, 20);
  bottom.SetParent(&host);
  bottom.SetAlign(alBottom);
  TPanel& rest = TComponent::Create<TPanel>(host);
  rest.Constraints().SetMaxWidth(50);
  rest.SetParent(&host);
  rest.SetAlign(alClient);
  EXPECT_EQ(bottom.BoundsRect(), Rect(0, 80, 200, 100));
  EXPECT_EQ(left.BoundsRect(), Rect(0, 0, 30, 80));
  EXPECT_EQ(right.BoundsRect(), Rect(160, 0, 200, 80));
  EXPECT_EQ(rest.BoundsRect(), Rect(30, 0, 80, 80));  // 130 wide by room, 50 by constraint

  rest.Constraints().SetMinHeight(90);
  EXPECT_EQ(rest.Height(), 90);
  EXPECT_EQ(rest.Constraints().MinHeight(), 90);
}

TEST(Align, BoundsAtTheEndsOfIntSaturateInsteadOfWrapping) {
  constexpr int kMax = std::numeric_limits<int>::max();
  TPanel host(nullptr);
  host.SetBounds(0, 0, 200, 100);
  TPanel& far = TComponent::Create<TPanel>(host);
  far.SetParent(&host);
  far.SetBounds(kMax, kMax, kMax, 10);
  EXPECT_EQ(far.BoundsRect(), Rect(kMax, kMax, kMax, kMax));
  TPanel& tall = TComponent::Create<TPanel>(host);
  tall.SetBounds(0, 0, 10, kMax);
  tall.SetParent(&host);
  tall.SetAlign(alBottom);
  EXPECT_EQ(tall.BoundsRect(), Rect(0, 100 - kMax, 200, 100));
  TPanel& wide = TComponent::Create<TPanel>(host);
  wide.SetBounds(0, 0, kMax, 10);
  wide.SetParent(&host);
  wide.SetAlign(alLeft);
  EXPECT_EQ(wide.Width(), kMax);
  far.SetAnchors(TAnchors{akLeft, akRight});
  host.SetBounds(0, 0, 400, 100);  // its width would grow past the end of int
  EXPECT_EQ(far.Width(), kMax);
}

TEST(Anchors, RightAndBottomFollowTheParent) {
  TPanel host(nullptr);
  host.SetBounds(0, 0, 200, 100);
  TPanel& stretch = TComponent::Create<TPanel>(host);
  stretch.SetParent(&host);
  stretch.SetBounds(10, 10, 50, 20);
  stretch.SetAnchors({akLeft, akTop, akRight});
  TPanel& corner = TComponent::Create<TPanel>(host);
  corner.SetParent(&host);
  corner.SetBounds(150, 70, 40, 20);
  corner.SetAnchors({akRight, akBottom});
  TPanel& fixed = TComponent::Create<TPanel>(host);
  fixed.SetParent(&host);
  fixed.SetBounds(5, 5, 5, 5);
  host.SetBounds(0, 0, 260, 130);
  EXPECT_EQ(stretch.BoundsRect(), Rect(10, 10, 120, 30));
  EXPECT_EQ(corner.BoundsRect(), Rect(210, 100, 250, 120));
  EXPECT_EQ(fixed.BoundsRect(), Rect(5, 5, 10, 10));
}

TEST(Paint, SurfacePixelsOnlyOnceTheWindowExistsOrSomethingDraws) {
  TBoard board(nullptr);
  board.SetBounds(0, 0, 40, 30);
  board.SetBounds(0, 0, 50, 40);
  EXPECT_EQ(board.SurfaceBitmap(), nullptr);
  board.CreateHandle();
  ASSERT_NE(board.SurfaceBitmap(), nullptr);
  EXPECT_EQ(board.SurfaceBitmap()->Width(), 50);
  EXPECT_EQ(board.SurfaceBitmap()->Height(), 40);

  // A graphic child drawing outside a paint (a setter's direct repaint) on a
  // parent without a window: the parent's pixels appear for it.
  TBoard host(nullptr);
  host.SetBounds(0, 0, 20, 20);
  TSwatch& swatch = TComponent::Create<TSwatch>(host);
  swatch.SetParent(&host);
  swatch.SetBounds(2, 3, 4, 4);
  EXPECT_EQ(host.SurfaceBitmap(), nullptr);
  swatch.PrepareCanvas();
  swatch.Paint();
  ASSERT_NE(host.SurfaceBitmap(), nullptr);
  EXPECT_EQ(host.SurfaceBitmap()->ScanLine(3)[2], clRed);
}

TEST(Paint, GraphicControlsPaintThroughTheParentCanvasAfterIt) {
  TBoard board(nullptr);
  board.SetBounds(0, 0, 40, 30);
  TSwatch& swatch = TComponent::Create<TSwatch>(board, clRed);
  swatch.SetParent(&board);
  swatch.SetBounds(10, 5, 8, 6);
  TSwatch& over = TComponent::Create<TSwatch>(board, clBlue);
  over.SetParent(&board);
  over.SetBounds(16, 5, 4, 4);
  board.CreateHandle();
  board.Update();
  const TBitmap& s = board.Surface();
  EXPECT_EQ(s.ScanLine(0)[0], clWhite);    // the board's own background
  EXPECT_EQ(s.ScanLine(5)[10], clRed);     // the swatch's corner, at its origin
  EXPECT_EQ(s.ScanLine(10)[17], clRed);    // its last pixel
  EXPECT_EQ(s.ScanLine(11)[17], clWhite);  // clipped below
  EXPECT_EQ(s.ScanLine(5)[9], clWhite);    // and left
  EXPECT_EQ(s.ScanLine(5)[16], clBlue);    // the later control is on top
  EXPECT_EQ(s.ScanLine(5)[20], clWhite);

  // A direct paint from a setter draws at once, in the same place.
  swatch.paints = 0;
  board.Canvas().FillRect(Rect(0, 0, 40, 30));
  swatch.Paint();
  EXPECT_EQ(s.ScanLine(5)[10], clRed);
  EXPECT_EQ(s.ScanLine(4)[10], clWhite);

  // Hidden controls are not painted; moving one repaints in the new place.
  swatch.SetVisible(false);
  board.Update();
  EXPECT_EQ(s.ScanLine(5)[10], clWhite);
  EXPECT_EQ(swatch.paints, 1);
}

TEST(Paint, NothingPaintsBeforeTheWindowExistsAndCreationHappensOnce) {
  TBoard board(nullptr);
  board.SetBounds(0, 0, 10, 10);
  TBoard& inner = TComponent::Create<TBoard>(board);
  inner.SetParent(&board);
  TSwatch& swatch = TComponent::Create<TSwatch>(board);
  swatch.SetParent(&board);
  swatch.SetBounds(0, 0, 5, 5);
  board.Repaint();
  EXPECT_EQ(swatch.paints, 0);
  EXPECT_FALSE(board.HandleAllocated());
  board.CreateHandle();
  board.CreateHandle();
  EXPECT_EQ(board.created, 1);
  EXPECT_EQ(inner.created, 1);
  EXPECT_TRUE(inner.HandleAllocated());
  board.Repaint();
  EXPECT_EQ(swatch.paints, 1);
  board.Update();  // nothing pending
  EXPECT_EQ(swatch.paints, 1);
  swatch.Invalidate();
  EXPECT_TRUE(board.NeedsPaint());
}

TEST(Mouse, WindowRoutesToGraphicChildrenWithCaptureEnterAndLeave) {
  TBoard board(nullptr);
  board.SetBounds(0, 0, 100, 100);
  TSwatch& swatch = TComponent::Create<TSwatch>(board);
  swatch.SetParent(&board);
  swatch.SetBounds(20, 20, 10, 10);
  std::vector<std::string> log;
  swatch.OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int x, int y) {
    log.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y) +
                  (s.Contains(ssDouble) ? " double" : ""));
  };
  swatch.OnMouseMove = [&](TObject*, TShiftState, int x, int y) {
    log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  };
  swatch.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
  swatch.OnClick = [&](TObject*) { log.push_back("click"); };
  swatch.OnDblClick = [&](TObject*) { log.push_back("dblclick"); };
  swatch.OnMouseEnter = [&](TObject*) { log.push_back("enter"); };
  swatch.OnMouseLeave = [&](TObject*) { log.push_back("leave"); };
  board.OnMouseMove = [&](TObject*, TShiftState, int x, int y) {
    log.push_back("board " + std::to_string(x) + "," + std::to_string(y));
  };

  board.DeliverMouseMove({}, 5, 5);
  board.DeliverMouseMove({}, 22, 23);
  board.DeliverMouseDown(mbLeft, {ssLeft}, 22, 23);
  board.DeliverMouseMove({ssLeft}, 60, 60);  // captured: still the swatch's
  board.DeliverMouseUp(mbLeft, {}, 60, 60);  // released outside: no click
  board.DeliverMouseDown(mbLeft, {ssLeft}, 25, 25);
  board.DeliverMouseUp(mbLeft, {}, 25, 25);
  board.DeliverDblClick({ssLeft}, 25, 25);
  board.DeliverMouseUp(mbLeft, {}, 25, 25);  // after a double click: no click
  board.DeliverMouseMove({}, 70, 70);
  EXPECT_EQ(log,
            (std::vector<std::string>{"board 5,5", "enter", "move 2,3", "down 0 2,3", "move 40,40",
                                      "up", "down 0 5,5", "click", "up", "dblclick",
                                      "down 0 5,5 double", "up", "leave", "board 70,70"}));

  // Disabled controls take no input; their window gets it instead.
  log.clear();
  swatch.SetEnabled(false);
  board.DeliverMouseDown(mbLeft, {ssLeft}, 25, 25);
  swatch.DispatchMouseMove({}, 1, 1);
  EXPECT_TRUE(log.empty());
}

TEST(Font, ChildrenFollowTheParentFontUntilTheyGetTheirOwn) {
  TPanel parent(nullptr);
  TPanel& child = TComponent::Create<TPanel>(parent);
  child.SetParent(&parent);
  parent.Font().SetHeight(-20);
  EXPECT_EQ(child.Font().Height(), -20);
  EXPECT_TRUE(child.ParentFont());
  child.Font().SetName("Courier");
  EXPECT_FALSE(child.ParentFont());
  parent.Font().SetHeight(-30);
  EXPECT_EQ(child.Font().Height(), -20);
  child.SetParentFont(true);
  EXPECT_EQ(child.Font().Height(), -30);
  EXPECT_EQ(child.Font().Name(), parent.Font().Name());
}

TEST(Controls, ParentLoopsAreRefusedAndFreedParentsLeaveChildrenSafe) {
  TPanel a(nullptr);
  auto b = std::make_unique<TPanel>(nullptr);
  b->SetParent(&a);
  EXPECT_THROW(a.SetParent(b.get()), EComponentError);
  TSwatch swatch(nullptr);
  swatch.SetParent(b.get());
  b.reset();
  EXPECT_EQ(swatch.Parent(), nullptr);
  swatch.Paint();  // draws nowhere, crashes nothing
  EXPECT_EQ(a.ControlCount(), 0);
}

TEST(Controls, PopupMenuReferenceIsClearedWhenTheMenuGoes) {
  TPanel panel(nullptr);
  auto menu = std::make_unique<TPopupMenu>(nullptr);
  panel.SetPopupMenu(menu.get());
  EXPECT_EQ(panel.PopupMenu(), menu.get());
  menu.reset();
  EXPECT_EQ(panel.PopupMenu(), nullptr);
}

TEST(ScrollBar, PositionIsClampedAndChangeFiresOnlyOnRealChange) {
  TScrollBar bar(nullptr);
  int changes = 0;
  bar.OnChange = [&](TObject*) { ++changes; };
  bar.SetMin(1);  // position 0 is lifted to 1
  EXPECT_EQ(bar.Position(), 1);
  EXPECT_EQ(changes, 1);
  bar.SetPosition(4);
  bar.SetPosition(4);
  EXPECT_EQ(changes, 2);
  bar.SetPosition(500);
  EXPECT_EQ(bar.Position(), 100);
  bar.SetPosition(-3);
  EXPECT_EQ(bar.Position(), 1);
  EXPECT_EQ(changes, 4);
  bar.SetMax(100);  // unchanged range, unchanged position
  EXPECT_EQ(changes, 4);
  bar.SetPosition(90);
  bar.SetMax(50);  // shrinking the range pulls the position in
  EXPECT_EQ(bar.Position(), 50);
  EXPECT_EQ(changes, 6);

  EXPECT_THROW(bar.SetMax(0), EInvalidOperation);
  EXPECT_THROW(bar.SetPageSize(60), EInvalidOperation);
  EXPECT_EQ(bar.Max(), 50);
  bar.SetPageSize(10);
  EXPECT_THROW(bar.SetMax(5), EInvalidOperation);

  int wanted = 0;
  bar.OnScroll = [&](TObject*, TScrollCode code, int& pos) {
    if (code == scTrack) pos = 7;
    wanted = pos;
  };
  bar.Scroll(scTrack, 30);
  EXPECT_EQ(wanted, 7);
  EXPECT_EQ(bar.Position(), 7);
}

TEST(TabOrder, FollowsInsertionAndMovesWithinTheParent) {
  TPanel panel(nullptr);
  TBitBtn& button = TComponent::Create<TBitBtn>(panel);
  button.SetParent(&panel);
  TScrollBar& one = TComponent::Create<TScrollBar>(panel);
  one.SetParent(&panel);
  TScrollBar& two = TComponent::Create<TScrollBar>(panel);
  two.SetTabOrder(0);  // before it has a parent: applied on insertion
  two.SetParent(&panel);
  EXPECT_EQ(two.TabOrder(), 0);
  EXPECT_EQ(button.TabOrder(), 1);
  EXPECT_EQ(one.TabOrder(), 2);
  two.SetTabOrder(99);
  EXPECT_EQ(panel.TabList(), (std::vector<TWinControl*>{&button, &one, &two}));
  panel.DestroyComponent(one);
  EXPECT_EQ(panel.TabList(), (std::vector<TWinControl*>{&button, &two}));
}

TEST(Button, ClickFiresOnClick) {
  TBitBtn button(nullptr);
  int clicks = 0;
  button.OnClick = [&](TObject* s) {
    EXPECT_EQ(s, &button);
    ++clicks;
  };
  button.Click();
  button.DispatchMouseDown(mbLeft, {ssLeft}, 3, 3);
  button.DispatchMouseUp(mbLeft, {}, 3, 3);
  EXPECT_EQ(clicks, 2);
  button.SetNumGlyphs(9);
  EXPECT_EQ(button.NumGlyphs(), 4);
}

}  // namespace
}  // namespace zarn
