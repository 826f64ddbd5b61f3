#include "cli/CliTree.h"

#include "cli/CliConsole.h"
#include "cli/CliFiles.h"
#include "cli/CliPaths.h"

#include <windows.h>

#include <algorithm>

namespace {

void Walk(const std::string& folder, const std::string& relative, const std::wstring& skip,
          std::vector<TTreeFile>& files, std::vector<std::string>& problems) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW(Widen(JoinPath(folder, "*")).c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        problems.push_back(DescribeFileError("list", Quoted(folder), GetLastError()));
        return;
    }
    std::vector<std::pair<std::string, std::string>> folders;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::string path = JoinPath(folder, Narrow(name)), inTree = JoinPath(relative, Narrow(name));
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
                lstrcmpiW(Widen(FullPath(path)).c_str(), skip.c_str()) != 0)
                folders.emplace_back(path, inTree);
        } else {
            const std::uint64_t size =
                (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
            files.push_back({path, inTree, size});
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    for (const auto& [path, inTree] : folders)
        Walk(path, inTree, skip, files, problems);
}

} // namespace

std::string FullPath(const std::string& path) {
    const std::wstring wide = Widen(path);
    wchar_t buffer[MAX_PATH * 4];
    const DWORD size = GetFullPathNameW(wide.c_str(), MAX_PATH * 4, buffer, nullptr);
    std::wstring full = size > 0 && size < MAX_PATH * 4 ? std::wstring(buffer, size) : wide;
    std::replace(full.begin(), full.end(), L'/', L'\\');
    while (full.size() > 3 && full.back() == L'\\')
        full.pop_back();
    return Narrow(full);
}

void ListTree(const std::string& root, const std::string& skip, std::vector<TTreeFile>& files,
              std::vector<std::string>& problems) {
    const std::size_t first = files.size();
    Walk(root, "", skip.empty() ? std::wstring() : Widen(FullPath(skip)), files, problems);
    std::sort(files.begin() + first, files.end(),
              [](const TTreeFile& a, const TTreeFile& b) { return a.Relative < b.Relative; });
}
