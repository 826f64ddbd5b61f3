#include "cli/CliFiles.h"

#include "cli/CliConsole.h"
#include "cli/WineHost.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <mutex>
#include <vector>

namespace {

const char* Reason(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return "no such file or folder";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return "permission denied";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "disk full";
    case ERROR_DIRECTORY:
        return "is a folder";
    case ERROR_FILE_READ_ONLY:
        return "the file is read-only";
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return "the reader has gone";
    default:
        return nullptr;
    }
}

DWORD Attributes(const std::wstring& path) {
    return GetFileAttributesW(path.c_str());
}

bool IsFolderW(const std::wstring& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The temporary files being written, for the console's interrupt handler (another thread): Ctrl+C ends the
// process, and without this they would stay beside the outputs.
std::mutex TemporariesLock;
std::vector<std::wstring> Temporaries;

BOOL WINAPI OnInterrupt(DWORD) {
    std::lock_guard<std::mutex> guard(TemporariesLock);
    for (const std::wstring& temporary : Temporaries)
        DeleteFileW(temporary.c_str()); // gone once the process has closed it
    return FALSE;                       // and the default handler ends the process
}

void Track(const std::wstring& temporary) {
    static const bool installed = SetConsoleCtrlHandler(OnInterrupt, TRUE) != FALSE;
    (void)installed;
    std::lock_guard<std::mutex> guard(TemporariesLock);
    Temporaries.push_back(temporary);
}

void Untrack(const std::wstring& temporary) {
    std::lock_guard<std::mutex> guard(TemporariesLock);
    Temporaries.erase(std::remove(Temporaries.begin(), Temporaries.end(), temporary), Temporaries.end());
}

// A file's access list as a self-relative security descriptor; empty when it has none to give.
std::vector<BYTE> AccessList(const std::wstring& file) {
    DWORD needed = 0;
    GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
    std::vector<BYTE> descriptor(needed);
    if (needed == 0 ||
        !GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed))
        descriptor.clear();
    return descriptor;
}

// Wine makes the new file's Unix mode from the access list, which holds only the owner's and everyone's
// rights: a 640 file's copy would be 600, a 664 file's 644. Never more open, but not the same: the
// mode itself is copied before anything is written.
void CopyUnixMode(const std::wstring& model, const std::wstring& file) {
    if (!RunningUnderWine())
        return;
    const std::string from = UnixPath(model), to = UnixPath(file);
    if (!from.empty() && !to.empty())
        RunUnixProgram({"chmod", "--reference=" + from, "--", to});
}

} // namespace

std::string DescribeFileError(const char* verb, const std::string& name, DWORD error) {
    const char* reason = Reason(error);
    return std::string("cannot ") + verb + " " + name + ": " +
           (reason != nullptr ? reason : "system error " + std::to_string(error));
}

bool IsFolder(const std::string& path) {
    return IsFolderW(Widen(path));
}

