#include "cli/WineHost.h"

#include <windows.h>

#include <mutex>

namespace {

// Exports of Wine's own system libraries, absent on Windows.
using TUnixFileName = char*(__cdecl*)(const wchar_t*);
using TUnixSpawn = LONG(WINAPI*)(char* const*, int);

template <typename T> T WineExport(const wchar_t* module, const char* name) {
    const HMODULE handle = GetModuleHandleW(module);
    return handle != nullptr ? reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(handle, name)))
                             : nullptr;
}

} // namespace

bool RunningUnderWine() {
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

std::string UnixPath(const std::wstring& path) {
    static const auto convert = WineExport<TUnixFileName>(L"kernel32.dll", "wine_get_unix_file_name");
    if (convert == nullptr)
        return {};
    char* unix = convert(path.c_str());
    if (unix == nullptr)
        return {};
    std::string result(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

bool RunUnixProgram(const std::vector<std::string>& argv) {
    static const auto spawn = WineExport<TUnixSpawn>(L"ntdll.dll", "__wine_unix_spawnvp");
    if (spawn == nullptr || argv.empty())
        return false;
    // One at a time: forking while another thread forks is not safe everywhere Wine runs (qemu-user).
    static std::mutex one;
    std::lock_guard<std::mutex> guard(one);
    std::vector<std::string> copies(argv);
    std::vector<char*> pointers;
    for (std::string& arg : copies)
        pointers.push_back(&arg[0]);
    pointers.push_back(nullptr);
    return spawn(pointers.data(), TRUE) == 0;
}
