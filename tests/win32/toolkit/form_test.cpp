// Forms: the end of the description and OnCreate, the borderless style, geometry kept current
// from the window's own position messages, layered settings, closing, font inheritance,
// alignment on resize, and double-buffered painting against PaintTo.
#include "tests/win32/toolkit/ToolkitTestUtil.h"

#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GdiObject.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"
#include "toolkit/Panel.h"

#include <stdexcept>

namespace {

using Log = std::vector<std::string>;

class TLoggingLabel : public TLabel {
public:
    TLoggingLabel(TComponent* owner, Log& log) : TLabel(owner), log_(log) {}
    void Loaded() override {
        log_.push_back("loaded " + Name());
        TLabel::Loaded();
    }

private:
    Log& log_;
};

// A form as a program declares one: controls made in the constructor, handlers bound there.
class TDescribedForm : public TForm {
public:
    TDescribedForm(TComponent* owner, Log& log, bool failInCreate)
        : TForm(owner), log_(log), fail_(failInCreate) {
        SetBorderStyle(bsNone);
        SetClientSize(300, 200);
        First = new TLoggingLabel(this, log);
        First->SetName("First");
        First->SetParent(this);
        Second = new TLoggingLabel(this, log);
        Second->SetName("Second");
        Second->SetParent(this);
        OnCreate.Bind(this, &TDescribedForm::FormCreate);
    }
    void Loaded() override {
        log_.push_back("loaded form");
        TForm::Loaded();
    }
    void FormCreate(TObject*) {
        log_.push_back(std::string("create, loading=") + (First->Loading() ? "yes" : "no"));
        if (fail_)
            throw std::runtime_error("create failed");
        log_.push_back("create done");
    }
    TLabel* First;
    TLabel* Second;

private:
    Log& log_;
    bool fail_;
};

class Forms : public ToolkitTest {
protected:
    void TearDown() override {
        delete form;
        ToolkitTest::TearDown();
    }
    TForm* NewForm(int w = 200, int h = 100) {
        form = new TForm(Application);
        form->SetBorderStyle(bsNone);
        form->SetBounds(50, 60, w, h);
        form->SetColor(clWhite);
        return form;
    }
    TForm* form = nullptr;
    Log log;
};

TEST_F(Forms, OnCreateRunsAfterEveryComponentIsLoaded) {
    auto* f = new TDescribedForm(Application, log, false);
    form = f;
    EXPECT_TRUE(log.empty()) << "nothing happens before the description is complete";
    f->AfterConstruction();
    EXPECT_EQ(log,
              (Log{"loaded First", "loaded Second", "loaded form", "create, loading=no", "create done"}));
    f->AfterConstruction();
    EXPECT_EQ(log.size(), 5u) << "only once";
}

TEST_F(Forms, AnExceptionLeavingOnCreateGoesToTheHandlerAndTheFormStillShows) {
    auto* f = new TDescribedForm(Application, log, true);
    form = f;
    f->AfterConstruction();
    EXPECT_EQ(exceptions, (std::vector<std::string>{"create failed"}));
    EXPECT_EQ(senders.front(), f);
    f->Show();
    EXPECT_TRUE(IsWindowVisible(f->Handle()));
}

TEST_F(Forms, BorderlessClientAreaIsTheWholeWindowAndTheFormIsOwnedByTheApplication) {
    auto* f = new TDescribedForm(Application, log, false);
    form = f;
    f->AfterConstruction();
    EXPECT_EQ(f->Width(), 300);
    EXPECT_EQ(f->ClientWidth(), 300);
    HWND hwnd = f->Handle();
    RECT window, client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    EXPECT_EQ(window.right - window.left, 300);
    EXPECT_EQ(window.bottom - window.top, 200);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER));
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), Application->Handle());
    POINT origin = f->ClientOrigin();
    EXPECT_EQ(origin.x, window.left);
    EXPECT_EQ(origin.y, window.top);
}

TEST_F(Forms, ScreenCentredAtTheFirstShowOnly) {
    NewForm(200, 100);
    form->SetPosition(poScreenCenter);
    form->AfterConstruction();
    form->Show();
    int cx = (GetSystemMetrics(SM_CXSCREEN) - 200) / 2;
    int cy = (GetSystemMetrics(SM_CYSCREEN) - 100) / 2;
    RECT r;
    GetWindowRect(form->Handle(), &r);
    EXPECT_EQ(r.left, cx);
    EXPECT_EQ(r.top, cy);
    form->SetBounds(10, 20, 200, 100);
    form->Hide();
    form->Show();
    GetWindowRect(form->Handle(), &r);
    EXPECT_EQ(r.left, 10);
}

