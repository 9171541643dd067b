#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <map>
#include <memory>

#include "platform/qt/qt_internal.h"
#include "tests/platform/qt/qt_test_form.h"

namespace zarn {
namespace {

using qttest::TMouseRecord;
using qttest::TPatternControl;
using qttest::TQtTestForm;

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    // A desktop that scales everything twofold: layouts stay in logical
    // pixels, pictures gain the detail.
    qputenv("QT_SCALE_FACTOR", "2");
    backend = std::make_unique<TQtBackend>(argc_, argv_);
    qttest::RegisterQtTestClasses();
  }
  void TearDown() override { backend.reset(); }
  static inline std::unique_ptr<TQtBackend> backend;

 private:
  int argc_ = 1;
  char name_[9] = "qt_tests";
  char* argv_[2] = {name_, nullptr};
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(std::make_unique<QtEnvironment>().release());

class QtBackend : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Reset();
    services_ = &QtEnvironment::backend->Install();
    Application().SetTitle("Backend Test");
    Application().Initialize();
    form_ = &Application().CreateForm<TQtTestForm>(qttest::kTestLayout);
  }
  void TearDown() override { Application().Reset(); }

  void Show() {
    form_->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
    QApplication::processEvents();
  }
  QWidget* Window() { return WidgetOf(*form_); }
  template <class W = QWidget>
  W* WidgetNamed(const char* name) {
    return dynamic_cast<W*>(WidgetOf(form_->Get<TControl>(name)));
  }
  TPatternControl& Pattern() { return form_->Get<TPatternControl>("Pattern1"); }
  TScrollBar& Bar(const char* name) { return form_->Get<TScrollBar>(name); }

  TQtServices* services_ = nullptr;
  TQtTestForm* form_ = nullptr;
};

bool SameShift(const TMouseRecord& r, TShiftState s) {
  return r.Shift == s;
}

TEST_F(QtBackend, FormOpensAtItsDesignedClientSizeWithCaptionAndFont) {
  Show();
  QWidget* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isWindow());
  EXPECT_EQ(w->windowTitle(), "Qt backend test");
  EXPECT_EQ(w->size(), QSize(400, 300));
  EXPECT_EQ(w->pos(), QPoint(40, 30));
  EXPECT_EQ(w->devicePixelRatio(), 2.0);
  EXPECT_EQ(form_->DeviceScale(), 2);
  EXPECT_EQ(Pattern().DeviceScale(), 2);
  EXPECT_EQ(Pattern().SurfaceBitmap()->Width(), 2 * Pattern().ClientWidth());
  // Moved from a screen of another density, the window draws at its new
  // screen's when it next paints.
  form_->SetDeviceScale(1);
  EXPECT_EQ(Pattern().SurfaceBitmap()->Width(), Pattern().ClientWidth());
  w->grab();
  EXPECT_EQ(Pattern().DeviceScale(), 2);
  EXPECT_EQ(Pattern().SurfaceBitmap()->Width(), 2 * Pattern().ClientWidth());
  EXPECT_EQ(w->font().pixelSize(), 13);
  EXPECT_EQ(form_->Shows, 1);
  EXPECT_EQ(form_->ClientWidth(), 400);
  EXPECT_EQ(form_->ClientHeight(), 300);
  // Children are where their bounds and alignment put them.
  EXPECT_EQ(WidgetNamed("Panel1")->geometry(), QRect(0, 0, 400, 65));
  EXPECT_EQ(WidgetNamed("Pattern1")->geometry(), QRect(0, 65, 400, 235));
  EXPECT_EQ(WidgetNamed("SB1")->geometry(), QRect(96, 8, 122, 17));
  EXPECT_EQ(WidgetNamed("SB1")->parentWidget(), WidgetNamed("Panel1"));
  // The custom control's window existed when its CreateWnd ran, exactly once.
  EXPECT_EQ(Pattern().WindowsCreated, 1);
  EXPECT_TRUE(Pattern().WidgetExistedAtCreate);
  EXPECT_TRUE(Pattern().HandleAllocated());
}

