#pragma once
// The editing pane's flat frame as geometry: its settings, whether the pane draws it at all, and
// the one-pixel strips of the whole window it paints, in order. Without windows.h.
#include "toolkit/Colors.h"
#include "widgets/UiTypes.h"

#include <vector>

struct TEditFrameSettings {
    bool Visible = false;
    TFrameStyleEx Style = fsFlat;
    TColor Color = clBtnShadow;
    TSides Sides = sdAll;
    bool HotTrack = false;
    TFrameStyleEx HotStyle = fsFlatBold;
    TColor HotColor = clBtnShadow;
    TFramingPreference Preference = fpXPThemes;
};

// A filled rectangle of the window, right and bottom exclusive.
struct TFrameStrip {
    int Left, Top, Right, Bottom;
    TColor Color;
    friend bool operator==(const TFrameStrip& a, const TFrameStrip& b) {
        return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom &&
               a.Color == b.Color;
    }
};

// Whether the pane paints over the edit's own border: the frame is on and the pane does not defer
// to visual styles that are in use.
bool DrawsOwnFrame(const TEditFrameSettings& frame, bool stylesActive);

// What to paint over a window of width x height: the outer two rings in the background colour
// (they cover the sunken edge), then the lines of the chosen style on the chosen sides. hot: the
// pane has the focus or the mouse; it counts only with HotTrack. Styles other than fsFlat and
// fsFlatBold draw no lines.
std::vector<TFrameStrip> EditFrameStrips(const TEditFrameSettings& frame, int width, int height,
                                         TColor background, bool hot);
