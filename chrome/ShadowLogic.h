#pragma once
#include <array>
#include <cstdint>

// The shadow window's decisions and placement, apart from the window system: where it goes, when it shows,
// and when its image has to be computed again.

// The shadow reaches this far beyond the form on every side.
constexpr int32_t kShadowMargin = 16;

// Window-position flags, with the window system's values (checked against its headers where both are seen).
constexpr uint32_t kPosNoSize = 0x0001;
constexpr uint32_t kPosNoMove = 0x0002;
constexpr uint32_t kPosNoZOrder = 0x0004;
constexpr uint32_t kPosNoActivate = 0x0010;
constexpr uint32_t kPosFrameChanged = 0x0020;
constexpr uint32_t kPosShowWindow = 0x0040;
constexpr uint32_t kPosHideWindow = 0x0080;

// A repositioning of the form that changes nothing but still sends it both position messages.
constexpr uint32_t kNudgeFlags = kPosNoSize | kPosNoMove | kPosNoZOrder | kPosNoActivate | kPosFrameChanged;
// Hides the shadow and puts it directly below the form while the form is being hidden or is not normal.
constexpr uint32_t kHideBelowFlags = kPosNoSize | kPosNoMove | kPosNoActivate | kPosHideWindow;
// Moves, sizes and re-stacks the shadow below the form.
constexpr uint32_t kPlaceFlags = kPosNoActivate;
// Indexed by the show decision: hide, show.
constexpr std::array<uint32_t, 2> kShowHideFlags = {
    kPosHideWindow | kPosNoActivate | kPosNoZOrder | kPosNoMove | kPosNoSize,
    kPosShowWindow | kPosNoActivate | kPosNoZOrder | kPosNoMove | kPosNoSize,
};

enum class ShadowFormState { Normal, Minimized, Maximized };

struct ShadowPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The shadow window's top-left corner for a form whose top-left corner is (x, y).
constexpr ShadowPoint ShadowOrigin(int32_t x, int32_t y, int32_t offset) {
    return {x - kShadowMargin + offset, y - kShadowMargin + offset};
}

// The image size for a form's outer size; a size near the int limit stops there.
constexpr int32_t ShadowExtent(int32_t formExtent) {
    return formExtent > INT32_MAX - 2 * kShadowMargin ? INT32_MAX : formExtent + 2 * kShadowMargin;
}

// Where the form's position-changed message leaves the form: the message's own position unless it says
// nothing moved, in which case the form's current one.
ShadowPoint FormPosition(uint32_t flags, int32_t msgX, int32_t msgY, int32_t formLeft, int32_t formTop);

// While the form's position is changing: hide the shadow at once when the form is about to be hidden or is
// not in the normal state.
bool HideWhileChanging(ShadowFormState state, uint32_t flags);

// After the form's position changed: show only when wanted and the form is normal.
constexpr bool ShowAfterChange(bool wanted, ShadowFormState state) {
    return wanted && state == ShadowFormState::Normal;
}

// A maximised form gets no new image; its shadow stays hidden anyway.
constexpr bool RebuildAfterChange(ShadowFormState state) {
    return state != ShadowFormState::Maximized;
}

// The constant alpha the whole shadow is presented with: the form's own translucency when it has one.
constexpr uint8_t ShadowConstantAlpha(bool alphaBlend, uint8_t alphaBlendValue) {
    return alphaBlend ? alphaBlendValue : 255;
}

// What one rebuild finds it has to do.
struct ShadowRebuildInput {
    int32_t imageWidth = 0;
    int32_t imageHeight = 0;
    int32_t formWidth = 0;
    int32_t formHeight = 0;
    bool transparentColor = false;
    uint32_t transparentColorValue = 0;
    uint32_t rememberedKey = 0;
    bool stale = true;
};

struct ShadowRebuildPlan {
    bool resize = false; // give the image the new size below
    int32_t width = 0;
    int32_t height = 0;
    bool build = false; // compute the image (the stale mark is cleared)
};

// A new outer size or colour key makes the image stale; a stale image is built.
ShadowRebuildPlan PlanShadowRebuild(const ShadowRebuildInput& in);

// A bordered form without a region: the outline grows by a third of the border the system reports.
constexpr int32_t BorderGrowth(int32_t border) {
    return border / 3;
}
