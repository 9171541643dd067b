// The built program, run as a user runs it, without a display.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct TRun {
  int Code = -1;
  std::string Output;  // stdout and stderr
};

// Runs the viewer with the given arguments and no display; fileLimit, when
// set, caps the size of the files it may write as a full disk would.
TRun Kolvo(const std::string& args, rlim_t fileLimit = RLIM_INFINITY) {
  const std::string command =
      "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " KOLVO_PATH " " + args + " 2>&1";
  TRun run;
  int out[2];
  if (pipe(out) != 0) return run;
  const pid_t child = fork();
  if (child == 0) {
    const rlimit limit{fileLimit, fileLimit};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  char buffer[512];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
    run.Output.append(buffer, static_cast<std::size_t>(n));
  close(out[0]);
  int status = 0;
  if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
    run.Code = WEXITSTATUS(status);
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
      {"\"AllocSize\": 1000",
       "\"AllocSize\": " + std::string(100000, '[') + std::string(100000, ']'),
       "layout: nested more than"},
      {"\"Class\": \"TPanel\"", R"("Class": "TPa\u001b[2Jnel\u0007")",
       R"(unknown class "TPa\x1B[2Jnel\x07")"},
      {"\"RangeHigh\": 6.0", "\"RangeHigh\": \"NaN\"",
       R"(Vorel1: property "Scale1X.RangeHigh": expected a finite number, got "NaN")"},
      {"\"RangeLow\": 0.0", "\"RangeLow\": \"-Inf\"", R"(got "-Inf")"},
      // Sizes no surface can hold, refused before Qt is asked for a window.
      {"\"ClientWidth\": 553", "\"ClientWidth\": 0",
       R"(FrmKolvo: property "ClientWidth": a window of 0 x 380 pixels cannot be drawn)"},
      {"\"ClientWidth\": 553", "\"ClientWidth\": -5", "0 x 380 pixels cannot be drawn"},
      {"\"ClientWidth\": 553", "\"ClientWidth\": 1000000000", "1000000000 x 380 pixels"},
      {"\"ClientWidth\": 553", "\"ClientWidth\": 2147483647", R"(property "ClientWidth")"},
      {"\"ClientWidth\": 553", "\"ClientWidth\": -2147483648", R"(property "ClientWidth")"},
      {"\"ClientHeight\": 380", "\"ClientHeight\": 0", R"(property "ClientHeight")"},
      {"\"ClientHeight\": 380", "\"ClientHeight\": 2147483647", R"(property "ClientHeight")"},
      // Scroll bars that would hand the statistics a df below 1.
      {"\"Min\": 1, \"Max\": 100", "\"Min\": 0, \"Max\": 100",
       R"(FrmKolvo.SBDf1: property "Min": value 0 would allow df1 below 1)"},
      {"\"Min\": 1, \"Max\": 100", "\"Min\": -2147483648, \"Max\": 2147483647",
       "would allow df1 below 1"},
      {"\"Min\": 1, \"Max\": 100, \"PageSize\": 0, \"Position\": 4, \"TabOrder\": 2",
       "\"Min\": -50, \"Max\": 100, \"PageSize\": 0, \"Position\": 4, \"TabOrder\": 2",
       R"(FrmKolvo.SBDF2: property "Min": value -50 would allow df2 below 1)"},
  };
  for (const TCase& c : cases) {
    const std::string path = LayoutWith(c.From, c.To);
    const TRun run = Kolvo("--layout " + path + " --snapshot " + (dir_ / "x.png").string());
    EXPECT_EQ(run.Code, 2) << c.To;
    EXPECT_EQ(OwnLines(run.Output), 1) << run.Output;
    EXPECT_NE(run.Output.find("kolvo: " + path + ": "), std::string::npos) << run.Output;
    EXPECT_NE(run.Output.find(c.Expect), std::string::npos) << run.Output;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "x.png")) << c.To;
    for (const char ch : run.Output)  // nothing a terminal would act on
      EXPECT_TRUE(ch == '\n' || static_cast<unsigned char>(ch) >= 0x20) << run.Output;
  }
}

TEST_F(KolvoProgram, LayoutFilesThatCannotBeReadSayWhy) {
  const struct {
    std::string Path, Expect;
  } cases[] = {
      {(dir_ / "none.json").string(), "none.json: cannot read the layout: No such file"},
      {dir_.string(), ": cannot read the layout: Is a directory"},
      {"/dev/zero", "/dev/zero: cannot read the layout: larger than 67108864 bytes"},
  };
  for (const auto& c : cases) {
    const TRun run = Kolvo("--layout " + c.Path);
    EXPECT_EQ(run.Code, 2) << c.Path;
    EXPECT_EQ(OwnLines(run.Output), 1) << run.Output;
    EXPECT_NE(run.Output.find(c.Expect), std::string::npos) << run.Output;
  }
}

