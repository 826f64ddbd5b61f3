#include "cli/CliConsole.h"

#include "cli/CliReport.h"

#include <windows.h>

#include <mutex>

namespace {

std::mutex ErrorLock; // one line at a time, from any thread
TStatusLine Status;

// A console shows UTF-16; anything else (a pipe, a file, a Linux terminal under Wine) gets UTF-8 bytes.
void WriteText(DWORD which, const std::string& text) {
    const HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty())
        return;
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = Widen(text);
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}

} // namespace

std::wstring Widen(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], size);
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], size, nullptr,
                        nullptr);
    return utf8;
}

void Say(const std::string& line) {
    std::lock_guard<std::mutex> guard(ErrorLock);
    WriteText(STD_ERROR_HANDLE, Status.Clear() + "sinoshift-cli: " + line + "\n");
}

void ShowStatus(const std::string& text) {
    std::lock_guard<std::mutex> guard(ErrorLock);
    WriteText(STD_ERROR_HANDLE, text.empty() ? Status.Clear() : Status.Show(text));
}

bool StandardErrorIsTerminal() {
    const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           (GetConsoleMode(handle, &mode) || GetFileType(handle) == FILE_TYPE_CHAR);
}

void WriteStandardOutput(const std::string& bytes) {
    WriteText(STD_OUTPUT_HANDLE, bytes);
}

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}