TEST_F(QtBackend, ResizingKeepsThePanelAndGivesTheRestToTheClientControl) {
  Show();
  Window()->resize(520, 380);
  QApplication::processEvents();
  EXPECT_EQ(form_->ClientWidth(), 520);
  EXPECT_EQ(form_->ClientHeight(), 380);
  TPanel& panel = form_->Get<TPanel>("Panel1");
  EXPECT_EQ(panel.BoundsRect(), Rect(0, 0, 520, 65));
  EXPECT_EQ(Pattern().BoundsRect(), Rect(0, 65, 520, 380));
  EXPECT_EQ(WidgetNamed("Panel1")->geometry(), QRect(0, 0, 520, 65));
  EXPECT_EQ(WidgetNamed("Pattern1")->geometry(), QRect(0, 65, 520, 315));
  EXPECT_EQ(Bar("SB1").BoundsRect(), Rect(96, 8, 218, 25));
  EXPECT_EQ(WidgetNamed("BButExit")->geometry(), QRect(8, 8, 73, 49));
  // The surface follows the new size.
  EXPECT_EQ(Pattern().Surface().CanvasWidth(), 520);
  EXPECT_EQ(Pattern().Surface().CanvasHeight(), 315);
  EXPECT_EQ(Pattern().Surface().Width(), 2 * 520);

  // And the other way: a size set on the form resizes the window.
  form_->SetClientWidth(300);
  QApplication::processEvents();
  EXPECT_EQ(Window()->width(), 300);
  EXPECT_EQ(WidgetNamed("Pattern1")->width(), 300);
}

TEST_F(QtBackend, TabMovesThroughThePanelInTabOrder) {
  Show();
  QWidget* button = WidgetNamed("BButExit");
  button->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), button);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), WidgetNamed("SB1"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), WidgetNamed("SB2"));
}

TEST_F(QtBackend, ScrollBarKeysMoveThePositionTheDesktopWay) {
  Show();
  auto* sb = WidgetNamed<QScrollBar>("SB1");
  ASSERT_NE(sb, nullptr);
  EXPECT_EQ(sb->orientation(), Qt::Horizontal);
  EXPECT_EQ(sb->minimum(), 1);
  EXPECT_EQ(sb->maximum(), 100);
  EXPECT_EQ(sb->value(), 4);
  sb->setFocus();
  struct Step {
    Qt::Key Key;
    int Expected;
  };
  const Step steps[] = {{Qt::Key_Right, 5}, {Qt::Key_Down, 6}, {Qt::Key_PageDown, 16},
                        {Qt::Key_Left, 15}, {Qt::Key_Up, 14},  {Qt::Key_PageUp, 4},
                        {Qt::Key_End, 100}, {Qt::Key_Home, 1}};
  std::size_t changes = 0;
  for (const Step& s : steps) {
    QTest::keyClick(sb, s.Key);
    EXPECT_EQ(Bar("SB1").Position(), s.Expected) << QTest::toString(s.Key);
    EXPECT_EQ(sb->value(), s.Expected);
    ASSERT_EQ(form_->Changes.size(), ++changes) << "OnChange once per key";
    EXPECT_EQ(form_->Changes.back(), "SB1=" + std::to_string(s.Expected));
  }
  // At the lower end a further decrease changes nothing and fires nothing.
  QTest::keyClick(sb, Qt::Key_Left);
  EXPECT_EQ(Bar("SB1").Position(), 1);
  EXPECT_EQ(form_->Changes.size(), changes);
}

TEST_F(QtBackend, ScrollBarMouseClicksChangeThePositionOncePerClick) {
  Show();
  auto* sb = WidgetNamed<QScrollBar>("SB1");
  auto rectOf = [sb](QStyle::SubControl part) {
    QStyleOptionSlider opt;
    opt.initFrom(sb);
    opt.subControls = QStyle::SC_All;
    opt.orientation = sb->orientation();
    if (opt.orientation == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
    opt.minimum = sb->minimum();
    opt.maximum = sb->maximum();
    opt.sliderPosition = sb->sliderPosition();
    opt.sliderValue = sb->value();
    opt.singleStep = sb->singleStep();
    opt.pageStep = sb->pageStep();
    opt.upsideDown = sb->invertedAppearance();
    return sb->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, sb);
  };
  QTest::mouseClick(sb, Qt::LeftButton, {}, rectOf(QStyle::SC_ScrollBarAddLine).center());
  EXPECT_EQ(Bar("SB1").Position(), 5);
  QTest::mouseClick(sb, Qt::LeftButton, {}, rectOf(QStyle::SC_ScrollBarSubLine).center());
  EXPECT_EQ(Bar("SB1").Position(), 4);
  QTest::mouseClick(sb, Qt::LeftButton, {}, rectOf(QStyle::SC_ScrollBarAddPage).center());
  EXPECT_EQ(Bar("SB1").Position(), 14);
  EXPECT_EQ(form_->Changes, (std::vector<std::string>{"SB1=5", "SB1=4", "SB1=14"}));
}

