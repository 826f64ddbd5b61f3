#pragma once
// Shared by the Wine suites: the clipboard set up and read as another program would, through CF_TEXT.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

inline void PutClipboardText(HWND owner, const std::string& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

// Leaves only a picture (a device-independent bitmap) on the clipboard: no text.
inline void PutClipboardPicture(HWND owner) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const size_t size = sizeof(BITMAPINFOHEADER) + 4 * 4;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(memory));
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = 2;
    header->biHeight = 2;
    header->biPlanes = 1;
    header->biBitCount = 32;
    GlobalUnlock(memory);
    SetClipboardData(CF_DIB, memory);
    CloseClipboard();
}

inline void EmptyTheClipboard(HWND owner) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    CloseClipboard();
}

inline std::string ClipboardText(HWND owner) {
    std::string text;
    if (!OpenClipboard(owner))
        return "<clipboard busy>";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}
