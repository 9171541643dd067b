// The chart's context menu and what its entries do.

#include <algorithm>
#include <charconv>
#include <optional>

#include "app/options.h"
#include "app/picture_export.h"
#include "app/ukolvo.h"

namespace zarn {
namespace {

// The usual levels of an F table, as the menu shows them.
constexpr const char* kLevels[] = {"0.10", "0.05", "0.025", "0.01", "0.001"};
constexpr const char* kMenuTitle = "Critical value";

// A level as people type it: "0.05", "0,05", " .05 " or "5 %".
std::optional<double> ReadLevel(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  const auto first = text.find_first_not_of(" \t");
  const auto last = text.find_last_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  std::string_view number(text.data() + first, last - first + 1);
  const bool percent = number.ends_with('%');
  if (percent) number = number.substr(0, number.find_last_not_of(" \t%") + 1);
  double value = 0;
  const auto [stop, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || stop != number.data() + number.size()) return std::nullopt;
  if (percent) value /= 100;
  return kolvo::IsLevel(value) ? std::optional(value) : std::nullopt;
}

}  // namespace

TPopupMenu& TFrmKolvo::BuildChartMenu() {
  ChartMenu = &TComponent::Create<TPopupMenu>(*this);
  TMenuItem& items = ChartMenu->Items();
  for (const char* level : kLevels)
    items.Add(std::string("Critical value for \u03B1 = ") + level, [this, level](TObject*) {
      if (!ShowCriticalValue(*ReadLevel(level))) Warn("No critical value for this level.");
    });
  items.Add("Other \u03B1\u2026", [this](TObject*) { AskCriticalValue(); });
  items.Add("-");
  items.Add("Copy picture", [this](TObject*) { CopyPictureToClipboard(*Vorel1); });
  items.Add("Save picture as\u2026", [this](TObject*) { SavePictureAs(); });
  items.Add("-");
  items.Add("Reset view", [this](TObject*) { ResetView(); });
  return *ChartMenu;
}

void TFrmKolvo::AskCriticalValue() {
  std::string text = lastLevel_;
  if (!InputQuery(kMenuTitle, "Level of significance \u03B1 (between 0 and 1):", text)) return;
  const std::optional<double> alpha = ReadLevel(text);
  if (!alpha) {
    Warn("\"" + text + "\" is not a level between 0 and 1.");
    return;
  }
  lastLevel_ = text;
  if (!ShowCriticalValue(*alpha)) Warn("No critical value for \u03B1 = " + text + ".");
}

void TFrmKolvo::SavePictureAs() {
  TSaveDialog dialog(nullptr);
  dialog.SetTitle("Save picture as");
  dialog.SetFilter("PNG picture (*.png)|*.png|BMP picture (*.bmp)|*.bmp");
  dialog.SetDefaultExt("png");
  dialog.SetFileName(lastPictureFile_);
  if (!dialog.Execute()) return;
  const std::string error =
      SavePicture(*Vorel1, dialog.FileName(), dialog.FilterIndex() == 2 ? "BMP" : "PNG");
  if (!error.empty()) {
    Warn("The picture was not saved: " + error);
    return;
  }
  lastPictureFile_ = dialog.FileName();
}

void TFrmKolvo::ResetView() {
  TScalePropsHoriz& axis = Vorel1->Scale1X();
  if (axis.RangeLow() != designedLow_ || axis.RangeHigh() != designedHigh_) {
    axis.SetRangeLow(designedLow_);
    axis.SetRangeHigh(designedHigh_);
    RedrawCurve(SBDf1->Position(), SBDF2->Position());
  }
  const double x = Vorel1->CrossHair1().PosX();
  const double shown =
      std::clamp(x, std::min(designedLow_, designedHigh_), std::max(designedLow_, designedHigh_));
  if (shown != x) Vorel1->MoveCrossHair(1, shown, Vorel1->CrossHair1().PosY());
}

void TFrmKolvo::Warn(const std::string& text) {
  Application().MessageBox(text, Application().Title(), MB_OK | MB_ICONWARNING);
}

}  // namespace zarn
