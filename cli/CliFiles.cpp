#include "cli/CliFiles.h"

#include <climits>

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
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return "the reader has gone";
    default:
        return nullptr;
    }
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The temporary file being written, for the console's interrupt handler (another thread): Ctrl+C ends the
// process, and without this the file would stay beside the output. One output per process.
char InterruptedTemporary[MAX_PATH + 64];

BOOL WINAPI OnInterrupt(DWORD) {
    if (InterruptedTemporary[0] != '\0')
        DeleteFileA(InterruptedTemporary); // gone once the process has closed it
    return FALSE;                          // and the default handler ends the process
}

void Track(const std::string& temporary) {
    if (temporary.size() < sizeof InterruptedTemporary) {
        temporary.copy(InterruptedTemporary, temporary.size());
        InterruptedTemporary[temporary.size()] = '\0';
    }
    static const bool installed = SetConsoleCtrlHandler(OnInterrupt, TRUE) != FALSE;
    (void)installed;
}

void Untrack() {
    InterruptedTemporary[0] = '\0';
}

std::string Quoted(const std::string& name) {
    return "'" + name + "'";
}

} // namespace

std::string DescribeFileError(const char* verb, const std::string& name, DWORD error) {
    const char* reason = Reason(error);
    return std::string("cannot ") + verb + " " + name + ": " +
           (reason != nullptr ? reason : "system error " + std::to_string(error));
}

TCliInput::TCliInput(const std::string& path) : Name(path), Handle(INVALID_HANDLE_VALUE), Owned(false) {
    if (path == "-") {
        Name = "standard input";
        Handle = GetStdHandle(STD_INPUT_HANDLE);
        return;
    }
    Name = Quoted(path);
    if (IsFolder(path))
        throw TCliError(1, DescribeFileError("read", Name, ERROR_DIRECTORY));
    Handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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

TCliOutput::TCliOutput(const std::string& path) : Path(path), Name(path), Handle(INVALID_HANDLE_VALUE) {
    if (path == "-") {
        Name = "standard output";
        Handle = GetStdHandle(STD_OUTPUT_HANDLE);
        return;
    }
    Name = Quoted(path);
    if (IsFolder(path))
        throw TCliError(1, DescribeFileError("write", Name, ERROR_DIRECTORY));
    // Beside the output, so the rename stays on one volume; a stale one of an earlier run is skipped.
    for (int attempt = 0; attempt < 100 && Handle == INVALID_HANDLE_VALUE; ++attempt) {
        Temporary = path + ".~" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt);
        Handle = CreateFileA(Temporary.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
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
    DeleteFileA(Temporary.c_str());
    Untrack();
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
    if (!closed || !MoveFileExA(Temporary.c_str(), Path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD error = GetLastError();
        Discard();
        throw TCliError(1, DescribeFileError("write", Name, error));
    }
    Untrack();
    Temporary.clear();
}
