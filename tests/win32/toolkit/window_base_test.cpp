// The window base: linking at WM_NCCREATE, the dispatch order (callback, virtual handler,
// default procedure), replacing the callback, unlinking at WM_NCDESTROY, and exceptions that
// leave a handler.
#include "tests/win32/toolkit/ToolkitTestUtil.h"

#include "toolkit/Form.h"

#include <stdexcept>

namespace {

constexpr UINT WM_PROBE = WM_USER + 7;
constexpr UINT WM_THROW = WM_USER + 8;

class TRecordingControl : public TWinControl {
public:
    TRecordingControl(TComponent* owner, TMessageLog& log) : TWinControl(owner), log_(log) {}
    void WndProc(TMessage& message) override {
        log_.push_back({"virtual", message.Msg});
        if (message.Msg == WM_THROW)
            throw std::runtime_error("handler failed");
        TWinControl::WndProc(message);
    }
    void DefaultHandler(TMessage& message) override {
        log_.push_back({"default", message.Msg});
        TWinControl::DefaultHandler(message);
    }

private:
    TMessageLog& log_;
};

// Another object that puts its callback in front of a control's and passes messages on.
class TInterceptor {
public:
    explicit TInterceptor(TMessageLog& log) : log_(log) {}
    void Attach(TControl* control) {
        control_ = control;
        saved_ = control->WindowProc();
        control->SetWindowProc(TWndMethod::Bind<&TInterceptor::Intercept>(this));
    }
    void Detach() { control_->SetWindowProc(saved_); }
    void Intercept(TMessage& message) {
        log_.push_back({"callback", message.Msg});
        saved_(message);
    }

private:
    TMessageLog& log_;
    TControl* control_ = nullptr;
    TWndMethod saved_;
};

TMessageLog Only(const TMessageLog& log, UINT msg, const char* who = nullptr) {
    TMessageLog out;
    for (const auto& e : log)
        if (e.Msg == msg && (!who || e.Who == who))
            out.push_back(e);
    return out;
}

class WindowBase : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        form = new TForm(Application);
        form->AfterConstruction();
        control = new TRecordingControl(form, log);
        control->SetParent(form);
        control->SetBounds(10, 10, 50, 20);
    }
    void TearDown() override {
        delete form;
        ToolkitTest::TearDown();
    }
    TMessageLog log;
    TForm* form = nullptr;
    TRecordingControl* control = nullptr;
};

TEST_F(WindowBase, ObjectSeesItsWindowFromNcCreateOn) {
    log.clear();
    HWND hwnd = control->Handle();
    ASSERT_TRUE(hwnd);
    ASSERT_FALSE(log.empty());
    // The first message of a child window is WM_NCCREATE, and the object already gets it.
    EXPECT_EQ(log.front(), (TLogEntry{"virtual", WM_NCCREATE}));
    TMessageLog created = Only(log, WM_CREATE);
    EXPECT_EQ(created, (TMessageLog{{"virtual", WM_CREATE}, {"default", WM_CREATE}}));
    EXPECT_EQ(TWinControl::FindControl(hwnd), control);
}

TEST_F(WindowBase, DispatchRunsCallbackThenVirtualThenDefault) {
    TInterceptor interceptor(log);
    HWND hwnd = control->Handle();
    interceptor.Attach(control);
    log.clear();
    SendMessageA(hwnd, WM_PROBE, 0, 0);
    EXPECT_EQ(log, (TMessageLog{{"callback", WM_PROBE}, {"virtual", WM_PROBE}, {"default", WM_PROBE}}));

    // Perform takes the same path without the system.
    log.clear();
    control->Perform(WM_PROBE);
    EXPECT_EQ(log, (TMessageLog{{"callback", WM_PROBE}, {"virtual", WM_PROBE}, {"default", WM_PROBE}}));

    // Given back, the control's own handling is first again.
    interceptor.Detach();
    log.clear();
    SendMessageA(hwnd, WM_PROBE, 0, 0);
    EXPECT_EQ(log, (TMessageLog{{"virtual", WM_PROBE}, {"default", WM_PROBE}}));
    EXPECT_TRUE(control->WindowProc() ==
                TWndMethod::Bind<&TControl::WndProc>(static_cast<TControl*>(control)));
}

