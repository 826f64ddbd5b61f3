#include "toolkit/WindowClass.h"

#include <map>
#include <stdexcept>

namespace {

struct Registered {
    ATOM Atom;
    WNDPROC DefaultProc;
};

// Never destroyed: windows may still be destroyed while statics go at exit.
std::map<std::string, Registered>& Classes() {
    static auto* classes = new std::map<std::string, Registered>;
    return *classes;
}

} // namespace

HINSTANCE TWindowClass::Instance() {
    return GetModuleHandleA(nullptr);
}

WNDPROC TWindowClass::Register(const std::string& name, const std::string& systemClass,
                               const WNDCLASSEXA& description, WNDPROC procedure) {
    auto found = Classes().find(name);
    if (found != Classes().end())
        return found->second.DefaultProc;

    WNDCLASSEXA wc = description;
    wc.cbSize = sizeof(wc);
    WNDPROC defaultProc = DefWindowProcA;
    if (!systemClass.empty()) {
        WNDCLASSEXA system{};
        system.cbSize = sizeof(system);
        if (!GetClassInfoExA(nullptr, systemClass.c_str(), &system))
            throw std::runtime_error("No system window class " + systemClass);
        defaultProc = system.lpfnWndProc;
        // The system control keeps its own class settings; ours add to its style.
        UINT style = system.style | description.style;
        wc = system;
        wc.cbSize = sizeof(wc);
        wc.style = style;
        if (description.hCursor)
            wc.hCursor = description.hCursor;
    } else {
        if (!wc.hCursor)
            wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    }
    wc.lpfnWndProc = procedure;
    wc.hInstance = Instance();
    wc.lpszClassName = name.c_str();
    wc.lpszMenuName = nullptr;
    ATOM atom = RegisterClassExA(&wc);
    if (!atom)
        throw std::runtime_error("RegisterClassEx failed for " + name);
    Classes()[name] = Registered{atom, defaultProc};
    return defaultProc;
}

WNDPROC TWindowClass::DefaultProcOf(HWND window) {
    ATOM atom = static_cast<ATOM>(GetClassWord(window, GCW_ATOM));
    for (const auto& entry : Classes())
        if (entry.second.Atom == atom)
            return entry.second.DefaultProc;
    return DefWindowProcA;
}
