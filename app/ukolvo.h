#pragma once
// The main window of the F Distribution viewer: a chart of the F density with
// a draggable crosshair, two scroll bars for the degrees of freedom and four
// read-outs. It keeps no state of its own; the degrees of freedom are the scroll
// bars' positions and the quantile is the crosshair's place.

#include <cstdint>
#include <string>
#include <string_view>

#include "chart/zarn_vorel.h"
#include "platform/zarn_platform.h"
#include "readout/zarn_nimbic.h"

namespace zarn {

class TFrmKolvo : public TForm {
 public:
  explicit TFrmKolvo(TComponent* AOwner);
  std::string_view ClassName() const override { return "TFrmKolvo"; }

  // Created and owned by the form from its layout, found by name once loaded.
  TVorel* Vorel1 = nullptr;
  TPanel* Panel1 = nullptr;
  TBitBtn* BButExit = nullptr;
  TScrollBar* SBDf1 = nullptr;
  TScrollBar* SBDF2 = nullptr;
  TNimbic* NLabDf1 = nullptr;
  TNimbic* NLabDF2 = nullptr;
  TNimbic* NLabCrosshair = nullptr;
  TNimbic* NLabQuantile = nullptr;

  // The handlers a layout binds by these names.
  void BButExitClick(TObject* Sender);
  void SBDf1Change(TObject* Sender);
  void SBDF2Change(TObject* Sender);
  void FormShow(TObject* Sender);
  void Vorel1CrossHairMove(TObject* Sender, TCrossHair* WhichCrossHair);

  // Ctrl+C on the chart puts its picture on the clipboard, Tab and Shift+Tab
  // leave it. Bound in code, so a layout that gives the chart its own key
  // handler keeps it.
  void Vorel1KeyDown(TObject* Sender, TWord& Key, TShiftState Shift);

  // The chart's context menu: critical values at the usual levels and at one
  // the user types, the picture to the clipboard or a file, and the x axis
  // back to the layout's range. Given to the chart unless the layout gives it
  // a menu of its own.
  TPopupMenu* ChartMenu = nullptr;

  static constexpr int kCurveSegments = 500;

  // Moves the crosshair to the critical value of the level alpha at the
  // degrees of freedom shown; an x axis that ends before it is widened to the
  // next round value (1, 2 or 5 times a power of ten) beyond it.
  // False when the level has no finite critical value there.
  bool ShowCriticalValue(double alpha);
  // Asks for a level and shows its critical value; a text that is no level
  // between 0 and 1 is refused with a message.
  void AskCriticalValue();
  // Asks for a PNG or BMP file and writes the chart's picture to it.
  void SavePictureAs();
  // The x axis as the layout stored it, the crosshair moved onto it if it
  // lies beyond.
  void ResetView();

 protected:
  // Finds the component fields; a layout without one of them is refused.
  void Loaded() override;

 private:
  TPopupMenu& BuildChartMenu();
  void RedrawCurve(std::int32_t df1, std::int32_t df2);
  // Left and Right move the crosshair a pixel (ten with Shift), Home and End
  // to the ends of the axis, as a drag there would.
  void KeyMoveCrossHair(TWord key, TShiftState shift);
  void ShowTail();
  void SetCrossHairReadOuts();
  void Warn(const std::string& text);

  double designedLow_ = 0;  // the x axis as the layout stored it
  double designedHigh_ = 0;
  std::string lastLevel_ = "0.05";
  std::string lastPictureFile_ = "F distribution.png";
};

// Registers TFrmKolvo and every component class its layout uses.
void RegisterKolvoClasses();

}  // namespace zarn