TEST_F(QtBackend, ProgrammaticPositionsReachTheWidgetAndFireOnlyOnChange) {
  Show();
  auto* sb = WidgetNamed<QScrollBar>("SB2");
  Bar("SB2").SetPosition(4);  // the same value: nothing
  EXPECT_TRUE(form_->Changes.empty());
  Bar("SB2").SetPosition(30);
  EXPECT_EQ(sb->value(), 30);
  EXPECT_EQ(form_->Changes, (std::vector<std::string>{"SB2=30"}));
  Bar("SB2").SetParams(30, 10, 50);
  EXPECT_EQ(sb->minimum(), 10);
  EXPECT_EQ(sb->maximum(), 50);
  EXPECT_EQ(form_->Changes.size(), 1u);
  // A handler that moves the bar itself: the widget shows where it ended.
  Bar("SB2").OnScroll = [](TObject*, TScrollCode, int& pos) { pos = 40; };
  sb->setFocus();
  QTest::keyClick(sb, Qt::Key_Right);
  EXPECT_EQ(Bar("SB2").Position(), 40);
  EXPECT_EQ(sb->value(), 40);
}

// Counts the paint events of the widgets it watches.
class TPaintCounter : public QObject {
 public:
  void Watch(QWidget* w) {
    w->installEventFilter(this);
    Paints[w] = 0;
  }
  std::map<QObject*, int> Paints;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++Paints[watched];
    return false;
  }
};

TEST_F(QtBackend, SurfacesPaintedDirectlyInAHandlerReachTheScreen) {
  Show();
  QWidget* window = Window();
  QWidget* panel = WidgetNamed("Panel1");
  // The offscreen screen's own grab ignores the desktop's scaling: the
  // window's picture is what Qt shows once the panel has painted.
  auto shown = [window](int x, int y) {
    return window->grab().toImage().pixel(2 * x, 2 * y) & 0xFFFFFF;
  };
  ASSERT_NE(shown(250, 55), 0x000000u);
  TPaintCounter counter;
  counter.Watch(panel);
  // Like a read-out that paints itself on its parent when its value is set.
  Bar("SB1").OnChange = [this](TObject*) {
    TCanvas& c = form_->Get<TPanel>("Panel1").Canvas();
    c.Brush().SetColor(clBlack);
    c.FillRect(Rect(240, 50, 260, 60));
  };
  auto* sb = WidgetNamed<QScrollBar>("SB1");
  sb->setFocus();
  QTest::keyClick(sb, Qt::Key_Right);
  QApplication::processEvents();
  EXPECT_EQ(counter.Paints[panel], 1);
  EXPECT_EQ(shown(250, 55), 0x000000u);
}

TEST_F(QtBackend, AMouseMoveShowsAgainOnlyTheSurfacesDrawnOn) {
  Show();
  QWidget* pattern = WidgetNamed("Pattern1");
  QWidget* panel = WidgetNamed("Panel1");
  TPaintCounter counter;
  for (QWidget* w : {pattern, panel, Window()})
    counter.Watch(w);
  auto move = [pattern](int x) {
    const QPointF p(x, 20);
    QMouseEvent e(QEvent::MouseMove, p, pattern->mapToGlobal(p), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(pattern, &e);
    QApplication::processEvents();
  };
  move(10);
  EXPECT_EQ(counter.Paints, (std::map<QObject*, int>{{pattern, 0}, {panel, 0}, {Window(), 0}}));

  // A handler drawing straight on the control's surface, as a rubber band does.
  Pattern().OnMouseMove = [this](TObject*, TShiftState, int x, int y) {
    Pattern().Canvas().Brush().SetColor(clRed);
    Pattern().Canvas().FillRect(Rect(x, y, x + 4, y + 4));
  };
  move(20);
  EXPECT_EQ(counter.Paints[pattern], 1);
  EXPECT_EQ(counter.Paints[panel], 0);
  const QImage shot = pattern->grab().toImage();
  EXPECT_EQ(shot.pixel(2 * 21, 2 * 21) & 0xFFFFFF, 0xFF0000u);  // red, in Qt's order
}

TEST_F(QtBackend, ButtonShowsItsGlyphAndClicks) {
  Show();
  auto* button = WidgetNamed<QPushButton>("BButExit");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "Exit");
  ASSERT_FALSE(button->icon().isNull());
  // At the desktop's density: each glyph pixel a sharp 2 x 2 block.
  const QImage glyph = button->icon().pixmap(QSize(7, 5)).toImage();
  ASSERT_EQ(glyph.size(), QSize(14, 10));
  EXPECT_EQ(qAlpha(glyph.pixel(1, 9)), 0) << "the lower-left colour is transparent";
  EXPECT_EQ(qAlpha(glyph.pixel(0, 0)), 0);
  EXPECT_EQ(glyph.pixel(6, 4), qRgb(255, 0, 0));
  EXPECT_EQ(glyph.pixel(7, 5), qRgb(255, 0, 0));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(form_->Clicks, 1);
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_EQ(form_->Clicks, 2);
}

