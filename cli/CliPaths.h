#pragma once
// Where each input's conversion goes, and what counts as binary. Paths are UTF-8, with '/' or '\' between
// names (the system takes both). Portable: no windows.h.

#include "cli/CliOptions.h"

#include <cstddef>
#include <string>

// The last name of a path, trailing slashes ignored: "a/b/" -> "b".
std::string BaseName(const std::string& path);

// folder + "/" + relative, with one slash between them.
std::string JoinPath(const std::string& folder, const std::string& relative);

// The output of one input: the input itself in place, the file -o names, or its place in the output
// folder: the path relative to its tree for a file found under -r, else its base name.
std::string OutputPathFor(const TCliOptions& options, bool outputIsFolder, const std::string& input,
                          const std::string& relativeInTree);

// How many first bytes the binary test reads; a NUL among them marks a binary file, as grep and git judge.
constexpr std::size_t BinaryProbeSize = 8192;
bool LooksBinary(const char* data, std::size_t size);
