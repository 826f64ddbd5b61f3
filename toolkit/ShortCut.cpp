#include "toolkit/ShortCut.h"

std::string KeyName(std::uint8_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= 0x70 && key <= 0x87) // VK_F1 .. VK_F24
        return "F" + std::to_string(key - 0x70 + 1);
    if (key >= 0x60 && key <= 0x69) // VK_NUMPAD0 .. VK_NUMPAD9
        return "Num " + std::to_string(key - 0x60);
    switch (key) {
    case 0x08:
        return "BkSp";
    case 0x09:
        return "Tab";
    case 0x0D:
        return "Enter";
    case 0x1B:
        return "Esc";
    case 0x20:
        return "Space";
    case 0x21:
        return "PgUp";
    case 0x22:
        return "PgDn";
    case 0x23:
        return "End";
    case 0x24:
        return "Home";
    case 0x25:
        return "Left";
    case 0x26:
        return "Up";
    case 0x27:
        return "Right";
    case 0x28:
        return "Down";
    case 0x2D:
        return "Ins";
    case 0x2E:
        return "Del";
    case 0x6A:
        return "Num *";
    case 0x6B:
        return "Num +";
    case 0x6D:
        return "Num -";
    case 0x6E:
        return "Num .";
    case 0x6F:
        return "Num /";
    default:
        return std::string();
    }
}

std::string ShortCutToText(TShortCut shortCut) {
    const std::string key = KeyName(static_cast<std::uint8_t>(shortCut & 0xFF));
    if (key.empty())
        return key;
    std::string text;
    if (shortCut & scCtrl)
        text += "Ctrl+";
    if (shortCut & scShift)
        text += "Shift+";
    if (shortCut & scAlt)
        text += "Alt+";
    return text + key;
}
