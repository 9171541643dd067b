#include <gtest/gtest.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/start_values.h"
#include "stats/zarn_fdist.h"
#include "tests/app/kolvo_fixture.h"

namespace zarn {
namespace {

using kolvotest::Picture;

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { kolvotest::Backend(); }
  void TearDown() override { kolvotest::StopBackend(); }
};
[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(std::make_unique<QtEnvironment>().release());

// The plotting area at the designed size: margins 50, 20, 20, 40.
constexpr int kLeft = 50;
constexpr int kTop = 20;

class KolvoWindow : public ::testing::Test {
 protected:
  void SetUp() override { form_ = &kolvotest::CreateMainWindow(); }
  void TearDown() override { Application().Reset(); }

  void Show() {
    form_->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(WidgetOf(*form_)));
    QApplication::processEvents();
  }
  // The text a read-out shows, as it paints it.
  static std::string Shown(TNimbic& readOut) {
    std::string shown;
    readOut.OnBeforeDisplay = [&](TObject*, std::string& text) { shown = text; };
    readOut.Repaint();
    QApplication::processEvents();
    readOut.OnBeforeDisplay = nullptr;
    return shown;
  }
  // Chart pixel column of a world x on layer 1.
  int ColumnOf(double x) {
    int px = 0, py = 0;
    form_->Vorel1->WorldToPixel(1, x, 0.0, px, py);
    return px;
  }
  static bool IsDark(QRgb pixel) { return qGray(pixel) < 96; }
  // Dark pixels of one column between two rows, both included.
  static int DarkInColumn(const QImage& image, int x, int y0, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      n += IsDark(image.pixel(x, y));
    return n;
  }

  TFrmKolvo* form_ = nullptr;
};

TEST_F(KolvoWindow, OpensWithItsComponentsAndTheStoredValues) {
  Show();
  TFrmKolvo& f = *form_;
  for (TComponent* field :
       std::initializer_list<TComponent*>{f.Vorel1, f.Panel1, f.BButExit, f.SBDf1, f.SBDF2,
                                          f.NLabDf1, f.NLabDF2, f.NLabCrosshair, f.NLabQuantile})
    ASSERT_NE(field, nullptr);
  EXPECT_EQ(f.Caption(), "F Distribution");
  EXPECT_EQ(WidgetOf(f)->size(), QSize(553, 380));
  EXPECT_EQ(f.Vorel1->BoundsRect(), Rect(0, 65, 553, 380));
  EXPECT_EQ(f.SBDf1->Position(), 4);
  EXPECT_EQ(f.SBDF2->Position(), 4);
  EXPECT_EQ(Shown(*f.NLabDf1), "4");
  EXPECT_EQ(Shown(*f.NLabDF2), "4");
  EXPECT_EQ(Shown(*f.NLabQuantile), "1.0000");
  EXPECT_EQ(Shown(*f.NLabCrosshair), "0.5000");
  EXPECT_EQ(f.NLabCrosshair->Value(), 1 - FLowerTail(4, 4, 1.0));
  EXPECT_EQ(f.BButExit->Caption(), "Exit");
  EXPECT_EQ(f.BButExit->Glyph().Width(), 21);
  EXPECT_EQ(f.BButExit->Glyph().PixelFormat(), pf4bit);
}

TEST_F(KolvoWindow, ReadOutsShowTheDegreesOfFreedomTheLayoutStores) {
  std::string layout(kolvo::EmbeddedLayout());
  for (const auto& [from, to] :
       {std::pair<std::string, std::string>{R"("Position": 4, "TabOrder": 1)",
                                            R"("Position": 10, "TabOrder": 1)"},
        {R"("Position": 4, "TabOrder": 2)", R"("Position": 20, "TabOrder": 2)"}}) {
    ASSERT_NE(layout.find(from), std::string::npos) << from;
    layout.replace(layout.find(from), from.size(), to);
  }
  form_ = &kolvotest::CreateMainWindow(layout);
  Show();
  EXPECT_EQ(Shown(*form_->NLabDf1), "10");
  EXPECT_EQ(Shown(*form_->NLabDF2), "20");
  EXPECT_EQ(form_->NLabCrosshair->Value(), 1 - FLowerTail(10, 20, 1.0));
}

TEST_F(KolvoWindow, ScrollBarsChangeTheTailButNotTheQuantile) {
  Show();
  // Upper tails at x = 1 from Boost.Math: F(10, 4) 0.548445, F(10, 30) 0.465424.
  form_->SBDf1->SetPosition(10);
  EXPECT_EQ(Shown(*form_->NLabDf1), "10");
  EXPECT_EQ(Shown(*form_->NLabCrosshair), "0.5484");
  EXPECT_EQ(Shown(*form_->NLabQuantile), "1.0000");

  form_->SBDF2->SetPosition(30);
  EXPECT_EQ(Shown(*form_->NLabDF2), "30");
  EXPECT_EQ(Shown(*form_->NLabCrosshair), "0.4654");
  EXPECT_EQ(Shown(*form_->NLabQuantile), "1.0000");
}

TEST_F(KolvoWindow, DrawsTheCurveAndTheDottedCrosshair) {
  Show();
  const int bottom = form_->Vorel1->Height() - 40;
  // The dotted crosshair at x = 1 and the curve's peak near x = 0.5.
  const QImage before = Picture(*form_->Vorel1);
  const int crossDark = DarkInColumn(before, ColumnOf(1.0), kTop + 1, bottom - 1);
  EXPECT_GT(crossDark, (bottom - kTop) / 4);      // a line ...
  EXPECT_LT(crossDark, (bottom - kTop) * 3 / 4);  // ... of dots
  EXPECT_GT(DarkInColumn(before, ColumnOf(0.5), kTop + 1, bottom - 1), 0);
  // df1 = 1 leaves the y range at once: the line runs up to the plot's top edge.
  form_->SBDf1->SetPosition(1);
  QImage chart = Picture(*form_->Vorel1);
  EXPECT_NE(chart, before);
  EXPECT_GT(DarkInColumn(chart, kLeft + 1, kTop, kTop + 3), 0);
  // df1 = 2 starts near 1: the first segment rises almost vertically to y = 1.
  form_->SBDf1->SetPosition(2);
  chart = Picture(*form_->Vorel1);
  int px = 0, yOne = 0;
  form_->Vorel1->WorldToPixel(1, 0.0, 1.0, px, yOne);
  EXPECT_GT(DarkInColumn(chart, kLeft, yOne, bottom), (bottom - yOne) / 2);
  EXPECT_EQ(DarkInColumn(chart, kLeft + 1, kTop + 1, yOne - 4), 0);
}

TEST_F(KolvoWindow, DraggingTheCrosshairMovesItAndBothReadOuts) {
  Show();
  QWidget* chart = WidgetOf(*form_->Vorel1);
  const int y = form_->Vorel1->Height() / 2;
  const int from = ColumnOf(1.0), to = ColumnOf(2.5);
  QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(from, y));
  QTest::mouseMove(chart, QPoint((from + to) / 2, y));
  QTest::mouseMove(chart, QPoint(to, y));
  QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(to, y));
  const double x = form_->Vorel1->CrossHair1().PosX();
  EXPECT_NEAR(x, 2.5, 6.0 / 483);  // within a pixel
  EXPECT_EQ(form_->NLabQuantile->Value(), x);
  EXPECT_EQ(form_->NLabCrosshair->Value(), 1 - FLowerTail(4, 4, x));
  // The dotted line now stands in the new column.
  const QImage picture = Picture(*form_->Vorel1);
  EXPECT_GT(DarkInColumn(picture, ColumnOf(x), kTop + 1, y), 0);
}

