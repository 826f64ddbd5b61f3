#include "toolkit/ThemeServices.h"

#include <windows.h>

#include <uxtheme.h>

namespace {

TThemeTest replacement = nullptr;

// Whether this process's activation context binds version 6 of the common controls (the manifest
// does): only those draw themed. Their DllGetVersion is no help; Wine's answers 5.81 either way.
bool CommonControlsThemed() {
    static const bool themed = [] {
        ACTCTX_SECTION_KEYED_DATA data{};
        data.cbSize = sizeof(data);
        return FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                        "comctl32.dll", &data) != FALSE;
    }();
    return themed;
}

} // namespace

bool StyleServicesEnabled() {
    if (replacement)
        return replacement();
    return IsThemeActive() && IsAppThemed() && CommonControlsThemed();
}

TThemeTest SetThemeTest(TThemeTest test) {
    TThemeTest previous = replacement;
    replacement = test;
    return previous;
}
