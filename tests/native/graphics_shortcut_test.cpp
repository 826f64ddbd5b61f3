// Shortcut values as menu texts, and the colour value layout.
#include "toolkit/Colors.h"
#include "toolkit/ShortCut.h"

#include <gtest/gtest.h>

TEST(GraphicsShortCut, MenuTextOfModifiersAndKeys) {
    const struct {
        TShortCut value;
        const char* text;
    } cases[] = {
        {0x8073, "Alt+F4"},
        {MakeShortCut('A', scCtrl), "Ctrl+A"},
        {MakeShortCut('A', scCtrl | scShift), "Ctrl+Shift+A"},
        {MakeShortCut(0x2E, scCtrl | scAlt), "Ctrl+Alt+Del"},
        {MakeShortCut(0x70, 0), "F1"},
        {MakeShortCut(0x87, scShift), "Shift+F24"},
        {MakeShortCut('7', 0), "7"},
        {MakeShortCut(0x0D, scAlt), "Alt+Enter"},
        {MakeShortCut(0x64, 0), "Num 4"},
        {MakeShortCut(0x61, scCtrl), "Ctrl+Num 1"}, // 0x61 is a keypad key, not the letter a
        {scNone, ""},
        {scAlt, ""},                      // a modifier alone names no key
        {MakeShortCut(0xE5, scCtrl), ""}, // a key without a name gives no text at all
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, ShortCutToText(c.value)) << std::hex << c.value;
}

TEST(GraphicsColors, ValuesAreLaidOutAsColourReferences) {
    EXPECT_EQ(clFuchsia, MakeColor(255, 0, 255));
    constexpr TColor grey65 = 4276545; // red, green and blue 65
    EXPECT_EQ(MakeColor(65, 65, 65), grey65);
    EXPECT_EQ(0x96, BlueOf(9867923));
    EXPECT_EQ(0x92, GreenOf(9867923));
    EXPECT_EQ(0x93, RedOf(9867923));
}

TEST(GraphicsColors, OnlyTheFFHighByteNamesASystemColour) {
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_EQ(15, SystemColorIndex(clBtnFace));
    EXPECT_EQ(24, SystemColorIndex(clInfoBk));
    EXPECT_FALSE(IsSystemColor(clWhite));
    EXPECT_FALSE(IsSystemColor(clNone));
    EXPECT_FALSE(IsSystemColor(0x02FF00FF)); // high bits other than FF are not a system index
}
