#pragma once
// The command line's input and output: a named file or the standard stream, read and written as bytes
// with no translation, names in UTF-8 opened through the system's wide-character calls so that every
// name works. A named output is written to a temporary file beside it, created no more open than the
// file it replaces (or, for a new file, the input it comes from), and renamed over it only when complete.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

// A failure the user can act on: one line for standard error and the exit code.
class TCliError : public std::runtime_error {
public:
    TCliError(int exitCode, const std::string& message) : std::runtime_error(message), ExitCode(exitCode) {}
    int ExitCode;
};

// "cannot <verb> 'name': reason", from the system's error code.
std::string DescribeFileError(const char* verb, const std::string& name, DWORD error);

bool IsFolder(const std::string& path);
// Creates the folder and any missing parents; throws TCliError naming it.
void MakeFolders(const std::string& path);

class TCliInput {
public:
    explicit TCliInput(const std::string& path); // empty: standard input
    ~TCliInput();
    TCliInput(const TCliInput&) = delete;
    TCliInput& operator=(const TCliInput&) = delete;

    // Up to size bytes; 0 at the end.
    std::size_t Read(char* data, std::size_t size);
    // Fills size bytes unless the input ends first; returns how many.
    std::size_t ReadFully(char* data, std::size_t size);
    std::uint64_t Size() const; // 0 for a stream
    // Lets go of a named input, so the output may replace it.
    void Close();

private:
    std::string Name; // as messages show it
    HANDLE Handle;
    bool Owned;
};

class TCliOutput {
public:
    // path empty: standard output. model: the file whose permissions a new output takes (empty: the
    // system's default); an existing output keeps its own.
    TCliOutput(const std::string& path, const std::string& model);
    ~TCliOutput(); // without Commit, the temporary file goes
    TCliOutput(const TCliOutput&) = delete;
    TCliOutput& operator=(const TCliOutput&) = delete;

    void Write(const char* data, std::size_t size);
    // Puts the written file in place of the output; nothing to do for standard output.
    void Commit();
    bool IsFile() const { return !Temporary.empty(); }

private:
    void Discard();

    std::wstring Path, Temporary;
    std::string Name; // as messages show it
    HANDLE Handle;
};
