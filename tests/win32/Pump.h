// Shared by the Wine suites: lets the application handle its messages until a state is reached.
#pragma once

#include "toolkit/Application.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

// Handles every waiting message, then waits up to ms for more. A wait with ms > 0 is only for a duration the
// behaviour itself defines (a timer's period, a pause); a state is waited for with PumpUntil.
inline void Pump(int ms = 0) {
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        Application->ProcessMessages();
        if (ms > 0)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (static_cast<int>(end - GetTickCount()) > 0);
    Application->ProcessMessages();
}

// Writes the whole screen to <Suite>.<Case>-FAILED.bmp in the working directory; returns the file's name.
inline std::string SaveScreen() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "wine";
    name += "-FAILED.bmp";
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{sizeof(info), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(static_cast<size_t>((w * 3 + 3) & ~3) * h);
    GetDIBits(memory, bitmap, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(info);
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(offset + pixels.size()), 0, 0, offset};
    if (FILE* f = std::fopen(name.c_str(), "wb")) {
        std::fwrite(&file, sizeof(file), 1, f);
        std::fwrite(&info, sizeof(info), 1, f);
        std::fwrite(pixels.data(), 1, pixels.size(), f);
        std::fclose(f);
    }
    return name;
}

// Handles messages until done() holds. After limitMs the test fails, naming what it waited for, and leaves a
// picture of the screen. Generous: a loaded machine (or one that emulates the 32-bit code) is slow, not wrong.
template <typename Done> bool PumpUntil(Done&& done, const std::string& what, int limitMs = 10000) {
    const DWORD start = GetTickCount();
    for (;;) {
        Application->ProcessMessages();
        if (done())
            return true;
        if (static_cast<int>(GetTickCount() - start) > limitMs)
            break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    ADD_FAILURE() << "waited " << limitMs << " ms for " << what << "; the screen: " << SaveScreen();
    return false;
}

// Shows a window and waits until it is the active one with its paint done: the state input and pictures need.
inline bool PumpUntilShown(HWND window) {
    return PumpUntil(
        [&] {
            return IsWindowVisible(window) && GetForegroundWindow() == window &&
                   !GetUpdateRect(window, nullptr, FALSE);
        },
        "the window shown, active and painted");
}

// The position of the last pointer move the thread took from its queue.
inline POINT& LastPointerMove() {
    static POINT p{-1, -1};
    return p;
}
inline LRESULT CALLBACK RecordPointerMove(int code, WPARAM removed, LPARAM lp) {
    const auto* msg = reinterpret_cast<const MSG*>(lp);
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == WM_MOUSEMOVE)
        LastPointerMove() = msg->pt;
    return CallNextHookEx(nullptr, code, removed, lp);
}

// Sets the pointer on a point over one of the thread's windows and waits until the window there has taken
// the system's move message for it, so that a message posted afterwards is the last one it sees.
inline bool PumpUntilPointerAt(POINT at) {
    POINT now{};
    if (GetCursorPos(&now) && now.x == at.x && now.y == at.y)
        return true; // no move, no message to wait for
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, RecordPointerMove, nullptr, GetCurrentThreadId());
    LastPointerMove() = POINT{-1, -1};
    SetCursorPos(at.x, at.y);
    const bool arrived = PumpUntil([&] { return LastPointerMove().x == at.x && LastPointerMove().y == at.y; },
                                   "the pointer's move to " + std::to_string(at.x) + "," + std::to_string(at.y));
    UnhookWindowsHookEx(hook);
    return arrived;
}