TEST_F(QtBackend, PressMoveAndReleaseArriveWithCoordinatesAndShiftState) {
  Show();
  QWidget* w = WidgetNamed("Pattern1");
  QTest::mousePress(w, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
  QTest::mouseMove(w, QPoint(30, 40));
  QMouseEvent move(QEvent::MouseMove, QPointF(35, 45), w->mapToGlobal(QPointF(35, 45)),
                   Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
  QApplication::sendEvent(w, &move);
  QTest::mouseRelease(w, Qt::LeftButton, Qt::ShiftModifier, QPoint(50, 60));
  QTest::mousePress(w, Qt::RightButton, Qt::AltModifier, QPoint(5, 6));
  QTest::mouseRelease(w, Qt::RightButton, Qt::AltModifier, QPoint(5, 6));

  std::vector<TMouseRecord> log;
  for (const TMouseRecord& r : Pattern().Log)
    if (r.Kind != "move" || r.X != 50) log.push_back(r);  // QTest's own move to the release point
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(log[0].Kind, "down");
  EXPECT_EQ(log[0].Button, mbLeft);
  EXPECT_TRUE(SameShift(log[0], TShiftState{ssShift, ssLeft}));
  EXPECT_EQ(std::pair(log[0].X, log[0].Y), std::pair(10, 20));
  EXPECT_EQ(log[1].Kind, "move");
  EXPECT_TRUE(log[1].Shift.Contains(ssLeft));
  EXPECT_EQ(std::pair(log[1].X, log[1].Y), std::pair(30, 40));
  EXPECT_EQ(log[2].Kind, "move");
  EXPECT_TRUE(SameShift(log[2], TShiftState{ssCtrl, ssLeft}));
  EXPECT_EQ(std::pair(log[2].X, log[2].Y), std::pair(35, 45));
  EXPECT_EQ(log[3].Kind, "up");
  EXPECT_TRUE(SameShift(log[3], TShiftState{ssShift}));
  EXPECT_EQ(std::pair(log[3].X, log[3].Y), std::pair(50, 60));
  EXPECT_EQ(log[4].Kind, "down");
  EXPECT_EQ(log[4].Button, mbRight);
  EXPECT_TRUE(SameShift(log[4], TShiftState{ssAlt, ssRight}));
  EXPECT_EQ(log[5].Kind, "up");
  EXPECT_EQ(log[5].Button, mbRight);
}

TEST_F(QtBackend, DoubleClickArrivesAsOneSecondPressThroughThePressPath) {
  Show();
  QWidget* w = WidgetNamed("Pattern1");
  // What real clicks bring: press, release, then double click and release.
  const QPoint p(12, 14);
  auto click = [w, p](bool twice) {
    QTest::mousePress(w, Qt::LeftButton, {}, p);
    QTest::mouseRelease(w, Qt::LeftButton, {}, p);
    if (!twice) return;
    QMouseEvent dbl(QEvent::MouseButtonDblClick, p, w->mapToGlobal(p), Qt::LeftButton,
                    Qt::LeftButton, {});
    QApplication::sendEvent(w, &dbl);
    QTest::mouseRelease(w, Qt::LeftButton, {}, p);
  };
  auto kinds = [this] {
    std::vector<std::string> result;
    for (const TMouseRecord& r : Pattern().Log)
      if (r.Kind != "move") result.push_back(r.Kind + (r.Shift.Contains(ssDouble) ? "2" : ""));
    Pattern().Log.clear();
    return result;
  };
  click(true);
  EXPECT_EQ(kinds(), (std::vector<std::string>{"down", "up", "dbl", "down2", "up"}));
  EXPECT_EQ(Pattern().DoublePresses, 1);

  // A control that swallows the press after its double click, in its press
  // path alone, loses that press and nothing else.
  Pattern().SwallowAfterDouble = true;
  click(true);
  click(false);
  EXPECT_EQ(kinds(), (std::vector<std::string>{"down", "up", "dbl", "up", "down", "up"}));
  EXPECT_EQ(Pattern().DoublePresses, 2);
}

TEST_F(QtBackend, EnterAndLeaveReachTheControlAndItsGraphicChildren) {
  Show();
  QWidget* w = WidgetNamed("Pattern1");
  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)));
  QApplication::sendEvent(w, &enter);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(w, &leave);
  ASSERT_EQ(Pattern().Log.size(), 2u);
  EXPECT_EQ(Pattern().Log[0].Kind, "enter");
  EXPECT_EQ(Pattern().Log[1].Kind, "leave");

  // The see-through mark has no widget: the panel's moves find it.
  int markEnters = 0, markLeaves = 0;
  TControl& mark = form_->Get<TControl>("Mark1");
  mark.OnMouseEnter = [&](TObject*) { ++markEnters; };
  mark.OnMouseLeave = [&](TObject*) { ++markLeaves; };
  QWidget* panel = WidgetNamed("Panel1");
  QTest::mouseMove(panel, QPoint(305, 35));
  QTest::mouseMove(panel, QPoint(250, 55));
  EXPECT_EQ(markEnters, 1);
  EXPECT_EQ(markLeaves, 1);
}