TEST_F(KolvoWindow, StartValuesGoThroughTheControls) {
  kolvo::TOptions options;
  options.Df1 = 7;
  options.Df2 = 12;
  options.X = 0.0;
  kolvo::ApplyStartValues(*form_, options);
  Show();
  EXPECT_EQ(form_->SBDf1->Position(), 7);
  EXPECT_EQ(form_->NLabDf1->Value(), 7);
  EXPECT_EQ(form_->NLabDF2->Value(), 12);
  EXPECT_EQ(form_->NLabQuantile->Value(), 0.0);
  EXPECT_EQ(form_->NLabCrosshair->Value(), 1.0);  // nothing lies below 0

  // A layout that narrows the range refuses a df outside it rather than moving there.
  form_->SBDf1->SetParams(10, 10, 100);
  options.Df1 = 5;
  EXPECT_THROW(kolvo::ApplyStartValues(*form_, options), kolvo::EOptionError);
  EXPECT_EQ(form_->SBDf1->Position(), 10);
}

TEST_F(KolvoWindow, ACriticalValueBeyondTheAxisWidensIt) {
  kolvo::TOptions options;
  options.Df1 = 1;
  options.Df2 = 1;
  options.Alpha = 0.05;
  kolvo::ApplyStartValues(*form_, options);
  Show();
  // F(1, 1) at 0.05 is 161.45: the axis ends at the next round value, 200.
  EXPECT_EQ(form_->Vorel1->Scale1X().RangeHigh(), 200.0);
  EXPECT_NEAR(form_->Vorel1->CrossHair1().PosX(), 161.4476, 1e-4);
  EXPECT_NEAR(form_->NLabQuantile->Value(), 161.4476, 1e-4);
  EXPECT_NEAR(form_->NLabCrosshair->Value(), 0.05, 5e-5);  // shows 0.0500
  // Within the axis it stays as it is.
  form_->SBDf1->SetPosition(10);
  form_->SBDF2->SetPosition(20);
  form_->ShowCriticalValue(0.10);
  EXPECT_EQ(form_->Vorel1->Scale1X().RangeHigh(), 200.0);
  EXPECT_NEAR(form_->NLabCrosshair->Value(), 0.10, 5e-5);
}

