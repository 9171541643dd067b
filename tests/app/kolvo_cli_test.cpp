// The built program, run as a user runs it, without a display.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct TRun {
  int Code = -1;
  std::string Output;  // stdout and stderr
};

// Runs the viewer with the given arguments and no display.
TRun Kolvo(const std::string& args) {
  const std::string command =
      "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " KOLVO_PATH " " + args + " 2>&1";
  TRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[512];
  while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
    run.Output.append(buffer, n);
  const int status = pclose(pipe);
  run.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// Qt's own start-up chatter about the runtime directory is not ours.
int OwnLines(const std::string& output) {
  std::istringstream in(output);
  int n = 0;
  for (std::string line; std::getline(in, line);)
    n += line.rfind("QStandardPaths", 0) != 0;
  return n;
}

class KolvoProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("kolvo_cli_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // The stored layout with one piece of text replaced.
  std::string LayoutWith(const std::string& from, const std::string& to) {
    std::ifstream in(KOLVO_LAYOUT);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    const std::string path = (dir_ / "layout.json").string();
    std::ofstream(path) << text;
    return path;
  }

  std::filesystem::path dir_;
};

TEST_F(KolvoProgram, HelpAndBadOptions) {
  const TRun help = Kolvo("--help");
  EXPECT_EQ(help.Code, 0);
  EXPECT_NE(help.Output.find("--snapshot FILE"), std::string::npos);
  for (const char* bad : {"--df1 0", "--x 7", "--what", "--df2"}) {
    const TRun run = Kolvo(bad);
    EXPECT_EQ(run.Code, 2) << bad;
    EXPECT_EQ(OwnLines(run.Output), 1) << run.Output;
  }
  const TRun noDisplay = Kolvo("");
  EXPECT_EQ(noDisplay.Code, 1);
  EXPECT_NE(noDisplay.Output.find("--snapshot"), std::string::npos);
}

TEST_F(KolvoProgram, LayoutErrorsNameFileComponentAndProperty) {
  struct TCase {
    std::string From, To, Expect;
  };
  const TCase cases[] = {
      {"\"RangeHigh\": 6.0", "\"RangeHigh\": \"six\"",
       "FrmKolvo.Vorel1: property \"Scale1X.RangeHigh\""},
      {"\"LeftText\": \"df1 =\"", "\"LeftTxt\": \"df1 =\"",
       "FrmKolvo.NLabDf1: property \"LeftTxt\""},
      {"\"OnChange\": \"SBDf1Change\"", "\"OnChange\": \"Nowhere\"",
       "\"OnChange\": unknown handler"},
      {"\"Name\": \"SBDF2\"", "\"Name\": \"SBDf3\"", "\"SBDF2\""},
      {"\"Class\": \"TFrmKolvo\"", "\"Class\": \"TForm\"", "\"FormShow\""},
      {"{", "[", "malformed JSON"},
  };
  for (const TCase& c : cases) {
    const std::string path = LayoutWith(c.From, c.To);
    const TRun run = Kolvo("--layout " + path + " --snapshot " + (dir_ / "x.png").string());
    EXPECT_EQ(run.Code, 2) << c.To;
    EXPECT_EQ(OwnLines(run.Output), 1) << run.Output;
    EXPECT_NE(run.Output.find("kolvo: " + path + ": "), std::string::npos) << run.Output;
    EXPECT_NE(run.Output.find(c.Expect), std::string::npos) << run.Output;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "x.png")) << c.To;
  }
  const TRun missing = Kolvo("--layout " + (dir_ / "none.json").string());
  EXPECT_EQ(missing.Code, 2);
  EXPECT_NE(missing.Output.find("none.json"), std::string::npos);
}

TEST_F(KolvoProgram, SnapshotsWithoutADisplay) {
  const std::string standard = (dir_ / "standard.png").string();
  const std::string other = (dir_ / "other.png").string();
  ASSERT_EQ(Kolvo("--snapshot " + standard).Code, 0);
  ASSERT_EQ(Kolvo("--df1 1 --df2 30 --x 2 --snapshot=" + other).Code, 0);
  const QImage a(QString::fromStdString(standard)), b(QString::fromStdString(other));
  EXPECT_EQ(a.size(), QSize(553, 380));
  EXPECT_EQ(b.size(), a.size());
  // The chart lies below a 65-pixel panel, its plot from (50, 20), 483 pixels
  // for x 0 ... 6: the crosshair at x = 1 is in column 130, at x = 2 in 211.
  auto dark = [](const QImage& image, int x, int y0, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      n += qGray(image.pixel(x, y)) < 96;
    return n;
  };
  const int top = 65 + 21, bottom = 65 + 274;
  EXPECT_GT(dark(a, 130, top, bottom), (bottom - top) / 4);
  EXPECT_EQ(dark(a, 211, top, top + 60), 0);
  EXPECT_GT(dark(b, 211, top, bottom), (bottom - top) / 4);
  EXPECT_EQ(dark(b, 130, top, top + 60), 0);
  // F(1, 30) is infinite at 0: its curve comes down from the plot's top edge
  // (y = 1.5) near the left end, where F(4, 4) stays below 0.5.
  auto darkAcross = [&](const QImage& image, int y0, int y1) {
    int n = 0;
    for (int x = 51; x <= 70; ++x)
      n += dark(image, x, y0, y1);
    return n;
  };
  EXPECT_GT(darkAcross(b, top, top + 3), 0);
  EXPECT_EQ(darkAcross(a, top, top + 3), 0);
  // The stored layout given as a file draws the same window.
  const std::string same = (dir_ / "same.png").string();
  ASSERT_EQ(Kolvo("--layout " KOLVO_LAYOUT " --snapshot " + same).Code, 0);
  EXPECT_EQ(QImage(QString::fromStdString(same)), a);
}

}  // namespace