TEST_F(KolvoProgram, FailedSnapshotsSayWhyAndLeaveNoFileBehind) {
  const std::string kept = (dir_ / "kept.png").string();
  std::ofstream(kept) << "old";
  const struct {
    std::string Path, Expect;
    rlim_t Limit = RLIM_INFINITY;
  } cases[] = {
      {"/dev/full", "/dev/full: cannot write the snapshot: No space left on device"},
      {(dir_ / "missing" / "x.png").string(), "No such file or directory"},
      {dir_.string(), "Is a directory"},
      {"/proc/version", "/proc/version: cannot write the snapshot: "},
      // A disk that fills up, or a file-size limit, half-way through the picture.
      {kept, "kept.png: cannot write the snapshot: File too large", 4096},
  };
  for (const auto& c : cases) {
    const TRun run = Kolvo("--snapshot " + c.Path, c.Limit);
    EXPECT_EQ(run.Code, 1) << c.Path;
    EXPECT_EQ(OwnLines(run.Output), 1) << run.Output;
    EXPECT_NE(run.Output.find(c.Expect), std::string::npos) << run.Output;
  }
  std::ifstream in(kept);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1) << "no pieces left";
  // Without the limit the same file is replaced whole.
  ASSERT_EQ(Kolvo("--snapshot " + kept).Code, 0);
  EXPECT_EQ(QImage(QString::fromStdString(kept)).size(), QSize(553, 380));
}

// Values at the ends of int draw without overflowing anywhere on the way to Qt.
TEST_F(KolvoProgram, IntegerExtremesInALayoutStillDraw) {
  const std::pair<std::string, std::string> cases[] = {
      {R"("Font": {"Name": "MS Sans Serif", "Height": -13)",
       R"("Font": {"Name": "MS Sans Serif", "Height": -2147483648)"},
      {R"("Font": {"Name": "MS Sans Serif", "Height": -13)",
       R"("Font": {"Name": "MS Sans Serif", "Height": 2147483647)"},
      {R"("Font": {"Name": "MS Sans Serif", "Height": -13)",
       R"("Font": {"Name": "MS Sans Serif", "Size": -2147483648)"},
      {R"("Left": 295)", R"("Left": 2147483647)"},
      {R"("Left": 96, "Top": 8, "Width": 122, "Height": 17)",
       R"("Left": 96, "Top": 8, "Width": 122, "Height": 2147483647)"},
      {R"("Min": 1, "Max": 100)", R"("Min": 1, "Max": 2147483647, "LargeChange": 2147483647)"},
  };
  for (const auto& [from, to] : cases) {
    const std::string shot = (dir_ / "x.png").string();
    const TRun run = Kolvo("--layout " + LayoutWith(from, to) + " --snapshot " + shot);
    EXPECT_EQ(run.Code, 0) << to << run.Output;
    EXPECT_EQ(QImage(QString::fromStdString(shot)).size(), QSize(553, 380)) << to;
  }
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

TEST_F(KolvoProgram, SnapshotsAtTwiceTheDensityHaveTheLayoutWithTwiceTheDetail) {
  const std::string one = (dir_ / "one.png").string(), two = (dir_ / "two.png").string();
  ASSERT_EQ(Kolvo("--snapshot " + one).Code, 0);
  ASSERT_EQ(Kolvo("--scale 2 --snapshot " + two).Code, 0);
  const QImage a(QString::fromStdString(one)), b(QString::fromStdString(two));
  ASSERT_EQ(b.size(), QSize(1106, 760));
  auto dark = [](const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 96; };
  // The plot frame's left side (column 50) and the dotted crosshair at x = 1
  // (column 130): each pixel a 2 x 2 block at twice its place, nothing beside.
  const int top = 65 + 21, bottom = 65 + 274;
  for (const int x : {50, 130}) {
    int shown = 0;
    for (int y = top; y <= bottom; ++y) {
      shown += dark(a, x, y);
      for (int dy = 0; dy < 2; ++dy) {
        ASSERT_EQ(dark(b, 2 * x, 2 * y + dy), dark(a, x, y)) << x << ", " << y;
        ASSERT_EQ(dark(b, 2 * x + 1, 2 * y + dy), dark(a, x, y)) << x << ", " << y;
      }
      // Away from the curve, which is drawn at the finer pixels.
      bool alone = true;
      for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
          alone &= dx == 0 || !dark(a, x + dx, y + dy);
      // (Right of the frame the curve's start shows, which at 1 it covers.)
      if (alone) {
        EXPECT_FALSE(dark(b, 2 * x - 1, 2 * y)) << x << ", " << y;
        EXPECT_FALSE(x == 130 && dark(b, 2 * x + 2, 2 * y)) << x << ", " << y;
      }
    }
    EXPECT_GT(shown, (bottom - top) / 3);
  }
  // The y axis's top label, "1.50": set at twice the size, not enlarged.
  const QRect label(0, 65 + 5, 40, 30);
  QRect inkA, inkB;
  bool doubled = true;
  for (int y = label.top(); y <= label.bottom(); ++y)
    for (int x = label.left(); x <= label.right(); ++x) {
      if (dark(a, x, y)) inkA |= QRect(x, y, 1, 1);
      for (int d = 0; d < 4; ++d) {
        const int bx = 2 * x + d % 2, by = 2 * y + d / 2;
        if (dark(b, bx, by)) inkB |= QRect(bx, by, 1, 1);
        doubled &= b.pixel(bx, by) == a.pixel(x, y);
      }
    }
  ASSERT_FALSE(inkA.isEmpty());
  EXPECT_NEAR(inkB.height(), 2 * inkA.height(), 2);
  EXPECT_NEAR(inkB.right() + 1, 2 * (inkA.right() + 1), 2) << "right-aligned at the axis";
  EXPECT_FALSE(doubled);
}

}  // namespace
