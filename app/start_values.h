#pragma once

#include "app/options.h"
#include "app/ukolvo.h"

namespace zarn::kolvo {

// Moves the scroll bars and the crosshair to the values the command line
// asked for, through the same controls and events a user's hand would. A df
// outside the range the layout gives its scroll bar raises EOptionError.
void ApplyStartValues(TFrmKolvo& form, const TOptions& options);

}  // namespace zarn::kolvo
