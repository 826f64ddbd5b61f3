#pragma once
// Helpers of the toolkit's Wine tests: a message log to compare with expected sequences, an
// exception sink in place of the message box, and message pumping.
#include "tests/win32/Pump.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct TLogEntry {
    std::string Who;
    UINT Msg;
    friend bool operator==(const TLogEntry& a, const TLogEntry& b) {
        return a.Who == b.Who && a.Msg == b.Msg;
    }
};

inline std::ostream& operator<<(std::ostream& os, const TLogEntry& e) {
    return os << e.Who << ":0x" << std::hex << e.Msg << std::dec;
}

using TMessageLog = std::vector<TLogEntry>;

// Records exceptions that reach the application instead of showing a message box.
class ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Application->OnException = [this](TObject* sender, std::exception_ptr e) {
            exceptions.push_back(TApplication::ExceptionMessage(e));
            senders.push_back(sender);
        };
    }
    void TearDown() override {
        Application->OnException = nullptr;
        // A posted WM_QUIT (a closed main form) must not end the next test's loop.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    std::vector<std::string> exceptions;
    std::vector<TObject*> senders;
};
