// Attaching, detaching and destroying the shadow; its window's parameters; no GDI object left behind.
#include "ShadowTestSupport.h"
#include "toolkit/GdiObject.h"

#include <array>

namespace {

std::array<int, 6> LiveCounts() {
    return {GdiLiveCount(GdiKind::Bitmap), GdiLiveCount(GdiKind::Brush),  GdiLiveCount(GdiKind::Pen),
            GdiLiveCount(GdiKind::Font),   GdiLiveCount(GdiKind::Region), GdiLiveCount(GdiKind::DC)};
}

TEST_F(ShadowTest, AttachDetachAndDestructionGiveTheCallbackBack) {
    auto* a = new TShadowTestForm(Application, bsNone, 100, 100, 120, 80);
    auto* b = new TShadowTestForm(Application, bsNone, 300, 100, 120, 80);
    a->HandleNeeded();
    b->HandleNeeded();
    const TWndMethod ownA = a->WindowProc(), ownB = b->WindowProc();
    auto* shadow = new TFormShadow(Application);
    const TWndMethod shadowCallback = TWndMethod::Bind<&TFormShadow::OwnerWndProc>(shadow);
    EXPECT_FALSE(shadow->HandleAllocated()) << "created without a window";
    EXPECT_EQ(shadow->OwnerForm(), nullptr);

    shadow->AttachTo(a);
    EXPECT_EQ(a->WindowProc(), shadowCallback);
    shadow->AttachTo(b);
    EXPECT_EQ(a->WindowProc(), ownA);
    EXPECT_EQ(b->WindowProc(), shadowCallback);
    shadow->AttachTo(nullptr);
    EXPECT_EQ(b->WindowProc(), ownB);
    EXPECT_EQ(shadow->OwnerForm(), nullptr);

    // After a detach the form's moves no longer reach the shadow.
    shadow->AttachTo(a);
    shadow->AttachTo(nullptr);
    const RECT before = WindowRectOf(shadow->Handle());
    SetWindowPos(a->Handle(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT after = WindowRectOf(shadow->Handle());
    EXPECT_EQ(after.left, before.left);

    shadow->AttachTo(b);
    delete shadow;
    EXPECT_EQ(b->WindowProc(), ownB) << "destruction detaches";
    delete a;
    delete b;
}

TEST_F(ShadowTest, WindowParameters) {
    auto* form = new TShadowTestForm(Application, bsNone, 100, 100, 120, 80);
    TFormShadow* shadow = form->AddShadow();
    HWND hwnd = shadow->Handle();
    // The system adds WS_CLIPSIBLINGS to every top-level window.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & ~(WS_VISIBLE | WS_CLIPSIBLINGS),
              DWORD(WS_POPUP));
    // Tool window, layered, never activated; transparent so that the window manager passes the mouse on.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE)),
              DWORD(WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT));
    EXPECT_EQ(GetClassLongA(hwnd, GCL_STYLE), DWORD(CS_DBLCLKS | CS_OWNDC));
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), Application->Handle());
    EXPECT_EQ(SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(GetDC(hwnd)), 0), 1);
    delete form;
}

TEST_F(ShadowTest, ShowWindowAfterTheShadowIsGoneTouchesNothing) {
    auto* form = new TShadowTestForm(Application, bsNone, 100, 100, 120, 80);
    form->AddShadow();
    form->ShowForm();
    Pump();
    TCloseAction action = caHide;
    form->OnClose(form, action); // the close handler destroys the shadow
    EXPECT_EQ(form->Shadow, nullptr);
    SendMessageA(form->Handle(), WM_SHOWWINDOW, FALSE, 0);
    SendMessageA(form->Handle(), WM_SHOWWINDOW, TRUE, 0);
    form->HideForm();
    form->ShowForm();
    Pump();
    delete form;
}

TEST_F(ShadowTest, NoGdiObjectLeftAfterMovesResizesAndAttachCycles) {
    auto* form = new TShadowTestForm(Application, bsNone, 100, 100, 300, 200);
    form->HandleNeeded();
    SetWindowRgn(form->Handle(), GdiRegion::RoundRect(1, 1, 300, 200, 13, 13).Release(), TRUE);
    TFormShadow* shadow = form->AddShadow();
    form->ShowForm();
    Pump();
    const auto baseline = LiveCounts();
    const int rebuilds = shadow->RebuildCount();

    for (int i = 0; i < 500; ++i)
        SetWindowPos(form->Handle(), nullptr, 100 + i % 50, 100 + i % 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(shadow->RebuildCount(), rebuilds);
    EXPECT_EQ(LiveCounts(), baseline) << "after 500 moves";

    for (int i = 0; i < 100; ++i)
        SetWindowPos(form->Handle(), nullptr, 0, 0, 300 + (i + 1) % 2, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(shadow->RebuildCount(), rebuilds + 100);
    EXPECT_EQ(LiveCounts(), baseline) << "after 100 size changes";

    for (int i = 0; i < 100; ++i) {
        shadow->AttachTo(nullptr);
        shadow->AttachTo(form);
    }
    EXPECT_EQ(LiveCounts(), baseline) << "after 100 attach cycles";
    Pump();
    delete form;
}

} // namespace

namespace {

TEST_F(ShadowTest, ImageTooLargeToCreateRaisesNothing) {
    // 30032 x 30032 pixels of 32 bits do not fit a 32-bit process: the rebuild gives up quietly, the shadow
    // stays without an image, and a later change of size that fits builds it.
    auto* form = new TShadowTestForm(Application, bsNone, 0, 0, 30000, 30000);
    TFormShadow* shadow = form->AddShadow();
    form->ShowForm();
    Pump();
    EXPECT_TRUE(exceptions.empty());
    EXPECT_EQ(shadow->ShadowImage().Width(), 0);
    SetWindowPos(form->Handle(), nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(shadow->ShadowImage().Width(), 232);
    EXPECT_TRUE(IsWindowVisible(shadow->Handle()));
    delete form;
}

} // namespace
