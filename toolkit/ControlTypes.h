#pragma once
// Enumerations shared by the controls, without windows.h so that the layout code and its native
// tests can use them.
#include <cstdint>

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// A set of sides a control keeps its distance to when its parent is resized.
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
constexpr TAnchors akDefault = akLeft | akTop;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Modifier keys and mouse buttons held during an input event.
enum TShiftKind : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TShiftState = unsigned;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

// How a control takes part in mouse handling (a subset of the classic control styles).
enum TControlStyleKind : unsigned {
    // A left press captures the mouse until the release.
    csCaptureMouse = 1,
    // A left press and release inside the control is a click.
    csClickEvents = 2,
    // Double clicks arrive as such; without it the second press is an ordinary press.
    csDoubleClicks = 4,
    // Other controls may be placed on it.
    csAcceptsControls = 8
};
using TControlStyle = unsigned;

// Pointer shapes: the standard system cursors by number (0 = the window class's own).
enum TCursor : int {
    crDefault = 0,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crNo = -12,
    crHandPoint = -21,
    crSizeAll = -22
};

enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TPosition { poDesigned, poDefault, poScreenCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TComboBoxStyle { csDropDown, csDropDownList };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
