#include "toolkit/Themes.h"

#include <commctrl.h>
#include <shlwapi.h>

namespace {

int themesOverride = -1;

bool CommonControlsSix() {
    // Only version 6, bound by the manifest, draws the standard controls in the visual style.
    static const bool six = [] {
        HMODULE module = GetModuleHandleA("comctl32.dll");
        auto get = module ? reinterpret_cast<DLLGETVERSIONPROC>(
                                reinterpret_cast<void*>(GetProcAddress(module, "DllGetVersion")))
                          : nullptr;
        DLLVERSIONINFO info{};
        info.cbSize = sizeof(info);
        return get && SUCCEEDED(get(&info)) && info.dwMajorVersion >= 6;
    }();
    return six;
}

} // namespace

bool ThemesEnabled() {
    if (themesOverride >= 0)
        return themesOverride != 0;
    return IsThemeActive() && IsAppThemed() && CommonControlsSix();
}

void SetThemesEnabledOverride(int value) {
    themesOverride = value;
}

TThemeData::TThemeData(HWND window, const wchar_t* classList) {
    if (ThemesEnabled())
        theme_ = OpenThemeData(window, classList);
}

TThemeData::~TThemeData() {
    if (theme_)
        CloseThemeData(theme_);
}
