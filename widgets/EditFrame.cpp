#include "widgets/EditFrame.h"

namespace {

// The sides of the ring inset by depth pixels; empty strips (a tiny window) are left out.
void AddRing(std::vector<TFrameStrip>& strips, int width, int height, int depth, TSides sides, TColor color) {
    const int l = depth, t = depth, r = width - depth, b = height - depth;
    if (r <= l || b <= t)
        return;
    if (sides & sdLeft)
        strips.push_back({l, t, l + 1, b, color});
    if (sides & sdTop)
        strips.push_back({l, t, r, t + 1, color});
    if (sides & sdRight)
        strips.push_back({r - 1, t, r, b, color});
    if (sides & sdBottom)
        strips.push_back({l, b - 1, r, b, color});
}

} // namespace

bool DrawsOwnFrame(const TEditFrameSettings& frame, bool stylesActive) {
    return frame.Visible && !(frame.Preference == fpXPThemes && stylesActive);
}

std::vector<TFrameStrip> EditFrameStrips(const TEditFrameSettings& frame, int width, int height,
                                         TColor background, bool hot) {
    std::vector<TFrameStrip> strips;
    for (int depth = 0; depth < 2; ++depth)
        AddRing(strips, width, height, depth, sdAll, background);
    const bool useHot = frame.HotTrack && hot;
    const TFrameStyleEx style = useHot ? frame.HotStyle : frame.Style;
    const TColor color = useHot ? frame.HotColor : frame.Color;
    const int rings = style == fsFlat ? 1 : style == fsFlatBold ? 2 : 0;
    for (int depth = 0; depth < rings; ++depth)
        AddRing(strips, width, height, depth, frame.Sides, color);
    return strips;
}
