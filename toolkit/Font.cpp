#include "toolkit/Font.h"

#include <cstring>

void TFont::SetName(const std::string& name) {
    if (name != name_) {
        name_ = name;
        Changed(true);
    }
}

void TFont::SetHeight(int height) {
    if (height != height_) {
        height_ = height;
        Changed(true);
    }
}

int TFont::Size() const {
    return -MulDiv(height_, 72, ScreenPixelsPerInch());
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72));
}

void TFont::SetBold(bool bold) {
    if (bold != bold_) {
        bold_ = bold;
        Changed(true);
    }
}

void TFont::SetColor(TColor color) {
    if (color != color_) {
        color_ = color;
        // The colour is applied with SetTextColor; the GDI font stays valid.
        Changed(false);
    }
}

void TFont::Assign(const TFont& source) {
    if (&source == this)
        return;
    const bool handleStale = name_ != source.name_ || height_ != source.height_ || bold_ != source.bold_;
    name_ = source.name_;
    height_ = source.height_;
    bold_ = source.bold_;
    color_ = source.color_;
    Changed(handleStale);
}

HFONT TFont::Handle() {
    if (!handle_) {
        LOGFONTA description{};
        description.lfHeight = height_;
        description.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
        description.lfCharSet = DEFAULT_CHARSET;
        description.lfOutPrecision = OUT_DEFAULT_PRECIS;
        description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        description.lfQuality = DEFAULT_QUALITY;
        description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
        // Names longer than LOGFONT holds are cut; the system then picks a substitute.
        std::strncpy(description.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
        handle_ = GdiFont::Create(description);
    }
    return handle_.Handle();
}

int TFont::ScreenPixelsPerInch() {
    TClientDC screen(nullptr);
    return GetDeviceCaps(screen.Handle(), LOGPIXELSY);
}

void TFont::Changed(bool handleStale) {
    if (handleStale)
        handle_.Reset();
    if (OnChange)
        OnChange();
}
