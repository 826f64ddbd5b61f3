// Shared by the Wine suites: lets the application handle its messages for a while.
#pragma once

#include "toolkit/Application.h"

#include <windows.h>

// Handles every waiting message, then waits up to ms for more (timers, posted messages).
inline void Pump(int ms = 0) {
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        Application->ProcessMessages();
        if (ms > 0)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (static_cast<int>(end - GetTickCount()) > 0);
    Application->ProcessMessages();
}
