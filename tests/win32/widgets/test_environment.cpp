// Without a window manager (the tests run on a bare X server) Wine waits two seconds for every
// activated window that is hidden, to be told it was withdrawn. This executable's windows are
// left unmanaged instead; Wine reads the setting when its display driver starts, which is after
// static initialisation.
#include <windows.h>

#include <string>

namespace {

struct UnmanagedWindows {
    UnmanagedWindows() {
        char exe[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        const char* name = exe;
        for (const char* p = exe; *p; ++p)
            if (*p == '\\' || *p == '/')
                name = p + 1;
        std::string key = std::string("Software\\Wine\\AppDefaults\\") + name + "\\X11 Driver";
        HKEY hkey;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hkey,
                            nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(hkey, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
            RegCloseKey(hkey);
        }
    }
} unmanagedWindows;

} // namespace
