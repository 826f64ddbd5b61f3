// Prints how long one shadow rebuild takes through the system at the main window's size (713 x 486, rounded
// region): the outline fills, the blur, the cut, the alpha step and the hand-over to the layered window.
// A rebuild happens on every change of the form's size and never on a move, so the figure is the time of
// a one-pixel size change less the time of a move. Needs an X display (run under Wine by shadowbench.sh).
#include "chrome/ShadowPixels.h"
#include "chrome/ufrmShadowFrame.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/GdiObject.h"

#include <cstdio>

namespace {

double Milliseconds(LARGE_INTEGER a, LARGE_INTEGER b) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(b.QuadPart - a.QuadPart) * 1000.0 / double(f.QuadPart);
}

} // namespace

int main() {
    Application->Initialize();
    auto* form = new TForm(Application);
    form->SetBorderStyle(bsNone);
    form->SetBounds(200, 150, 713, 486);
    form->HandleNeeded();
    SetWindowRgn(form->Handle(), GdiRegion::RoundRect(1, 1, 713, 486, 13, 13).Release(), TRUE);
    auto* shadow = new TFormShadow(Application);
    shadow->AttachTo(form);
    shadow->SetShadowVisible(true);
    form->ShowForm();
    Application->ProcessMessages();

    constexpr int kRuns = 40;
    LARGE_INTEGER t0, t1, t2;
    const int before = shadow->RebuildCount();
    QueryPerformanceCounter(&t0);
    for (int i = 0; i < kRuns; ++i)
        SetWindowPos(form->Handle(), nullptr, 0, 0, 713 + (i + 1) % 2, 486, SWP_NOMOVE | SWP_NOZORDER);
    QueryPerformanceCounter(&t1);
    for (int i = 0; i < kRuns; ++i)
        SetWindowPos(form->Handle(), nullptr, 200 + (i + 1) % 2, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    QueryPerformanceCounter(&t2);
    const int rebuilds = shadow->RebuildCount() - before;

    // The pixel work alone on the same image, for comparison.
    TBitmap image(745, 518, pf32bit);
    LARGE_INTEGER p0, p1;
    QueryPerformanceCounter(&p0);
    for (int i = 0; i < kRuns; ++i) {
        PixelView view{image.Bits(), image.Width(), image.Height(), image.BytesPerLine()};
        BlurShadow(view);
        PremultiplyShadow(view, 0, 0, 0);
    }
    QueryPerformanceCounter(&p1);

    const double resize = Milliseconds(t0, t1) / kRuns, move = Milliseconds(t1, t2) / kRuns;
    std::printf("shadow rebuild at 713x486 (image 745x518), %d rebuilds: %.2f ms per rebuild "
                "(size change %.2f ms, move %.2f ms); blur and alpha alone %.2f ms\n",
                rebuilds, resize - move, resize, move, Milliseconds(p0, p1) / kRuns);
    delete shadow;
    delete form;
    return rebuilds == kRuns ? 0 : 1;
}
