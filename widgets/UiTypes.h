#pragma once
// Settings shared by the widget classes: frame styles and sides, visual styles and gradient colour
// schemes. Plain enumerations, without windows.h.

// Frame styles of panels and of the flat frames of edits and lists.
enum TFrameStyleEx {
    fsNone,
    fsFlat,
    fsGroove,
    fsBump,
    fsLowered,
    fsButtonDown,
    fsRaised,
    fsButtonUp,
    fsStatus,
    fsPopup,
    fsFlatBold,
    fsFlatRounded
};

// The sides a frame is drawn on.
enum TSideKind : unsigned { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
using TSides = unsigned;
constexpr TSides sdAll = sdLeft | sdTop | sdRight | sdBottom;

enum TVisualStyle { vsClassic, vsWinXP, vsGradient };
enum TGradientColorStyle { gcsSystem, gcsMSOffice, gcsCustom };
enum TAlignmentVertical { avTop, avCenter, avBottom };

// Whether a widget with a flat look of its own defers to the system's visual styles while they
// are in use (fpXPThemes) or always draws its own (fpCustomFraming).
enum TFramingPreference { fpCustomFraming, fpXPThemes };