// Reads the form's geometry right after the form itself handled a position message, as a
// callback placed in front of it does.
class TGeometryReader {
public:
    void Attach(TForm* form) {
        form_ = form;
        saved_ = form->WindowProc();
        form->SetWindowProc(TWndMethod::Bind<&TGeometryReader::Callback>(this));
    }
    void Detach() { form_->SetWindowProc(saved_); }
    void Callback(TMessage& message) {
        saved_(message);
        if (message.Msg == WM_WINDOWPOSCHANGED)
            Seen.push_back(
                {form_->Left(), form_->Top(), form_->Width(), form_->Height(), form_->WindowState()});
    }
    struct Geometry {
        int Left, Top, Width, Height;
        TWindowState State;
    };
    std::vector<Geometry> Seen;

private:
    TForm* form_ = nullptr;
    TWndMethod saved_;
};

TEST_F(Forms, GeometryAndStateAreCurrentWhenThePositionMessageHasBeenHandled) {
    NewForm();
    form->AfterConstruction();
    form->Show();
    TGeometryReader reader;
    reader.Attach(form);
    SetWindowPos(form->Handle(), nullptr, 70, 80, 210, 110, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_FALSE(reader.Seen.empty());
    auto g = reader.Seen.back();
    EXPECT_EQ(g.Left, 70);
    EXPECT_EQ(g.Top, 80);
    EXPECT_EQ(g.Width, 210);
    EXPECT_EQ(g.Height, 110);
    EXPECT_EQ(g.State, wsNormal);

    ShowWindow(form->Handle(), SW_MINIMIZE);
    EXPECT_EQ(reader.Seen.back().State, wsMinimized);
    // Minimised, the bounds stay those of the normal window.
    EXPECT_EQ(reader.Seen.back().Left, 70);
    ShowWindow(form->Handle(), SW_RESTORE);
    EXPECT_EQ(reader.Seen.back().State, wsNormal);
    ShowWindow(form->Handle(), SW_MAXIMIZE);
    EXPECT_EQ(reader.Seen.back().State, wsMaximized);
    reader.Detach();
}

TEST_F(Forms, LayeredOnlyWhileAlphaBlendOrTransparentColorIsOn) {
    NewForm();
    form->SetTransparentColorValue(clFuchsia);
    HWND hwnd = form->Handle();
    EXPECT_FALSE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) << "off by default";
    EXPECT_FALSE(form->AlphaBlend());
    EXPECT_FALSE(form->TransparentColor());

    form->SetAlphaBlendValue(128);
    form->SetAlphaBlend(true);
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    COLORREF key = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));

    form->SetTransparentColor(true);
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA | LWA_COLORKEY));
    EXPECT_EQ(key, RGB(255, 0, 255));

    form->SetAlphaBlend(false);
    form->SetTransparentColor(false);
    EXPECT_FALSE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    // A window made again keeps the settings, and is shown again if it was.
    form->SetAlphaBlend(true);
    form->AfterConstruction();
    form->Show();
    form->RecreateWnd();
    EXPECT_TRUE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(Forms, CloseDoesWhatOnCloseAsks) {
    NewForm();
    form->AfterConstruction();
    TCloseAction answer = caHide;
    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        EXPECT_EQ(action, caHide) << "the default";
        action = answer;
    };
    form->Show();
    answer = caNone;
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    answer = caHide;
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(closes, 2);
    EXPECT_FALSE(Application->Terminated());

    // caFree: the form goes once the message being handled is done.
    form->Show();
    answer = caFree;
    int before = Application->ComponentCount();
    form->Close();
    EXPECT_EQ(Application->ComponentCount(), before) << "not while its message is handled";
    Pump();
    EXPECT_EQ(Application->ComponentCount(), before - 1);
    form = nullptr;
}

TEST_F(Forms, ChildrenWithParentFontFollowTheFormsFont) {
    NewForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* inner = new TEdit(form);
    inner->SetParent(panel);
    auto* own = new TEdit(form);
    own->SetParent(form);
    own->Font().SetName("Courier New");
    EXPECT_FALSE(own->ParentFont());
    form->Handle();

    form->Font().SetName("SimSun");
    form->Font().SetSize(9);
    for (TControl* c :
         {static_cast<TControl*>(edit), static_cast<TControl*>(panel), static_cast<TControl*>(inner)}) {
        EXPECT_EQ(c->Font().Name(), "SimSun") << c->Name();
        EXPECT_EQ(c->Font().Size(), 9);
        EXPECT_TRUE(c->ParentFont());
    }
    EXPECT_EQ(own->Font().Name(), "Courier New");
    // The system controls were given the new font.
    for (TEdit* e : {edit, inner}) {
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(e->Handle(), WM_GETFONT, 0, 0));
        EXPECT_EQ(font, e->Font().Handle());
    }
    // A control placed later takes the font too.
    auto* late = new TEdit(form);
    late->SetParent(form);
    EXPECT_EQ(late->Font().Name(), "SimSun");
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(late->Handle(), WM_GETFONT, 0, 0)), late->Font().Handle());
}