void MakeFolders(const std::string& path) {
    const std::wstring wide = Widen(path);
    if (wide.empty() || IsFolderW(wide))
        return;
    const std::size_t slash = wide.find_last_of(L"/\\");
    if (slash != std::wstring::npos && slash > 0 && wide[slash - 1] != L':')
        MakeFolders(Narrow(wide.substr(0, slash)));
    if (!CreateDirectoryW(wide.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        throw TCliError(1, DescribeFileError("create the folder", Quoted(path), GetLastError()));
}

TCliInput::TCliInput(const std::string& path) : Handle(INVALID_HANDLE_VALUE), Owned(false) {
    if (path.empty()) {
        Name = "standard input";
        Handle = GetStdHandle(STD_INPUT_HANDLE);
        return;
    }
    Name = Quoted(path);
    const std::wstring wide = Widen(path);
    if (IsFolderW(wide))
        throw TCliError(1, DescribeFileError("read", Name, ERROR_DIRECTORY));
    Handle = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (Handle == INVALID_HANDLE_VALUE)
        throw TCliError(1, DescribeFileError("read", Name, GetLastError()));
    Owned = true;
}

TCliInput::~TCliInput() {
    Close();
}

void TCliInput::Close() {
    if (Owned)
        CloseHandle(Handle);
    Owned = false;
    Handle = INVALID_HANDLE_VALUE;
}

std::size_t TCliInput::Read(char* data, std::size_t size) {
    // No standard input at all (a detached process) reads as empty.
    if (Handle == nullptr || Handle == INVALID_HANDLE_VALUE)
        return 0;
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(size < INT_MAX ? size : INT_MAX);
    if (!ReadFile(Handle, data, want, &got, nullptr)) {
        const DWORD error = GetLastError();
        if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF)
            return 0; // the writer of a pipe closed it: the end
        throw TCliError(1, DescribeFileError("read", Name, error));
    }
    return got;
}

std::size_t TCliInput::ReadFully(char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const std::size_t got = Read(data + done, size - done);
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

std::uint64_t TCliInput::Size() const {
    LARGE_INTEGER size;
    if (!Owned || !GetFileSizeEx(Handle, &size))
        return 0;
    return static_cast<std::uint64_t>(size.QuadPart);
}

TCliOutput::TCliOutput(const std::string& path, const std::string& model)
    : Path(Widen(path)), Handle(INVALID_HANDLE_VALUE) {
    if (path.empty()) {
        Name = "standard output";
        Handle = GetStdHandle(STD_OUTPUT_HANDLE);
        return;
    }
    Name = Quoted(path);
    const DWORD attributes = Attributes(Path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        throw TCliError(1, DescribeFileError("write", Name, ERROR_DIRECTORY));
    // A read-only file is one its owner chose to keep: it is not replaced behind their back.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        throw TCliError(1, DescribeFileError("write", Name, ERROR_FILE_READ_ONLY));
    const std::wstring modelPath = attributes != INVALID_FILE_ATTRIBUTES ? Path : Widen(model);
    std::vector<BYTE> descriptor = modelPath.empty() ? std::vector<BYTE>() : AccessList(modelPath);
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES),
                                 descriptor.empty() ? nullptr : descriptor.data(), FALSE};

    // Beside the output, so the rename stays on one volume; a stale one of an earlier run is skipped.
    static std::atomic<unsigned> serial{0};
    for (int attempt = 0; attempt < 100 && Handle == INVALID_HANDLE_VALUE; ++attempt) {
        Temporary = Path + L".~" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(serial++);
        Handle = CreateFileW(Temporary.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, &security, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (Handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            const DWORD error = GetLastError();
            Temporary.clear();
            throw TCliError(1, DescribeFileError("write", Name, error));
        }
    }
    if (Handle == INVALID_HANDLE_VALUE) {
        Temporary.clear();
        throw TCliError(1, DescribeFileError("write", Name, ERROR_FILE_EXISTS));
    }
    Track(Temporary);
    if (!modelPath.empty())
        CopyUnixMode(modelPath, Temporary);
}

TCliOutput::~TCliOutput() {
    Discard();
}

void TCliOutput::Discard() {
    if (Temporary.empty())
        return;
    if (Handle != INVALID_HANDLE_VALUE)
        CloseHandle(Handle);
    Handle = INVALID_HANDLE_VALUE;
    DeleteFileW(Temporary.c_str());
    Untrack(Temporary);
    Temporary.clear();
}

void TCliOutput::Write(const char* data, std::size_t size) {
    while (size > 0) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(size < (1u << 30) ? size : (1u << 30));
        if (!WriteFile(Handle, data, chunk, &written, nullptr) || written == 0) {
            const DWORD error = GetLastError();
            throw TCliError(
                1, DescribeFileError("write", Name, written == 0 && error == 0 ? ERROR_DISK_FULL : error));
        }
        data += written;
        size -= written;
    }
}

void TCliOutput::Commit() {
    if (Temporary.empty())
        return;
    const BOOL closed = CloseHandle(Handle);
    Handle = INVALID_HANDLE_VALUE;
    if (!closed || !MoveFileExW(Temporary.c_str(), Path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD error = GetLastError();
        Discard();
        throw TCliError(1, DescribeFileError("write", Name, error));
    }
    Untrack(Temporary);
    Temporary.clear();
}
