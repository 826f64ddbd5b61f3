#pragma once
// Registration of the toolkit's window classes. Every class gets the toolkit's one window
// procedure; a class that superclasses a system control ("EDIT", "COMBOBOX"...) copies that
// control's class and remembers its original procedure, which then handles what the object
// does not.
#include <windows.h>

#include <string>

class TWindowClass {
public:
    // Registers the class described (once per name) and returns the procedure that handles
    // what the toolkit does not: DefWindowProcA or the system control's own procedure.
    // systemClass is empty for a window of our own.
    static WNDPROC Register(const std::string& name, const std::string& systemClass,
                            const WNDCLASSEXA& description, WNDPROC procedure);
    // The default procedure of a window of a registered class, for the messages that arrive
    // before the window is linked to its object (WM_GETMINMAXINFO precedes WM_NCCREATE).
    static WNDPROC DefaultProcOf(HWND window);
    // The module the classes are registered in.
    static HINSTANCE Instance();
};
