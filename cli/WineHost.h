#pragma once
// The Linux machine beneath Wine, for what Wine gives a Windows program no call for: a file's Unix
// permission bits (Wine keeps only the owner's and everyone's in the access list it shows) and an X
// clipboard that outlives Wine's own owner of it. Nothing here does anything on Windows.

#include <string>
#include <vector>

bool RunningUnderWine();

// The Unix name of a Windows path; empty on Windows or when Wine cannot tell.
std::string UnixPath(const std::wstring& path);

// Runs a Linux program (found on PATH) and waits for it; true when it ran and exited with 0.
bool RunUnixProgram(const std::vector<std::string>& argv);
