#include "cli/CliClipboard.h"

#include "cli/CliConsole.h"
#include "cli/CliFiles.h"
#include "cli/CliReport.h"
#include "cli/WineHost.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// The clipboard is shared: another program may hold it open for a moment.
class TOpenClipboard {
public:
    TOpenClipboard() {
        for (int attempt = 0; attempt < 100 && !Open; ++attempt) {
            Open = OpenClipboard(nullptr) != FALSE;
            if (!Open)
                Sleep(10);
        }
        if (!Open)
            throw TCliError(1, "cannot open the clipboard: another program holds it");
    }
    ~TOpenClipboard() { CloseClipboard(); }
    TOpenClipboard(const TOpenClipboard&) = delete;
    TOpenClipboard& operator=(const TOpenClipboard&) = delete;

private:
    bool Open = false;
};

std::wstring ReadText() {
    TOpenClipboard open;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (text == nullptr)
        throw TCliError(1, "the clipboard holds no text");
    const std::size_t units = GlobalSize(data) / sizeof(wchar_t);
    std::wstring result(text, std::find(text, text + units, L'\0'));
    GlobalUnlock(data);
    return result;
}

void WriteText(const std::wstring& text) {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (memory == nullptr)
        throw TCliError(1, "cannot put the text on the clipboard: out of memory");
    std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    TOpenClipboard open;
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
        throw TCliError(1, "cannot put the text on the clipboard");
    }
}

// Hands the text to xclip, which takes the X clipboard and serves it until another program takes it.
bool HandToX(const std::string& utf8) {
    wchar_t folder[MAX_PATH], name[MAX_PATH];
    if (GetTempPathW(MAX_PATH, folder) == 0 || GetTempFileNameW(folder, L"ssc", 0, name) == 0)
        return false;
    bool handed = false;
    {
        TCliOutput file(Narrow(name), std::string());
        file.Write(utf8.data(), utf8.size());
        file.Commit();
        const std::string unix = UnixPath(name);
        // xclip reads the file, then leaves a copy of itself serving the selection; that copy must not
        // hold our standard streams open, or a caller reading them would wait until the next copy.
        handed =
            !unix.empty() &&
            RunUnixProgram({"/bin/sh", "-c",
                            "exec xclip -selection clipboard -i \"$0\" </dev/null >/dev/null 2>&1", unix});
    }
    DeleteFileW(name);
    return handed;
}

} // namespace

int RunClipboard(const TCliOptions& options) {
    try {
        const std::string text = Narrow(ReadText());
        TStreamConversion conversion(options.Conversion, TEncoding::Utf8, TEncoding::Utf8);
        std::string converted;
        conversion.Convert(text.data(), text.size(), true, converted);
        if (!(RunningUnderWine() && HandToX(converted)))
            WriteText(Widen(converted));
        const std::string loss = LossLine(conversion.Counts(), TEncoding::Utf8, TEncoding::Utf8);
        if (!loss.empty())
            Say(loss);
        return 0;
    } catch (const TCliError& error) {
        Say(error.what());
        return error.ExitCode;
    }
}