TEST_F(QtBackend, KeysAndTheWheelReachTheControlAndTheRestGoesOn) {
  Show();
  QWidget* w = WidgetNamed("Pattern1");
  QTest::keyClick(w, 'A', Qt::ShiftModifier);
  EXPECT_EQ(Pattern().Keys, (std::vector<std::string>{"down 16 shift", "down 65 shift", "press A",
                                                      "up 65", "up 16"}));

  std::vector<std::string> turns;
  bool take = true;
  Pattern().OnMouseWheel = [&](TObject*, TShiftState s, int delta, TPoint p, bool& handled) {
    turns.push_back(std::to_string(delta) + " " + std::to_string(p.X) + "," + std::to_string(p.Y) +
                    (s.Contains(ssCtrl) ? " ctrl" : ""));
    handled = take;
  };
  // Accepted: taken; ignored: Qt hands it on to the parent widget.
  auto turn = [w](int delta) {
    const QPointF p(20, 30);
    QWheelEvent wheel(p, w->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
    return wheel.isAccepted();
  };
  EXPECT_TRUE(turn(120));
  take = false;
  EXPECT_FALSE(turn(-120));
  EXPECT_EQ(turns, (std::vector<std::string>{"120 20,30 ctrl", "-120 20,30 ctrl"}));
}

TEST_F(QtBackend, AKeyHandlingControlTakesTheFocusAndTheDialogKeysItAsksFor) {
  Show();
  QWidget* w = WidgetNamed("Pattern1");
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(QApplication::focusWidget(), w) << "by click";
  WidgetNamed("SB2")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w) << "by Tab from the control before it";

  auto downs = [this] {
    std::vector<std::string> result;
    for (const std::string& k : Pattern().Keys)
      if (k.starts_with("down")) result.push_back(k);
    Pattern().Keys.clear();
    return result;
  };
  const Qt::Key dialogKeys[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab};
  // Not asked for, they move the focus on and the control sees none of them.
  for (Qt::Key key : dialogKeys) {
    w->setFocus();
    QTest::keyPress(w, key);
    EXPECT_NE(QApplication::focusWidget(), w) << QTest::toString(key);
  }
  EXPECT_EQ(downs(), std::vector<std::string>{});

  Pattern().WantKeys = DLGC_WANTARROWS | DLGC_WANTTAB;
  w->setFocus();
  for (Qt::Key key : dialogKeys)
    QTest::keyClick(w, key);
  QTest::keyClick(w, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), w);
  EXPECT_EQ(downs(), (std::vector<std::string>{"down 39", "down 37", "down 38", "down 40", "down 9",
                                               "down 16 shift", "down 9 shift"}));
}

