#pragma once
// Value types shared by the components: messages as components see them, shift states,
// mouse buttons, alignment, cursors, modal results and message-box answers.

#include <string>

#include "base/Geometry.h"
#include "vcl/Set.h"
#include "wm/Cursor.h"
#include "wm/Types.h"

namespace vcl {

using wm::HWND;
using wm::LPARAM;
using wm::LRESULT;
using wm::UINT;
using wm::WPARAM;

// One window message on its way through a component's WindowProc / WndProc.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

enum TShiftStateValue { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateValue>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

// Pointer shapes by their classic numbers.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crHandPoint = -21;
wm::CursorShape CursorShapeOf(TCursor cursor);

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

// The shift state of the input being processed (keys and mouse buttons held).
TShiftState CurrentShiftState();
// The shift state of a mouse message's key flags (MK_*), with Alt from the key state.
TShiftState ShiftStateFromMouseKeys(WPARAM keys);

}  // namespace vcl
