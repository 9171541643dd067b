#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <string_view>

#include "base/zarn_zarnbase.h"

namespace zarn {
namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// A name without its trailing variant digit, and that digit (0 when none).
std::pair<std::string, int> Split(std::string_view name) {
  const char last = name.back();
  if (last >= '1' && last <= '4') return {Lower(name.substr(0, name.size() - 1)), last - '0'};
  return {Lower(name), 0};
}

TEST(ColorNames, CountAndFixedPoints) {
  const auto names = ColorNames();
  ASSERT_EQ(names.size(), 466u);
  ASSERT_EQ(kColorNameCount, 466);
  const char* const basic[] = {"Black",  "Maroon",     "Green", "Olive",   "Navy",
                               "Purple", "Teal",       "Gray",  "Silver",  "Red",
                               "Lime",   "Yellow",     "Blue",  "Fuchsia", "Aqua",
                               "White",  "MoneyGreen", "Cream", "MedGray"};
  for (std::size_t i = 0; i < std::size(basic); ++i)
    EXPECT_EQ(names[i].Name, basic[i]) << i;
  EXPECT_EQ(names[19].Name, "AliceBlue");
  EXPECT_EQ(names[47].Name, "Bronze");
  EXPECT_EQ(names[63].Name, "Carbon");
  EXPECT_EQ(names[80].Name, "CornSilk");
  EXPECT_EQ(names[465].Name, "YellowGreen");
}

TEST(ColorNames, X11PartIsOrderedWithVariantsAfterTheirBase) {
  const auto names = ColorNames();
  std::set<std::string> seen;
  std::string previousBase;
  int previousVariant = 0;
  for (std::size_t i = 19; i < names.size(); ++i) {
    const std::string_view name = names[i].Name;
    ASSERT_FALSE(name.empty());
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(name[0]))) << name;
    EXPECT_EQ(name.find(' '), std::string_view::npos) << name;
    EXPECT_TRUE(seen.insert(Lower(name)).second) << "duplicate " << name;
    const auto [base, variant] = Split(name);
    if (variant > 0 && base == previousBase) {
      EXPECT_EQ(variant, previousVariant + 1) << name;
    } else {
      // A new base name (or the numbered variants of a basic colour such as Blue1).
      EXPECT_TRUE(variant == 0 || variant == 1) << name;
      EXPECT_LT(previousBase, base) << name;
    }
    previousBase = base;
    previousVariant = variant;
  }
}

TEST(ColorNames, PaletteAndX11Values) {
  EXPECT_EQ(ColorFromName("Black"), clBlack);
  EXPECT_EQ(ColorFromName("Gray"), clGray);    // palette grey, not X11 190
  EXPECT_EQ(ColorFromName("Green"), clGreen);  // palette green, not X11 lime
  EXPECT_EQ(ColorFromName("MoneyGreen"), clMoneyGreen);
  EXPECT_EQ(ColorFromName("Cream"), clCream);
  EXPECT_EQ(ColorFromName("MedGray"), clMedGray);
  EXPECT_EQ(ColorFromName("AliceBlue"), RGB(240, 248, 255));
  EXPECT_EQ(ColorFromName("DarkOrange"), RGB(255, 140, 0));
  EXPECT_EQ(ColorFromName("DarkOrange3"), RGB(205, 102, 0));
  EXPECT_EQ(ColorFromName("Maroon1"), RGB(255, 52, 179));
  EXPECT_EQ(ColorFromName("NavyBlue"), RGB(0, 0, 128));
  EXPECT_EQ(ColorFromName("LightGoldenRodYellow"), RGB(250, 250, 210));
  EXPECT_EQ(ColorFromName("RebeccaPurple"), RGB(102, 51, 153));
  EXPECT_EQ(ColorFromName("WebGray"), RGB(128, 128, 128));
  EXPECT_EQ(ColorFromName("Bronze"), RGB(205, 127, 50));
  EXPECT_EQ(ColorFromName("Carbon"), RGB(51, 51, 51));
  for (const TColorName& entry : ColorNames())
    EXPECT_EQ(entry.Color & 0xFF000000u, 0u) << entry.Name << " is not a plain RGB value";
}

TEST(ColorNames, LookupIgnoresCaseOnly) {
  EXPECT_EQ(ColorFromName("darkorange"), RGB(255, 140, 0));
  EXPECT_EQ(ColorFromName("DARKORANGE"), RGB(255, 140, 0));
  EXPECT_EQ(ColorFromName("cornsilk2"), ColorFromName("CornSilk2"));
  EXPECT_FALSE(ColorFromName("Dark Orange"));
  EXPECT_FALSE(ColorFromName("DarkOrange5"));
  EXPECT_FALSE(ColorFromName("clRed"));
  EXPECT_FALSE(ColorFromName(""));
  EXPECT_FALSE(ColorFromName(std::string_view("Red\0", 4)));
}

TEST(ColorNames, NameOfColorGivesTheFirstEntry) {
  EXPECT_EQ(NameOfColor(clAqua), "Aqua");              // before Cyan and Cyan1
  EXPECT_EQ(NameOfColor(RGB(128, 128, 128)), "Gray");  // before WebGray
  EXPECT_EQ(NameOfColor(RGB(1, 2, 3)), std::nullopt);
  EXPECT_EQ(NameOfColor(clBtnFace), std::nullopt);
  // Every value maps back to a name carrying that same value, at or before its own entry.
  const auto names = ColorNames();
  for (std::size_t i = 0; i < names.size(); ++i) {
    const auto name = NameOfColor(names[i].Color);
    ASSERT_TRUE(name);
    EXPECT_EQ(ColorFromName(*name), names[i].Color);
    const auto first = std::find_if(names.begin(), names.end(),
                                    [&](const TColorName& e) { return e.Name == *name; });
    EXPECT_LE(static_cast<std::size_t>(first - names.begin()), i);
    EXPECT_EQ(ColorFromName(Lower(names[i].Name)), names[i].Color) << names[i].Name;
  }
}

}  // namespace
}  // namespace zarn
