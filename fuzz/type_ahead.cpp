// The mode list's type-ahead: any entries (double-byte ones too), any run of characters, keys, timer
// expiries and focus losses, with the timer also running out while a character is being handled. Input: up
// to eight entries, then events of two bytes each.

#include "fuzz/FuzzInput.h"
#include "widgets/ComboTypeAhead.h"

#include <vector>

namespace {

char Fold(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

bool BeginsWith(const std::string& entry, const std::string& prefix) {
    if (prefix.size() > entry.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Fold(entry[i]) != Fold(prefix[i]))
            return false;
    }
    return true;
}

class TListModel : public TTypeAheadHost {
public:
    std::vector<std::string> Entries;
    TComboTypeAhead* Search = nullptr;
    bool TimerInside = false; // the timer runs out while the list handles a character
    int Selected = 0;
    int Beeps = 0;

    int FindPrefix(const std::string& prefix) override {
        for (std::size_t i = 0; i < Entries.size(); ++i) {
            if (BeginsWith(Entries[i], prefix))
                return static_cast<int>(i);
        }
        return -1;
    }
    void SelectAndNotify(int index) override {
        FUZZ_CHECK(index == 0 || (index > 0 && index < static_cast<int>(Entries.size())));
        Selected = index;
        Pump();
    }
    void Beep() override {
        ++Beeps;
        Pump();
    }
    void RestartTimer() override { Pump(); }
    bool IsLeadByte(unsigned char b) override { return b >= 0x81 && b <= 0xFE; }

private:
    void Pump() {
        if (TimerInside)
            Search->TimerExpired();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput input(data, size);
    TListModel list;
    for (std::size_t n = input.Pick(9); n > 0; --n)
        list.Entries.push_back(input.Bytes(12));
    TComboTypeAhead search(list);
    list.Search = &search;
    search.BeepOnInvalidKey = input.Pick(4) != 0;

    while (input.Left() > 0) {
        const std::uint8_t kind = input.Byte(), value = input.Byte();
        const std::string before = search.Prefix();
        const int beeps = list.Beeps;
        list.TimerInside = kind & 8;
        switch (kind % 8) {
        case 0:
        case 1:
        case 2: {
            const TComboTypeAhead::TAfter after = search.Char(value);
            if (value >= 32) {
                // Found: the prefix grew by the character and names the selected entry; else nothing changed.
                const bool found = after == TComboTypeAhead::TAfter::KeyPress;
                FUZZ_CHECK(search.Prefix() == (found ? before + static_cast<char>(value) : before));
                FUZZ_CHECK(!found || BeginsWith(list.Entries[list.Selected], search.Prefix()));
            } else if (value == 8 && !before.empty()) {
                // Backspace takes one character, and what is left still names an entry: never a beep.
                const std::size_t cut = before.size() - search.Prefix().size();
                FUZZ_CHECK(before.compare(0, search.Prefix().size(), search.Prefix()) == 0);
                FUZZ_CHECK(
                    cut == 1 ||
                    (cut == 2 && list.IsLeadByte(static_cast<unsigned char>(before[before.size() - 2]))));
                FUZZ_CHECK(list.Beeps == beeps);
            } else if (value != 8 && value != 27) {
                FUZZ_CHECK(after == TComboTypeAhead::TAfter::System && search.Prefix() == before);
            }
            break;
        }
        case 3:
        case 4:
            search.KeyDown(value, kind & 16);
            if (value == 27 || (value >= 33 && value <= 40))
                FUZZ_CHECK(search.Prefix().empty());
            break;
        case 5:
            search.TimerExpired();
            FUZZ_CHECK(search.Prefix().empty());
            break;
        case 6:
            search.FocusLost();
            FUZZ_CHECK(search.Prefix().empty());
            break;
        default:
            break;
        }
        FUZZ_CHECK(search.Prefix().empty() || list.FindPrefix(search.Prefix()) >= 0);
        FUZZ_CHECK(search.BeepOnInvalidKey || list.Beeps == 0);
    }
    return 0;
}
