#include "app/start_values.h"

namespace zarn::kolvo {

void ApplyStartValues(TFrmKolvo& form, const TOptions& options) {
  if (options.Df1) form.SBDf1->SetPosition(*options.Df1);
  if (options.Df2) form.SBDF2->SetPosition(*options.Df2);
  if (options.X) {
    TCrossHair& crossHair = form.Vorel1->CrossHair1();
    crossHair.SetPosX(*options.X);
    if (form.Vorel1->OnCrossHairMove) form.Vorel1->OnCrossHairMove(form.Vorel1, &crossHair);
  }
}

}  // namespace zarn::kolvo
