#pragma once
// The files below a folder, for -r: every regular file of the tree, with its path relative to the
// folder ('/' between names) and its size, sorted by that path. Links to folders are not followed (no
// loops), and the folder given as skip (the output folder inside the tree) is left out.

#include <cstdint>
#include <string>
#include <vector>

struct TTreeFile {
    std::string Path, Relative;
    std::uint64_t Size = 0;
};

// Folders that cannot be listed are named in problems, one line each, and skipped.
void ListTree(const std::string& root, const std::string& skip, std::vector<TTreeFile>& files,
              std::vector<std::string>& problems);

// The full path of a name, for comparing two names of one folder.
std::string FullPath(const std::string& path);
