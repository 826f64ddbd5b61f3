#include "chrome/ShadowLogic.h"

ShadowPoint FormPosition(uint32_t flags, int32_t msgX, int32_t msgY, int32_t formLeft, int32_t formTop) {
    if (flags & kPosNoMove)
        return {formLeft, formTop};
    return {msgX, msgY};
}

bool HideWhileChanging(ShadowFormState state, uint32_t flags) {
    return state != ShadowFormState::Normal || (flags & kPosHideWindow) != 0;
}

ShadowRebuildPlan PlanShadowRebuild(const ShadowRebuildInput& in) {
    ShadowRebuildPlan plan;
    bool stale = in.stale;
    const int32_t w = ShadowExtent(in.formWidth), h = ShadowExtent(in.formHeight);
    if (in.imageWidth != w || in.imageHeight != h) {
        stale = true;
        plan.resize = true;
        plan.width = w;
        plan.height = h;
    } else if (in.transparentColor && in.transparentColorValue != in.rememberedKey) {
        stale = true;
    }
    plan.build = stale;
    return plan;
}
