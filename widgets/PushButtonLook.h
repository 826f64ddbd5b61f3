#pragma once
// The colours of the push button's classic hot-tracking face, derived from a few base colours at
// paint time, without windows.h. All colours in and out are resolved 0x00BBGGRR values.
#include "toolkit/Colors.h"

// Where the hot ring takes its colours from: the complement of HotTrackColor or the colour itself.
enum TUiHotTrackColorType { htctComplement, htctActual };

struct TPushButtonBase {
    TColor BtnFace;   // the system's button face: the outer ring always comes from it
    TColor BtnShadow; // the system's button shadow: the disabled frame
    TColor Color;     // the button's own colour
    bool ColorIsBtnFace;
    TColor Frame;     // FrameColor
    TColor Highlight; // HighlightColor
    TColor HotTrack;  // HotTrackColor
    TUiHotTrackColorType HotTrackType;
};

// Which ring lies inside the face.
enum TPushButtonRing { prNone, prHot, prFocus };

struct TPushButtonColors {
    TColor OuterDark, OuterLight; // top and left; bottom and right
    TColor Frame;
    TColor FaceTop, FaceBottom; // the gradient down to the two shadow rows
    TColor ShadowUpper, ShadowLower;
    TColor PressedFace;
    TColor RingTop, RingBottom; // over the inner rectangle's full height
    TColor DisabledFrame, DisabledFace;
};

TPushButtonColors PushButtonColors(const TPushButtonBase& base, TPushButtonRing ring);

// The ring for a button's state: hot wins; else active or focused (and not in a group).
TPushButtonRing PushButtonRingFor(bool hot, bool activeOrFocused, bool inGroup);
