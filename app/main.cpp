// Sinoshift: converts Chinese text between Simplified and Traditional characters and between
// GB and BIG5 bytes. One window, one message loop.
#include "app/UnitRuvo.h"
#include "toolkit/Application.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        Application->Initialize();
        Application->SetUnderWine(TApplication::RunningUnderWine());
        Application->CreateForm(FrmRuvo);
        Application->Run();
    } catch (...) {
        // Only a failure to make the window at all gets here: nothing can run without it.
        Application->HandleException(nullptr);
        return 1;
    }
    return 0;
}
