#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "chart/zarn_vorel.h"
#include "platform/qt/zarn_qt.h"

namespace zarn {
namespace {

// One backend for the run, gone before the exit handlers destroy Qt's own
// statics (a static backend crashed at exit).
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { backend = std::make_unique<TQtBackend>(argc_, argv_); }
  void TearDown() override {
    Application().Reset();
    backend.reset();
  }
  static inline std::unique_ptr<TQtBackend> backend;

 private:
  int argc_ = 1;
  char name_[15] = "chart_qt_tests";
  char* argv_[2] = {name_, nullptr};
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

TQtBackend& Backend() {
  return *QtEnvironment::backend;
}

void SendMouse(QWidget* widget, QEvent::Type type, int x, int y, Qt::MouseButtons buttons) {
  const QPointF local(x, y);
  QMouseEvent event(type, local, widget->mapToGlobal(local), Qt::LeftButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

TEST(ChartOnQt, DraggingTheCrosshairMovesItAndFiresTheEvents) {
  Application().Reset();
  Backend().Install();
  Application().Initialize();
  TForm& form = Application().CreateForm<TForm>();
  form.SetClientWidth(400);
  form.SetClientHeight(300);
  TVorel& chart = TComponent::Create<TVorel>(form);
  chart.SetParent(&form);
  chart.SetBounds(0, 0, 400, 300);
  chart.SetMarginLeft(50);
  chart.SetMarginRight(20);
  chart.SetMarginTop(20);
  chart.SetMarginBottom(40);
  chart.SetLayerRange(1, 0, 0, 330, 240);  // world (x, y) at pixel (50 + x, 260 - y)
  chart.SetMouseAction(maDragCrossH);
  chart.CrossHair1().SetMode(chVert);
  chart.CrossHair1().SetPosX(100);
  std::vector<std::string> events;
  chart.OnBeforeCrossHairMove = [&](TObject*, TCrossHair*, int dx, int, bool&) {
    events.push_back("before " + std::to_string(dx));
  };
  chart.OnCrossHairMove = [&](TObject*, TCrossHair* h) {
    events.push_back("moved " + std::to_string(static_cast<int>(h->PosX())));
  };
  form.Show();
  QWidget* widget = WidgetOf(chart);
  ASSERT_NE(widget, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(widget->window()));

  SendMouse(widget, QEvent::MouseButtonPress, 300, 100, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseMove, 300, 100, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseMove, 250, 100, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseMove, 200, 120, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, 200, 120, Qt::NoButton);
  SendMouse(widget, QEvent::MouseMove, 100, 120, Qt::NoButton);
  QApplication::processEvents();

  EXPECT_EQ(events, (std::vector<std::string>{"before 150", "moved 200", "moved 150"}));
  EXPECT_DOUBLE_EQ(chart.CrossHair1().PosX(), 150);
  EXPECT_DOUBLE_EQ(chart.CrossHair1().PosY(), 140);
  Application().Reset();
}

}  // namespace
}  // namespace zarn