TEST_F(QtBackend, MessageBoxesGoToTheRecorderOrToQMessageBox) {
  THeadlessServices recorder;
  services_->MessageRecorder = &recorder;
  ShowMessage("Recorded");
  ASSERT_EQ(recorder.Messages.size(), 1u);
  EXPECT_EQ(recorder.Messages[0].Text, "Recorded");
  EXPECT_EQ(recorder.Messages[0].Caption, "Backend Test");
  EXPECT_EQ(recorder.Messages[0].Flags, MB_OK | MB_ICONINFORMATION);

  services_->MessageRecorder = nullptr;
  Show();
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  ShowMessage("Shown");
  EXPECT_EQ(title, "Backend Test");
  EXPECT_EQ(text, "Shown");
  EXPECT_EQ(icon, QMessageBox::Information);
  EXPECT_EQ(buttons, 1);
}

TEST_F(QtBackend, ARightClickShowsThePopupMenuAndTheChosenItemClicks) {
  Show();
  TPopupMenu& menu = TComponent::Create<TPopupMenu>(*form_);
  int clicks = 0;
  menu.Items().Add("&First", [&](TObject*) { ++clicks; });
  menu.Items().Add("-");
  menu.Items().Add("Off").SetEnabled(false);
  menu.Items().Add("Sub").Add("Inner", [&](TObject*) { clicks += 10; });
  Pattern().SetPopupMenu(&menu);
  // What the platform makes of a right click or the menu key.
  const QPoint at(30, 40);
  QContextMenuEvent gesture(QContextMenuEvent::Mouse, at, WidgetNamed("Pattern1")->mapToGlobal(at));
  QApplication::sendEvent(WidgetNamed("Pattern1"), &gesture);
  auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->pos(), WidgetNamed("Pattern1")->mapToGlobal(QPoint(30, 40)));
  const QList<QAction*> actions = shown->actions();
  ASSERT_EQ(actions.size(), 4);
  EXPECT_EQ(actions[0]->text(), "&First");
  EXPECT_TRUE(actions[1]->isSeparator());
  EXPECT_FALSE(actions[2]->isEnabled());
  ASSERT_NE(actions[3]->menu(), nullptr);
  actions[3]->menu()->actions().front()->trigger();
  actions[0]->trigger();
  EXPECT_EQ(clicks, 11);
  // An item that went while its menu was open clicks nothing.
  menu.Items().Clear();
  actions[0]->trigger();
  EXPECT_EQ(clicks, 11);
  shown->close();
}

TEST_F(QtBackend, TheDialogsAreQtsOwnAndTheExtensionFollowsTheKindOfFile) {
  Show();
  QString label;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    label = dialog->labelText() + "|" + dialog->textValue();
    dialog->setTextValue("typed");
    dialog->accept();
  });
  std::string value = "start";
  EXPECT_TRUE(InputQuery("Title", "Prompt:", value));
  EXPECT_EQ(label, "Prompt:|start");
  EXPECT_EQ(value, "typed");

  QTemporaryDir dir;
  QStringList filters;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    filters = dialog->nameFilters();
    dialog->selectNameFilter(filters.value(1));
    emit dialog->filterSelected(filters.value(1));
    dialog->selectFile(dir.filePath("picture"));
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it
  });
  TSaveDialog save(nullptr);
  save.SetFilter("PNG picture (*.png)|*.png|BMP picture|*.bmp;*.dib");
  save.SetDefaultExt("png");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(filters, (QStringList{"PNG picture (*.png)", "BMP picture (*.bmp *.dib)"}));
  EXPECT_EQ(save.FileName(), dir.filePath("picture.bmp").toStdString());
  EXPECT_EQ(save.FilterIndex(), 2);
}

TEST_F(QtBackend, AControlThatKeepsTabCanPassTheFocusOn) {
  Show();
  Pattern().WantKeys = DLGC_WANTTAB;
  QWidget* w = WidgetNamed("Pattern1");
  w->setFocus();
  Pattern().SelectNextControl(false);
  EXPECT_EQ(QApplication::focusWidget(), WidgetNamed("SB2"));
  w->setFocus();
  Pattern().SelectNextControl(true);
  EXPECT_NE(QApplication::focusWidget(), w);
}