TEST_F(WindowBase, NcDestroyUnlinksAndTheWindowComesBackOnDemand) {
    HWND first = control->Handle();
    log.clear();
    control->DestroyHandle();
    EXPECT_FALSE(control->HandleAllocated());
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(Only(log, WM_NCDESTROY, "virtual").size(), 1u);
    // Nothing of the object is left behind in a window (a reused handle would find it).
    EXPECT_EQ(TWinControl::FindControl(first), nullptr);

    HWND second = control->Handle();
    EXPECT_TRUE(IsWindow(second));
    EXPECT_EQ(GetParent(second), form->Handle());
}

TEST_F(WindowBase, DestroyingTheParentWindowUnlinksTheChildren) {
    control->Handle();
    form->DestroyHandle();
    EXPECT_FALSE(control->HandleAllocated());
    // Both come back together.
    form->Handle();
    EXPECT_TRUE(control->HandleAllocated());
}

TEST_F(WindowBase, ExceptionInAHandlerReachesTheApplicationAndTheLoopGoesOn) {
    HWND hwnd = control->Handle();
    PostMessageA(hwnd, WM_THROW, 0, 0);
    PostMessageA(hwnd, WM_PROBE, 0, 0);
    log.clear();
    Pump();
    ASSERT_EQ(exceptions, (std::vector<std::string>{"handler failed"}));
    EXPECT_EQ(senders.front(), control);
    // The message after the failing one was still handled.
    EXPECT_EQ(Only(log, WM_PROBE, "virtual").size(), 1u);

    // A sent message too: the exception stops in the window procedure, not in the caller.
    SendMessageA(hwnd, WM_THROW, 0, 0);
    EXPECT_EQ(exceptions.size(), 2u);

    // Even a handler that fails in turn does not unwind into the system.
    Application->OnException = [](TObject*, std::exception_ptr) { throw std::logic_error("handler broke"); };
    SendMessageA(hwnd, WM_THROW, 0, 0);
    SendMessageA(hwnd, WM_PROBE, 0, 0);
    EXPECT_EQ(Only(log, WM_PROBE, "virtual").size(), 2u);
}

TEST_F(WindowBase, FindControlKnowsOnlyThisThreadsToolkitWindows) {
    EXPECT_EQ(TWinControl::FindControl(control->Handle()), control);
    EXPECT_EQ(TWinControl::FindControl(GetDesktopWindow()), nullptr);
    EXPECT_EQ(TWinControl::FindControl(nullptr), nullptr);
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(TWinControl::FindControl(plain), nullptr);
    DestroyWindow(plain);
}

TEST_F(WindowBase, SuperclassedSystemControlIsLinkedAndKeepsItsBehaviour) {
    class TPlainEdit : public TWinControl {
    public:
        using TWinControl::TWinControl;
        TMessageLog* Log = nullptr;
        void WndProc(TMessage& message) override {
            if (Log)
                Log->push_back({"edit", message.Msg});
            TWinControl::WndProc(message);
        }

    protected:
        void CreateParams(TCreateParams& params) override {
            TWinControl::CreateParams(params);
            params.SysClassName = "EDIT";
        }
    };
    auto* edit = new TPlainEdit(form);
    edit->Log = &log;
    edit->SetParent(form);
    edit->SetText("abc");
    form->Handle();
    edit->DestroyHandle();
    log.clear();
    HWND hwnd = edit->Handle();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), (TLogEntry{"edit", WM_NCCREATE}));
    // The edit control's own procedure keeps the text.
    char text[16] = {};
    GetWindowTextA(hwnd, text, sizeof(text));
    EXPECT_STREQ(text, "abc");
    SendMessageA(hwnd, EM_SETSEL, 0, -1);
    DWORD start = 0, end = 0;
    SendMessageA(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, 3u);
    // Recreating keeps the text that was typed into the window.
    SetWindowTextA(hwnd, "typed");
    edit->RecreateWnd();
    EXPECT_EQ(edit->Text(), "typed");
}

} // namespace
