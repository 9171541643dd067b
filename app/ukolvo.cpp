#include "app/ukolvo.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/picture_export.h"
#include "stats/zarn_fdist.h"

namespace zarn {
namespace {

// The window's client area must be one the surfaces can draw.
void CheckDrawable(const TForm& form) {
  const int w = form.ClientWidth(), h = form.ClientHeight();
  const std::string why = UndrawableSize(w, h);
  if (why.empty()) return;
  const bool heightFits = h >= 1 && h <= kMaxBitmapSide;
  throw ELayoutError(form.Name(), heightFits ? "ClientWidth" : "ClientHeight", why);
}

// The statistics need at least one degree of freedom on each side.
void CheckDegreesOfFreedom(const TForm& form, const TScrollBar& bar, const char* df) {
  if (bar.Min() >= 1) return;
  throw ELayoutError(form.Name() + "." + bar.Name(), "Min",
                     "value " + std::to_string(bar.Min()) + " would allow " + df + " below 1");
}

template <class T>
T* Field(TComponent& form, const char* name, const char* className) {
  auto* field = dynamic_cast<T*>(form.FindComponent(name));
  if (!field)
    throw EZarnError(std::string("the window needs a component \"") + name + "\" of class " +
                     className);
  return field;
}

}  // namespace

TFrmKolvo::TFrmKolvo(TComponent* AOwner) : TForm(AOwner) {
  RegisterHandler("BButExitClick", this, &TFrmKolvo::BButExitClick);
  RegisterHandler("SBDf1Change", this, &TFrmKolvo::SBDf1Change);
  RegisterHandler("SBDF2Change", this, &TFrmKolvo::SBDF2Change);
  RegisterHandler("FormShow", this, &TFrmKolvo::FormShow);
  RegisterHandler("Vorel1CrossHairMove", this, &TFrmKolvo::Vorel1CrossHairMove);
}

void TFrmKolvo::Loaded() {
  TForm::Loaded();
  Vorel1 = Field<TVorel>(*this, "Vorel1", "TVorel");
  Panel1 = Field<TPanel>(*this, "Panel1", "TPanel");
  BButExit = Field<TBitBtn>(*this, "BButExit", "TBitBtn");
  SBDf1 = Field<TScrollBar>(*this, "SBDf1", "TScrollBar");
  SBDF2 = Field<TScrollBar>(*this, "SBDF2", "TScrollBar");
  NLabDf1 = Field<TNimbic>(*this, "NLabDf1", "TNimbic");
  NLabDF2 = Field<TNimbic>(*this, "NLabDF2", "TNimbic");
  NLabCrosshair = Field<TNimbic>(*this, "NLabCrosshair", "TNimbic");
  NLabQuantile = Field<TNimbic>(*this, "NLabQuantile", "TNimbic");
  CheckDegreesOfFreedom(*this, *SBDf1, "df1");
  CheckDegreesOfFreedom(*this, *SBDF2, "df2");
  CheckDrawable(*this);
  if (!Vorel1->OnKeyDown)
    Vorel1->OnKeyDown = [this](TObject* sender, TWord& key, TShiftState shift) {
      Vorel1KeyDown(sender, key, shift);
    };
  designedLow_ = Vorel1->Scale1X().RangeLow();
  designedHigh_ = Vorel1->Scale1X().RangeHigh();
  if (!Vorel1->PopupMenu()) Vorel1->SetPopupMenu(&BuildChartMenu());
}

void TFrmKolvo::RedrawCurve(std::int32_t df1, std::int32_t df2) {
  Vorel1->ClearItems();
  Vorel1->MovePenTo(0, 0);
  const long double high = Vorel1->Scale1X().RangeHigh();
  for (int i = 1; i <= kCurveSegments; ++i) {
    const auto x = static_cast<double>(high * i / kCurveSegments);
    Vorel1->LineToPoint(x, FDensity(df1, df2, x));
  }
  Vorel1->ShowItems();
}

// The upper tail beyond the crosshair at the degrees of freedom shown.
void TFrmKolvo::ShowTail() {
  const double x = Vorel1->CrossHair1().PosX();
  NLabCrosshair->SetValue(1 - FLowerTail(SBDf1->Position(), SBDF2->Position(), x));
}

namespace {

// The first of 1, 2, 5, 10, 20, 50, ... times the power of ten below x that lies beyond x.
double NextRoundValue(double x) {
  const double power = std::pow(10.0, std::floor(std::log10(x)));
  for (const double m : {1.0, 2.0, 5.0, 10.0})
    if (m * power > x) return m * power;
  return 20 * power;
}

}  // namespace

bool TFrmKolvo::ShowCriticalValue(double alpha) {
  const double x = FCriticalValue(SBDf1->Position(), SBDF2->Position(), alpha);
  if (!std::isfinite(x)) return false;
  TScalePropsHoriz& axis = Vorel1->Scale1X();
  if (x >= axis.RangeHigh()) {
    axis.SetRangeHigh(NextRoundValue(x));
    RedrawCurve(SBDf1->Position(), SBDF2->Position());
  }
  Vorel1->MoveCrossHair(1, x, Vorel1->CrossHair1().PosY());
  return true;
}

void TFrmKolvo::SetCrossHairReadOuts() {
  ShowTail();
  NLabQuantile->SetValue(Vorel1->CrossHair1().PosX());
}

void TFrmKolvo::BButExitClick(TObject* /*Sender*/) {
  Close();
}

void TFrmKolvo::SBDf1Change(TObject* /*Sender*/) {
  NLabDf1->SetValue(SBDf1->Position());
  RedrawCurve(SBDf1->Position(), SBDF2->Position());
  ShowTail();
}

void TFrmKolvo::SBDF2Change(TObject* /*Sender*/) {
  NLabDF2->SetValue(SBDF2->Position());
  RedrawCurve(SBDf1->Position(), SBDF2->Position());
  ShowTail();
}

void TFrmKolvo::FormShow(TObject* /*Sender*/) {
  // A layout may store positions its read-outs do not repeat.
  NLabDf1->SetValue(SBDf1->Position());
  NLabDF2->SetValue(SBDF2->Position());
  RedrawCurve(SBDf1->Position(), SBDF2->Position());
  SetCrossHairReadOuts();
}

// Only CrossHair1 is switched on in this window, so whichever moved, it is read.
void TFrmKolvo::Vorel1CrossHairMove(TObject* /*Sender*/, TCrossHair* /*WhichCrossHair*/) {
  SetCrossHairReadOuts();
}

void TFrmKolvo::Vorel1KeyDown(TObject* /*Sender*/, TWord& Key, TShiftState Shift) {
  if (Key == 'C' && Shift.Contains(ssCtrl))
    CopyPictureToClipboard(*Vorel1);
  else if (Key == VK_TAB)
    Vorel1->SelectNextControl(!Shift.Contains(ssShift));
  else
    KeyMoveCrossHair(Key, Shift);
}

void TFrmKolvo::KeyMoveCrossHair(TWord key, TShiftState shift) {
  const TScalePropsHoriz& axis = Vorel1->Scale1X();
  const double low = std::min(axis.RangeLow(), axis.RangeHigh());
  const double high = std::max(axis.RangeLow(), axis.RangeHigh());
  const TCrossHair& h = Vorel1->CrossHair1();
  double x = 0;
  if (key == VK_HOME) {
    x = low;
  } else if (key == VK_END) {
    x = high;
  } else if (key == VK_LEFT || key == VK_RIGHT) {
    int px = 0, py = 0;
    Vorel1->WorldToPixel(h.Layer(), h.PosX(), h.PosY(), px, py);
    const int step = (shift.Contains(ssShift) ? 10 : 1) * (key == VK_LEFT ? -1 : 1);
    double y = 0;
    Vorel1->PixelToWorld(h.Layer(), px + step, py, x, y);
    if (!std::isfinite(x)) return;
    x = std::clamp(x, low, high);
  } else {
    return;
  }
  Vorel1->MoveCrossHair(1, x, h.PosY());
}

void RegisterKolvoClasses() {
  RegisterVorelClasses();
  RegisterNimbic();
  RegisterClass<TFrmKolvo, TForm>("TFrmKolvo");
}

}  // namespace zarn