TEST_F(QtBackend, ClosingTheMainWindowEndsTheLoopWithCodeZero) {
  // By the button's handler (Close) ...
  form_->CloseOnClick = true;
  QTimer::singleShot(0, [this] { QTest::mouseClick(WidgetNamed("BButExit"), Qt::LeftButton); });
  EXPECT_EQ(Application().Run(), 0);
  EXPECT_EQ(Application().ComponentCount(), 0) << "the forms are freed";

  // ... and by the window's own close button.
  Application().Reset();
  QtEnvironment::backend->Install();
  form_ = &Application().CreateForm<TQtTestForm>(qttest::kTestLayout);
  QTimer::singleShot(0, [this] { Window()->close(); });
  EXPECT_EQ(Application().Run(), 0);
  EXPECT_EQ(Application().ComponentCount(), 0);
}

TEST_F(QtBackend, SnapshotShowsThePatternAndThePanelThroughTheMark) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string file = dir.filePath("form.png").toStdString();
  // Not shown: the snapshot still renders the whole window.
  ASSERT_NO_THROW(SaveFormSnapshot(*form_, file));
  EXPECT_FALSE(form_->Visible());
  QImage image(QString::fromStdString(file));
  ASSERT_EQ(image.size(), QSize(800, 600)) << "at the desktop's density";
  auto rgb = [&](int x, int y) { return image.pixel(2 * x, 2 * y) & 0xFFFFFF; };
  const TRect b = Pattern().BoundsRect();
  const int midX = b.Left + b.Width() / 2, midY = b.Top + b.Height() / 2;
  EXPECT_EQ(rgb(b.Left, b.Top), 0xFF0000u);  // top left red
  EXPECT_EQ(rgb(midX - 1, midY - 1), 0xFF0000u);
  EXPECT_EQ(rgb(midX, b.Top), 0x00FF00u);                // top right green
  EXPECT_EQ(rgb(b.Left, midY), 0x0000FFu);               // bottom left blue
  EXPECT_EQ(rgb(b.Right - 1, b.Bottom - 1), 0xFFFF00u);  // bottom right yellow
  EXPECT_EQ(image.pixel(2 * b.Right - 1, 2 * b.Bottom - 1) & 0xFFFFFF, 0xFFFF00u);
  EXPECT_NE(rgb(b.Left, b.Top - 1), 0xFF0000u) << "the panel lies above";
  // The mark: the panel's face through its white, black in the middle.
  const QColor face = qtimpl::ToQColor(clBtnFace);
  EXPECT_EQ(rgb(301, 31), face.rgb() & 0xFFFFFF);
  EXPECT_EQ(rgb(310, 40), 0x000000u);
}

TEST_F(QtBackend, SnapshotOptionWritesThePictureAndEndsTheProgram) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string file = dir.filePath("shot.png").toStdString();
  std::string a0 = "prog", a1 = "--snapshot", a2 = file, a3 = "--other", a4 = "--scale", a5 = "2",
              a6 = "--scale=5";
  char* argv[] = {a0.data(), a1.data(), a2.data(), a3.data(),
                  a4.data(), a5.data(), a6.data(), nullptr};
  int argc = 7;
  TQtBackend program(argc, argv);  // takes the running QApplication
  ASSERT_EQ(argc, 3);
  EXPECT_STREQ(argv[1], "--other");
  EXPECT_STREQ(argv[2], "--scale=5") << "no scale: left for Qt, which ignores it";
  EXPECT_EQ(argv[3], nullptr);
  EXPECT_EQ(program.SnapshotFile(), file);
  EXPECT_EQ(program.Run(), 0);
  EXPECT_EQ(Application().ComponentCount(), 0);
  EXPECT_EQ(QImage(QString::fromStdString(file)).size(), QSize(800, 600));

  Application().Reset();
  program.Install();
  Application().CreateForm<TQtTestForm>(qttest::kTestLayout);
  program.SetSnapshotFile(dir.filePath("missing/shot.png").toStdString());
  EXPECT_EQ(program.Run(), 1) << "a picture that cannot be written fails the program";
  EXPECT_NE(program.SnapshotError().find("missing/shot.png: cannot write the snapshot: cannot "
                                         "create a file in "),
            std::string::npos)
      << program.SnapshotError();

  // A window no surface can hold is refused before Qt is asked to draw it.
  Application().Reset();
  program.Install();
  auto& empty = Application().CreateForm<TQtTestForm>(qttest::kTestLayout);
  empty.SetClientWidth(0);
  EXPECT_THROW(SaveFormSnapshot(empty, file), EFileError);
  empty.SetClientWidth(kMaxBitmapSide + 1);
  EXPECT_THROW(SaveFormSnapshot(empty, file), EFileError);
}

