#include "cli/CliPaths.h"

#include <cstring>

namespace {

bool IsSlash(char c) {
    return c == '/' || c == '\\';
}

} // namespace

std::string BaseName(const std::string& path) {
    std::size_t end = path.size();
    while (end > 1 && IsSlash(path[end - 1]))
        --end;
    std::size_t start = end;
    while (start > 0 && !IsSlash(path[start - 1]))
        --start;
    return path.substr(start, end - start);
}

std::string JoinPath(const std::string& folder, const std::string& relative) {
    if (folder.empty())
        return relative;
    return IsSlash(folder.back()) ? folder + relative : folder + "/" + relative;
}

std::string OutputPathFor(const TCliOptions& options, bool outputIsFolder, const std::string& input,
                          const std::string& relativeInTree) {
    if (options.InPlace)
        return input;
    if (!outputIsFolder)
        return options.Output;
    return JoinPath(options.Output, relativeInTree.empty() ? BaseName(input) : relativeInTree);
}

bool LooksBinary(const char* data, std::size_t size) {
    return std::memchr(data, '\0', size < BinaryProbeSize ? size : BinaryProbeSize) != nullptr;
}
