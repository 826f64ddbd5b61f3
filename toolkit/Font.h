#pragma once
// A font description (name, height, bold, colour) with the GDI font made from it on demand.
#include "toolkit/Colors.h"
#include "toolkit/GdiObject.h"

#include <functional>
#include <string>

class TFont {
public:
    TFont() = default;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;
    TFont(TFont&&) = default;
    TFont& operator=(TFont&&) = default;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);

    // Height as a LOGFONT height: negative = character height in pixels (what a design gives as
    // "11 pixels high" is -11), positive = cell height.
    int Height() const { return height_; }
    void SetHeight(int height);

    // Size in points at the screen's resolution; setting it sets Height.
    int Size() const;
    void SetSize(int points);

    bool Bold() const { return bold_; }
    void SetBold(bool bold);

    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // Copies the description (not the handler) and reports one change.
    void Assign(const TFont& source);

    // The GDI font, created at the first call after a change; owned by this object.
    HFONT Handle();

    // Called after every change of the description (a control repaints or re-sends WM_SETFONT).
    std::function<void()> OnChange;

    // Pixels per logical inch of the screen, for point sizes.
    static int ScreenPixelsPerInch();

private:
    void Changed(bool handleStale);

    std::string name_ = "Tahoma";
    int height_ = -11;
    bool bold_ = false;
    TColor color_ = clWindowText;
    GdiFont handle_;
};