TEST_F(KolvoWindow, ResizingGrowsOnlyTheChart) {
  Show();
  WidgetOf(*form_)->resize(700, 500);
  QApplication::processEvents();
  EXPECT_EQ(form_->Vorel1->BoundsRect(), Rect(0, 65, 700, 500));
  EXPECT_EQ(form_->Panel1->BoundsRect(), Rect(0, 0, 700, 65));
  EXPECT_EQ(form_->SBDF2->BoundsRect(), Rect(248, 8, 370, 25));
  EXPECT_EQ(form_->NLabQuantile->BoundsRect(), Rect(384, 8, 548, 30));
  EXPECT_EQ(Picture(*form_->Vorel1).size(), QSize(700, 435));
}

TEST_F(KolvoWindow, TabGoesRoundExitTheScrollBarsAndTheChart) {
  Show();
  QWidget* exit = WidgetOf(*form_->BButExit);
  exit->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), exit);
  QWidget* chart = WidgetOf(*form_->Vorel1);
  for (QWidget* next : {WidgetOf(*form_->SBDf1), WidgetOf(*form_->SBDF2), chart, exit}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
  }
  // The chart takes Tab itself, yet lets it go on, both ways.
  chart->setFocus();
  QTest::keyClick(chart, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), WidgetOf(*form_->SBDF2));
}

TEST_F(KolvoWindow, CtrlCCopiesTheChartPicture) {
  Show();
  QGuiApplication::clipboard()->clear();
  QWidget* chart = WidgetOf(*form_->Vorel1);
  chart->setFocus();
  QTest::keyClick(chart, Qt::Key_C, Qt::ControlModifier);
  const QImage copied = QGuiApplication::clipboard()->image();
  EXPECT_EQ(copied.size(), QSize(553, 315));
  EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), Picture(*form_->Vorel1));
}

