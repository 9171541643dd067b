#pragma once
// Value types and event signatures shared by every control.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>

#include "surface/zarn_persistent.h"
#include "surface/zarn_types.h"

namespace zarn {

class TComponent;

// a + b held to int's range: bounds at the far end of int leave no room, but
// do not wrap round to the other end.
inline int SaturatedSum(int a, int b) {
  const std::int64_t sum = std::int64_t{a} + b;
  return static_cast<int>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

enum TShiftStateValue : std::uint8_t {
  ssShift,
  ssAlt,
  ssCtrl,
  ssLeft,
  ssRight,
  ssMiddle,
  ssDouble
};
using TShiftState = TSet<TShiftStateValue>;

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind : std::uint8_t { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment : std::uint8_t { vaTop, vaCenter, vaBottom };

enum TDragMode : std::uint8_t { dmManual, dmAutomatic };
enum TDragKind : std::uint8_t { dkDrag, dkDock };

// Virtual key codes as the keyboard events deliver them.
using TWord = std::uint16_t;
inline constexpr TWord VK_BACK = 0x08;
inline constexpr TWord VK_TAB = 0x09;
inline constexpr TWord VK_RETURN = 0x0D;
inline constexpr TWord VK_ESCAPE = 0x1B;
inline constexpr TWord VK_SPACE = 0x20;
inline constexpr TWord VK_PRIOR = 0x21;
inline constexpr TWord VK_NEXT = 0x22;
inline constexpr TWord VK_END = 0x23;
inline constexpr TWord VK_HOME = 0x24;
inline constexpr TWord VK_LEFT = 0x25;
inline constexpr TWord VK_UP = 0x26;
inline constexpr TWord VK_RIGHT = 0x27;
inline constexpr TWord VK_DOWN = 0x28;
inline constexpr TWord VK_DELETE = 0x2E;

// Answer bits of the dialog-code query: which keys a control handles itself.
inline constexpr int DLGC_WANTARROWS = 0x0001;
inline constexpr int DLGC_WANTTAB = 0x0002;
inline constexpr int DLGC_WANTALLKEYS = 0x0004;
inline constexpr int DLGC_WANTCHARS = 0x0080;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
// WheelDelta is 120 per notch, positive away from the user; MousePos in client
// coordinates. A handler that takes the turn sets Handled.
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                            TPoint MousePos, bool& Handled)>;
using TKeyEvent = std::function<void(TObject* Sender, TWord& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, int State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TStartDragEvent = std::function<void(TObject* Sender, TObject*& DragObject)>;

// Mouse cursors: the standard shapes have fixed negative numbers; programs
// register their own under positive numbers (TScreen::SetCursors).
using TCursor = std::int16_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

}  // namespace zarn
