#pragma once
// The command line's input and output: a named file or the standard stream, read and written as bytes
// with no translation. A named output is written to a temporary file beside it and renamed over it only
// when complete, so it never holds half a conversion.

#include <windows.h>

#include <cstddef>
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

class TCliInput {
public:
    explicit TCliInput(const std::string& path); // "-": standard input
    ~TCliInput();
    TCliInput(const TCliInput&) = delete;
    TCliInput& operator=(const TCliInput&) = delete;

    // Up to size bytes; 0 at the end.
    std::size_t Read(char* data, std::size_t size);
    // Lets go of a named input, so the output may replace it.
    void Close();

private:
    std::string Name;
    HANDLE Handle;
    bool Owned;
};

class TCliOutput {
public:
    explicit TCliOutput(const std::string& path); // "-": standard output
    ~TCliOutput();                                // without Commit, the temporary file goes
    TCliOutput(const TCliOutput&) = delete;
    TCliOutput& operator=(const TCliOutput&) = delete;

    void Write(const char* data, std::size_t size);
    // Puts the written file in place of the output; nothing to do for standard output.
    void Commit();
    bool IsFile() const { return !Temporary.empty(); }

private:
    void Discard();

    std::string Path;
    std::string Name; // as messages show it
    std::string Temporary;
    HANDLE Handle;
};