TEST_F(KolvoWindow, KeysMoveTheCrossHairAsADragWould) {
  Show();
  QWidget* chart = WidgetOf(*form_->Vorel1);
  chart->setFocus();
  const auto columnOfCrossHair = [this] {
    int px = 0, py = 0;
    form_->Vorel1->WorldToPixel(1, form_->Vorel1->CrossHair1().PosX(), 0, px, py);
    return px;
  };
  const int start = columnOfCrossHair();
  QTest::keyClick(chart, Qt::Key_Right);
  EXPECT_EQ(columnOfCrossHair(), start + 1);
  QTest::keyClick(chart, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(columnOfCrossHair(), start - 9);
  const double x = form_->Vorel1->CrossHair1().PosX();
  EXPECT_EQ(form_->NLabQuantile->Value(), x);  // the read-outs follow
  EXPECT_EQ(form_->NLabCrosshair->Value(), 1 - FLowerTail(4, 4, x));
  EXPECT_GT(DarkInColumn(Picture(*form_->Vorel1), ColumnOf(x), kTop + 1, 200), 0);
  QTest::keyClick(chart, Qt::Key_End);
  EXPECT_EQ(form_->Vorel1->CrossHair1().PosX(), 6.0);
  QTest::keyClick(chart, Qt::Key_Right);  // no further than the axis
  EXPECT_EQ(form_->Vorel1->CrossHair1().PosX(), 6.0);
  QTest::keyClick(chart, Qt::Key_Home);
  EXPECT_EQ(form_->NLabCrosshair->Value(), 1.0);
}

// The chart's context menu as the platform shows it on a right click.
QMenu* OpenChartMenu(TFrmKolvo& form) {
  const QPoint at(200, 100);
  QContextMenuEvent gesture(QContextMenuEvent::Mouse, at, WidgetOf(*form.Vorel1)->mapToGlobal(at));
  QApplication::sendEvent(WidgetOf(*form.Vorel1), &gesture);
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

TEST_F(KolvoWindow, TheChartMenuMovesTheCrossHairToEachLevelsCriticalValue) {
  Show();
  QMenu* menu = OpenChartMenu(*form_);
  ASSERT_NE(menu, nullptr);
  QStringList captions;
  for (const QAction* action : menu->actions())
    captions << (action->isSeparator() ? "-" : action->text());
  EXPECT_EQ(captions,
            (QStringList{"Critical value for \u03B1 = 0.10", "Critical value for \u03B1 = 0.05",
                         "Critical value for \u03B1 = 0.025", "Critical value for \u03B1 = 0.01",
                         "Critical value for \u03B1 = 0.001", "Other \u03B1\u2026", "-",
                         "Copy picture", "Save picture as\u2026", "-", "Reset view"}));
  const double levels[] = {0.10, 0.05, 0.025, 0.01, 0.001};
  for (int i = 0; i < 5; ++i) {
    menu->actions()[i]->trigger();
    const double x = FCriticalValue(4, 4, levels[i]);
    EXPECT_EQ(form_->Vorel1->CrossHair1().PosX(), x);
    EXPECT_EQ(form_->NLabQuantile->Value(), x);
    EXPECT_NEAR(form_->NLabCrosshair->Value(), levels[i], 5e-5) << "shows " << levels[i];
    // The axis reaches beyond each of them: 0.001 at (4, 4) lies at 53.4.
    EXPECT_GT(form_->Vorel1->Scale1X().RangeHigh(), x);
  }
  EXPECT_EQ(form_->Vorel1->Scale1X().RangeHigh(), 100.0);
  EXPECT_GT(
      DarkInColumn(Picture(*form_->Vorel1), ColumnOf(FCriticalValue(4, 4, 0.001)), kTop + 1, 200),
      0);

  QGuiApplication::clipboard()->clear();
  menu->actions()[7]->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
            Picture(*form_->Vorel1));

  menu->actions()[10]->trigger();  // back to 0 ... 6, the crosshair at its end
  EXPECT_EQ(form_->Vorel1->Scale1X().RangeLow(), 0.0);
  EXPECT_EQ(form_->Vorel1->Scale1X().RangeHigh(), 6.0);
  EXPECT_EQ(form_->Vorel1->CrossHair1().PosX(), 6.0);
  EXPECT_EQ(form_->NLabQuantile->Value(), 6.0);
  EXPECT_EQ(form_->NLabCrosshair->Value(), 1 - FLowerTail(4, 4, 6.0));
  menu->close();
}

class KolvoDialogs : public KolvoWindow {
 protected:
  void SetUp() override {
    KolvoWindow::SetUp();
    kolvotest::Backend().Services().MessageRecorder = &recorder;
    Show();
  }
  void Choose(const char* caption) { form_->ChartMenu->Items().Find(caption)->Click(); }
  THeadlessServices recorder;
};

TEST_F(KolvoDialogs, AnotherLevelAsPeopleTypeItAndWhatIsNoLevel) {
  recorder.InputAnswers = {" 2,5 % ", "abc", "1.5", "0"};
  Choose("Other \u03B1\u2026");
  EXPECT_EQ(recorder.Dialogs, std::vector<std::string>{"Critical value"});
  const double x = FCriticalValue(4, 4, 0.025);
  EXPECT_EQ(form_->Vorel1->CrossHair1().PosX(), x);
  for (const char* typed : {"abc", "1.5", "0"}) {
    Choose("Other \u03B1\u2026");
    ASSERT_FALSE(recorder.Messages.empty());
    EXPECT_EQ(recorder.Messages.back().Text,
              std::string("\"") + typed + "\" is not a level between 0 and 1.");
    EXPECT_EQ(recorder.Messages.back().Flags, MB_OK | MB_ICONWARNING);
  }
  EXPECT_EQ(form_->Vorel1->CrossHair1().PosX(), x);  // unmoved by the mistakes
  Choose("Other \u03B1\u2026");                      // cancelled: nothing at all
  EXPECT_EQ(recorder.Messages.size(), 3u);
}

TEST_F(KolvoDialogs, SavingWritesTheChartAsShownInTheKindChosen) {
  QTemporaryDir dir;
  const QString png = dir.filePath("chart"), bmp = dir.filePath("chart.BMP");
  recorder.SaveAnswers = {png.toStdString(), bmp.toStdString(), "/nonexistent/dir/x.png"};
  Choose("Save picture as\u2026");
  Choose("Save picture as\u2026");
  // What a snapshot of the window shows below the panel.
  const QImage shown = Picture(*form_).copy(QRect(0, 65, 553, 315));
  for (const QString& path : {png + ".png", bmp}) {
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), path == bmp ? "bmp" : "png");
    EXPECT_EQ(reader.read().convertToFormat(QImage::Format_RGB32), shown) << path.toStdString();
  }
  Choose("Save picture as\u2026");
  ASSERT_EQ(recorder.Messages.size(), 1u);
  EXPECT_TRUE(
      recorder.Messages[0].Text.starts_with("The picture was not saved: /nonexistent/dir/x.png: "));
}

// Runs the loop until something ends it; a guard ends a loop that nothing ended.
int RunWith(std::function<void()> action) {
  QTimer::singleShot(0, std::move(action));
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    Application().SetExitCode(99);
    Application().Terminate();
  });
  guard.start(10000);
  return Application().Run();
}

TEST_F(KolvoWindow, ExitEndsTheLoopWithZero) {
  EXPECT_EQ(RunWith([this] { QTest::mouseClick(WidgetOf(*form_->BButExit), Qt::LeftButton); }), 0);
  EXPECT_EQ(Application().MainForm(), nullptr);
}

TEST_F(KolvoWindow, TheWindowsOwnCloseControlEndsWithZeroToo) {
  EXPECT_EQ(RunWith([this] { WidgetOf(*form_)->close(); }), 0);
  EXPECT_EQ(Application().MainForm(), nullptr);
}

}  // namespace
}  // namespace zarn
