#include "app/start_values.h"

#include <string>

namespace zarn::kolvo {

namespace {
// A layout may narrow a scroll bar's range; a value it cannot take is refused
// rather than quietly moved to its end.
void MoveBar(TScrollBar& bar, const char* option, int value) {
  if (value < bar.Min() || value > bar.Max())
    throw EOptionError(std::string(option) + ": " + std::to_string(value) +
                       " is outside the layout's " + std::to_string(bar.Min()) + " ... " +
                       std::to_string(bar.Max()));
  bar.SetPosition(value);
}
}  // namespace

void ApplyStartValues(TFrmKolvo& form, const TOptions& options) {
  if (options.Df1) MoveBar(*form.SBDf1, "--df1", *options.Df1);
  if (options.Df2) MoveBar(*form.SBDF2, "--df2", *options.Df2);
  if (options.X) form.Vorel1->MoveCrossHair(1, *options.X, form.Vorel1->CrossHair1().PosY());
  if (options.Alpha) form.ShowCriticalValue(*options.Alpha);
}

}  // namespace zarn::kolvo
