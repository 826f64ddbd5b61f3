#pragma once
// Shows the Hint of the control under the pointer in the system tooltip. The message loop hands
// it every mouse message before dispatch; it finds the deepest control under the pointer
// (windowless and disabled ones included, which receive no mouse messages of their own), waits
// HintPause, shows the hint below the pointer, and hides it after HintHidePause, on a press, a
// key, or when the pointer moves to another control or leaves the application's windows.
#include <windows.h>

#include <string>

class TControl;

class THintManager {
public:
    static constexpr UINT_PTR ShowTimer = 0x4801;
    static constexpr UINT_PTR HideTimer = 0x4802;

    explicit THintManager(HWND owner) : owner_(owner) {}
    ~THintManager();
    THintManager(const THintManager&) = delete;
    THintManager& operator=(const THintManager&) = delete;

    void MouseMessage(const MSG& msg);
    // Hides the hint; it shows again only when the pointer comes to another control.
    void Cancel();
    void TimerFired(UINT_PTR id);
    void ControlDestroying(TControl* control);

    HWND ToolTip() const { return tooltip_; }
    bool Visible() const { return visible_; }
    const std::string& Text() const { return text_; }

    int Pause = 500;
    int ShortPause = 50;
    int HidePause = 2500;

private:
    // The control whose hint stands for control: itself, or the nearest parent with a hint.
    static TControl* HintSource(TControl* control);
    void PointerAt(POINT screen);
    void Show();
    void Hide();
    void EnsureToolTip();

    HWND owner_;
    HWND tooltip_ = nullptr;
    TControl* mouseControl_ = nullptr;
    bool visible_ = false;
    bool cancelled_ = false;
    std::string text_;
};
