#include "toolkit/Colors.h"

#include <windows.h>

std::uint32_t ColorToRGB(TColor color) {
    if (IsSystemColor(color))
        return GetSysColor(SystemColorIndex(color));
    return color & 0x00FFFFFF;
}
