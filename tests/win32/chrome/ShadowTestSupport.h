#pragma once
// A form to hang a shadow on, wired as the program's main window is (show flag -> shadow, close ->
// shadow gone), a recorder of the form's messages, and a fixture with message pumping.
#include "tests/win32/Pump.h"
#include "chrome/ufrmShadowFrame.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class TShadowTestForm : public TForm {
public:
    TShadowTestForm(TComponent* owner, TBorderStyle style, int left, int top, int width, int height)
        : TForm(owner) {
        SetBorderStyle(style);
        SetBounds(left, top, width, height);
        SetColor(0xFFFFFF);
        OnClose = [this](TObject*, TCloseAction&) {
            delete Shadow;
            Shadow = nullptr;
        };
    }
    ~TShadowTestForm() override { delete Shadow; }

    // Creates the shadow and attaches it, as the main window's creation handler does.
    TFormShadow* AddShadow() {
        Shadow = new TFormShadow(Application);
        Shadow->AttachTo(this);
        return Shadow;
    }

    void WndProc(TMessage& message) override {
        if (message.Msg == WM_SHOWWINDOW && Shadow)
            Shadow->SetShadowVisible(message.WParam != 0);
        TForm::WndProc(message);
    }

    TFormShadow* Shadow = nullptr;
};

// Puts itself in front of a control's message callback and records the position messages that pass.
class TPosRecorder {
public:
    struct Entry {
        UINT msg;
        UINT flags;
        bool operator==(const Entry& o) const { return msg == o.msg && flags == o.flags; }
    };

    explicit TPosRecorder(TControl& control) : control_(control), saved_(control.WindowProc()) {
        control.SetWindowProc(TWndMethod::Bind<&TPosRecorder::Record>(this));
    }
    ~TPosRecorder() { control_.SetWindowProc(saved_); }
    TPosRecorder(const TPosRecorder&) = delete;
    TPosRecorder& operator=(const TPosRecorder&) = delete;

    TWndMethod Callback() { return TWndMethod::Bind<&TPosRecorder::Record>(this); }
    std::vector<Entry> log;

private:
    void Record(TMessage& m) {
        if (m.Msg == WM_WINDOWPOSCHANGING || m.Msg == WM_WINDOWPOSCHANGED)
            log.push_back({m.Msg, reinterpret_cast<const WINDOWPOS*>(m.LParam)->flags});
        saved_(m);
    }
    TControl& control_;
    TWndMethod saved_;
};

inline std::ostream& operator<<(std::ostream& os, const TPosRecorder::Entry& e) {
    return os << "{0x" << std::hex << e.msg << ", 0x" << e.flags << std::dec << "}";
}

inline RECT WindowRectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

class ShadowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Application->OnException = [this](TObject*, std::exception_ptr e) {
            exceptions.push_back(TApplication::ExceptionMessage(e));
        };
    }
    void TearDown() override {
        Application->OnException = nullptr;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        EXPECT_TRUE(exceptions.empty()) << exceptions.front();
    }
    std::vector<std::string> exceptions;
};