TEST_F(Forms, AlignedAndAnchoredChildrenFollowAResize) {
    NewForm(300, 200);
    auto* header = new TPanel(form);
    header->SetParent(form);
    header->SetBevelOuter(bvNone);
    header->SetBounds(0, 0, 50, 25);
    header->SetAlign(alTop);
    auto* memo = new TMemo(form);
    memo->SetParent(form);
    memo->SetAlign(alClient);
    auto* tool = new TPanel(header);
    tool->SetParent(header);
    tool->SetBounds(270, 2, 22, 22);
    tool->SetAnchors(akTop | akRight);
    auto* strip = new TLabel(form);
    strip->SetParent(form);
    strip->SetAutoSize(false);
    strip->SetBounds(0, 180, 300, 20);
    strip->SetAnchors(akLeft | akRight | akBottom);
    form->AfterConstruction();
    form->Handle();

    EXPECT_EQ(header->BoundsRect().right, 300);
    EXPECT_EQ(memo->Top(), 25);
    EXPECT_EQ(memo->Height(), 175);

    form->SetBounds(form->Left(), form->Top(), 400, 250);
    EXPECT_EQ(header->Width(), 400);
    EXPECT_EQ(memo->Width(), 400);
    EXPECT_EQ(memo->Height(), 225);
    // The tool keeps its 8 pixels to the header's right edge.
    EXPECT_EQ(tool->Left(), 370);
    EXPECT_EQ(strip->Top(), 230);
    EXPECT_EQ(strip->Width(), 400);
    // The windows agree with the bounds.
    RECT r;
    GetWindowRect(memo->Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.top, 25);
    EXPECT_EQ(r.bottom, 250);
    GetWindowRect(tool->Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, header->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 370);
}

// A form painted on the screen through its off-screen buffer shows the same pixels as PaintTo.
TEST_F(Forms, DoubleBufferedPaintMatchesPaintTo) {
    NewForm(120, 80);
    form->SetDoubleBuffered(true);
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(5, 5, 30, 20);
    image->Picture().SetSize(30, 20);
    image->Picture().Canvas().FillRect(RECT{0, 0, 30, 20}, clFuchsia);
    image->Picture().Canvas().FillRect(RECT{5, 5, 25, 15}, clBlue);
    image->SetTransparent(true);
    image->PictureChanged();
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("Ab");
    label->SetBounds(40, 30, 40, 20);
    label->SetColor(clLime);
    form->AfterConstruction();
    form->Show();
    UpdateWindow(form->Handle());
    PumpUntilShown(form->Handle());

    TClientDC screen(nullptr);
    TMemoryDC shown(screen.Handle()), painted(screen.Handle());
    GdiBitmap shownBits = GdiBitmap::Compatible(screen.Handle(), 120, 80);
    GdiBitmap paintedBits = GdiBitmap::Compatible(screen.Handle(), 120, 80);
    TSelectGuard s1(shown.Handle(), shownBits.Handle());
    TSelectGuard s2(painted.Handle(), paintedBits.Handle());
    {
        TClientDC window(form->Handle());
        BitBlt(shown.Handle(), 0, 0, 120, 80, window.Handle(), 0, 0, SRCCOPY);
    }
    form->PaintTo(painted.Handle(), 0, 0);
    int differences = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x)
            if (GetPixel(shown.Handle(), x, y) != GetPixel(painted.Handle(), x, y))
                ++differences;
    EXPECT_EQ(differences, 0);
    // The image's key colour is left out: the form's white shows through.
    EXPECT_EQ(GetPixel(painted.Handle(), 6, 6), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(painted.Handle(), 15, 15), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(painted.Handle(), 41, 31), RGB(0, 255, 0)) << "the label's own colour";
}

TEST_F(Forms, DestroyingAFormLeavesNoGdiObjectsBehind) {
    int bitmaps = GdiLiveCount(GdiKind::Bitmap);
    int fonts = GdiLiveCount(GdiKind::Font);
    int dcs = GdiLiveCount(GdiKind::DC);
    int brushes = GdiLiveCount(GdiKind::Brush);
    for (int round = 0; round < 3; ++round) {
        NewForm(120, 80);
        form->SetDoubleBuffered(true);
        form->Font().SetName("SimSun");
        auto* image = new TImage(form);
        image->SetParent(form);
        image->Picture().SetSize(16, 16);
        auto* label = new TLabel(form);
        label->SetParent(form);
        label->SetCaption("text");
        auto* edit = new TEdit(form);
        edit->SetParent(form);
        form->AfterConstruction();
        form->Show();
        UpdateWindow(form->Handle());
        PumpUntilShown(form->Handle());
        delete form;
        form = nullptr;
    }
    EXPECT_EQ(GdiLiveCount(GdiKind::Bitmap), bitmaps);
    EXPECT_EQ(GdiLiveCount(GdiKind::Font), fonts);
    EXPECT_EQ(GdiLiveCount(GdiKind::DC), dcs);
    EXPECT_EQ(GdiLiveCount(GdiKind::Brush), brushes);
}

} // namespace
