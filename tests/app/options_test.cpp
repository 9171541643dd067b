#include <gtest/gtest.h>

#include "app/options.h"
#include "app/printable.h"

namespace zarn::kolvo {
namespace {

TEST(KolvoOptions, ValuesInBothSpellings) {
  const TOptions o = ParseOptions(
      {"--df1", "1", "--df2=100", "--x", "2.5", "--layout=my.json", "--snapshot", "out.png"});
  EXPECT_EQ(o.Df1, 1);
  EXPECT_EQ(o.Df2, 100);
  EXPECT_EQ(o.X, 2.5);
  EXPECT_EQ(o.LayoutFile, "my.json");
  EXPECT_EQ(o.SnapshotFile, "out.png");
  EXPECT_FALSE(o.Help);
  EXPECT_EQ(ParseOptions({"--x", "0"}).X, 0.0);
  EXPECT_EQ(ParseOptions({"--x=6"}).X, 6.0);
  EXPECT_TRUE(ParseOptions({"--help"}).Help);
  EXPECT_EQ(ParseOptions({"--alpha=0.05", "--df1", "3"}).Alpha, 0.05);
  EXPECT_EQ(ParseOptions({"--scale", "4"}).Scale, 4);
  const TOptions none = ParseOptions({});
  EXPECT_FALSE(none.Df1 || none.Df2 || none.X);
}

TEST(KolvoOptions, RefusesWhatTheControlsCouldNotShow) {
  for (const auto& args : std::vector<std::vector<std::string_view>>{
           {"--df1", "0"},     {"--df1", "101"},
           {"--df2", "-4"},    {"--df1", "4.5"},
           {"--df1", "4x"},    {"--df2", ""},
           {"--x", "-0.1"},    {"--x", "6.0001"},
           {"--x", "nan"},     {"--x", "inf"},
           {"--x", "1,5"},     {"--alpha", "0"},
           {"--alpha", "1"},   {"--alpha", "nan"},
           {"--alpha", "5%"},  {"--alpha", "0.05", "--x", "1"},
           {"--scale", "0"},   {"--scale", "5"},
           {"--scale", "1.5"}, {"--df1"},
           {"--layout"},       {"--layout="},
           {"--snapshot", ""}, {"--frobnicate"},
           {"extra"},          {"--df1", "99999999999999999999"}}) {
    EXPECT_THROW(ParseOptions(args), EOptionError) << args[0];
  }
}

TEST(KolvoOptions, MessagesNameTheOptionAndValue) {
  try {
    ParseOptions({"--df2", "0"});
    FAIL();
  } catch (const EOptionError& e) {
    EXPECT_STREQ(e.what(), "--df2: 0 is outside 1 ... 100");
  }
}

TEST(KolvoMessages, BytesATerminalWouldActOnAreEscaped) {
  EXPECT_EQ(Printable("TPa\x1b[2Jnel\a"), "TPa\\x1B[2Jnel\\x07");
  EXPECT_EQ(Printable("x\u00b0 \u20ac"), "x\u00b0 \u20ac");  // printable UTF-8 stays
  EXPECT_EQ(Printable("\xc2\x9b"
                      "1m"),
            "\\xC2\\x9B1m");                       // a C1 control
  EXPECT_EQ(Printable("\xff\xc3"), "\\xFF\\xC3");  // not UTF-8, cut short
  EXPECT_EQ(Printable("\x7f\t\n"), "\\x7F\\x09\\x0A");
}

}  // namespace
}  // namespace zarn::kolvo
