#pragma once
// The system's visual styles: whether they are in use, asked at every paint so that a change of
// the system's look shows at the next paint, and an owner of the theme data of one window.
#include <windows.h>

#include <uxtheme.h>

#include <utility>

// Visual styles are active and applied to this program (its manifest binds common controls 6).
bool ThemesEnabled();

// Tests replace the answer (1 in use, 0 not) and give the question back to the system (-1).
void SetThemesEnabledOverride(int value);

// The theme data of a window for a class list such as L"BUTTON"; empty when styles are off.
class TThemeData {
public:
    TThemeData(HWND window, const wchar_t* classList);
    ~TThemeData();
    TThemeData(const TThemeData&) = delete;
    TThemeData& operator=(const TThemeData&) = delete;
    TThemeData(TThemeData&& other) noexcept : theme_(std::exchange(other.theme_, nullptr)) {}

    HTHEME Handle() const { return theme_; }
    explicit operator bool() const { return theme_ != nullptr; }

private:
    HTHEME theme_ = nullptr;
};