TEST_F(QtBackend, ValuesAtTheEndsOfIntReachQtWithinWhatItComputesWith) {
  constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  form_->SetBounds(kMax, kMin, form_->Width(), form_->Height());
  Bar("SB2").SetBounds(0, 0, 50, kMax);
  form_->Font().SetHeight(kMin);
  Show();
  EXPECT_LE(Window()->pos().x(), QWIDGETSIZE_MAX);
  EXPECT_EQ(WidgetNamed("SB2")->height(), kMaxBitmapSide);
  for (int height : {kMin, kMax}) {
    form_->Font().SetHeight(height);
    EXPECT_TRUE(Window()->font().pixelSize() >= 1 && Window()->font().pixelSize() <= 1024)
        << height;
  }

  // Qt's style adds the page step to the range in 32 bits: a range over the
  // whole of int is shown scaled down, and its ends still reach the ends.
  auto* sb = WidgetNamed<QScrollBar>("SB1");
  TScrollBar& bar = Bar("SB1");
  bar.SetLargeChange(kMax);
  bar.SetParams(0, kMin, kMax);
  EXPECT_LT(std::int64_t{sb->maximum()} - sb->minimum() + sb->pageStep(), kMax);
  EXPECT_NEAR(sb->value(), (sb->minimum() + sb->maximum()) / 2, 1);
  EXPECT_FALSE(sb->grab().isNull());
  sb->setFocus();
  QTest::keyClick(sb, Qt::Key_End);
  EXPECT_EQ(bar.Position(), kMax);
  QTest::keyClick(sb, Qt::Key_Home);
  EXPECT_EQ(bar.Position(), kMin);
  QTest::keyClick(sb, Qt::Key_PageDown);
  EXPECT_GT(bar.Position(), kMin);
}

TEST_F(QtBackend, CursorsOfControlsAndOfTheScreen) {
  Show();
  Pattern().SetCursor(crCross);
  EXPECT_EQ(WidgetNamed("Pattern1")->cursor().shape(), Qt::CrossCursor);
  Pattern().SetCursor(crDefault);

  TCursorImage picture;
  picture.Width = picture.Height = 16;
  picture.Pixels.assign(256, clNone);
  picture.Pixels[0] = clBlack;
  picture.HotSpot = Point(2, 3);
  RegisterCursorResource("QTTESTCUR", picture);
  Screen().SetCursors(1, LoadCursorA(HInstance, "QTTESTCUR"));
  Screen().SetCursor(1);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
  EXPECT_EQ(QGuiApplication::overrideCursor()->hotSpot(), QPoint(2, 3));
  // At the desktop's density: the picture's pixels as sharp 2 x 2 blocks.
  const QImage shown = QGuiApplication::overrideCursor()->pixmap().toImage();
  ASSERT_EQ(shown.size(), QSize(32, 32));
  EXPECT_EQ(shown.pixel(1, 1), qRgb(0, 0, 0));
  EXPECT_EQ(qAlpha(shown.pixel(2, 1)), 0);
  Screen().SetCursor(crHourGlass);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  Screen().SetCursor(crDefault);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(QtBackend, SystemColoursComeFromThePalette) {
  const QPalette pal = QGuiApplication::palette();
  EXPECT_EQ(qtimpl::ToQColor(clBtnFace), pal.color(QPalette::Active, QPalette::Button));
  EXPECT_EQ(qtimpl::ToQColor(clWindow), pal.color(QPalette::Active, QPalette::Base));
  EXPECT_EQ(qtimpl::ToQColor(clHighlight), pal.color(QPalette::Active, QPalette::Highlight));
}

}  // namespace
}  // namespace zarn
