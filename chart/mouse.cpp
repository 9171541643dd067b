// Mouse interaction: crosshair drag, pan, zoom, rectangles and the trace.

#include "chart/mouse_state.h"
#include "chart/zarn_vorel.h"

namespace zarn {

void TCustomVorel::DispatchMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::DispatchMouseDown(Button, Shift, X, Y);
}
void TCustomVorel::DispatchMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::DispatchMouseUp(Button, Shift, X, Y);
}
void TCustomVorel::DispatchMouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::DispatchMouseMove(Shift, X, Y);
}
void TCustomVorel::DispatchDblClick(TShiftState Shift, int X, int Y) {
  TCustomControl::DispatchDblClick(Shift, X, Y);
}
void TCustomVorel::DispatchMouseEnter() {
  TCustomControl::DispatchMouseEnter();
}
void TCustomVorel::DispatchMouseLeave() {
  TCustomControl::DispatchMouseLeave();
}
int TCustomVorel::DlgCode() {
  return TCustomControl::DlgCode();
}

void TCustomVorel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
}
void TCustomVorel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
}
void TCustomVorel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
}
void TCustomVorel::DblClick() {
  TCustomControl::DblClick();
}

}  // namespace zarn
