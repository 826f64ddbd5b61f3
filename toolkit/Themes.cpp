#include "toolkit/Themes.h"

namespace {

int themesOverride = -1;

} // namespace

bool ThemesEnabled() {
    if (themesOverride >= 0)
        return themesOverride != 0;
    return IsThemeActive() && IsAppThemed();
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
