// The mode list's type-ahead search and wheel stepping, over the four mode entries: key sequences
// with their times against the selection, beeps and events they give, the 1500 ms reset played
// out by a simulated window timer; the wheel's carried remainder and its steps.
#include "widgets/ComboTypeAhead.h"
#include "widgets/ComboWheel.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

// The mode entries as code page 936 bytes: 简 is B C C C, 体 is CC E5, 繁 is B7 B1.
const std::vector<std::string> kEntries = {"\xBC\xF2\xCC\xE5 -> \xB7\xB1\xCC\xE5",
                                           "\xB7\xB1\xCC\xE5 -> \xBC\xF2\xCC\xE5", "BIG5 -> \xBC\xF2\xCC\xE5",
                                           "\xBC\xF2\xCC\xE5 -> BIG5"};

// The list as the search sees it, with a window timer that the test's clock runs out.
class TFakeList : public TTypeAheadHost {
public:
    int FindPrefix(const std::string& prefix) override {
        for (size_t i = 0; i < kEntries.size(); ++i) {
            const std::string& e = kEntries[i];
            bool match = e.size() >= prefix.size();
            for (size_t k = 0; match && k < prefix.size(); ++k)
                match = std::toupper(static_cast<unsigned char>(e[k])) ==
                        std::toupper(static_cast<unsigned char>(prefix[k]));
            if (match)
                return static_cast<int>(i);
        }
        return -1;
    }
    void SelectAndNotify(int index) override {
        selected = index;
        events += "notify ";
        if (onNotify)
            onNotify();
    }
    void Beep() override { events += "beep "; }
    void RestartTimer() override { deadline = now + TComboTypeAhead::ResetMilliseconds; }
    bool IsLeadByte(unsigned char byte) override { return byte >= 0x81 && byte <= 0xFE; }

    int selected = 0;
    std::string events;
    long now = 0;
    long deadline = -1;
    void (*onNotify)() = nullptr;
};

constexpr unsigned kVkEscape = 27, kVkDown = 40, kVkHome = 36, kVkShift = 16;

// One input at a time (ms from the start): a character, or <Esc> (key down and character with the
// list closed), <EscOpen> (the same while it is open), <Down>, <Home>, <Shift> (keys going down
// only), <BS> (Backspace), <Kill> (focus lost).
struct TStep {
    long At;
    std::string Input;
    int Selected;
    std::string Events;
    std::string Prefix;
};

struct TSequence {
    const char* Name;
    std::vector<TStep> Steps;
    bool Beep = true;
};

void Play(TComboTypeAhead& search, const std::string& input) {
    if (input == "<Esc>" || input == "<EscOpen>") {
        search.KeyDown(kVkEscape, input == "<EscOpen>");
        search.Char(27);
    } else if (input == "<Down>" || input == "<Home>" || input == "<Shift>") {
        search.KeyDown(input == "<Down>" ? kVkDown : input == "<Home>" ? kVkHome : kVkShift, false);
    } else if (input == "<BS>") {
        search.Char(8);
    } else if (input == "<Kill>") {
        search.FocusLost();
    } else {
        for (char c : input)
            search.Char(static_cast<unsigned char>(c));
    }
}

TEST(ComboTypeAhead, KeySequencesSelectBeepAndNotifyAsTimed) {
    const std::string jian = "\xBC\xF2", ti = "\xCC\xE5";
    const TSequence sequences[] = {
        {"B then I within the reset keeps BIG5",
         {{0, "B", 2, "notify ", "B"}, {500, "I", 2, "notify ", "BI"}}},
        {"lower case b finds BIG5 too", {{0, "b", 2, "notify ", "b"}}},
        {"B, 2 s, I: the prefix was reset, I beeps",
         {{0, "B", 2, "notify ", "B"}, {2000, "I", 2, "beep ", ""}}},
        {"each printable character restarts the timer",
         {{0, "B", 2, "notify ", "B"}, {1400, "I", 2, "notify ", "BI"}, {2800, "G", 2, "notify ", "BIG"}}},
        {"Backspace does not restart the timer",
         {{0, "B", 2, "notify ", "B"},
          {1000, "I", 2, "notify ", "BI"},
          {1400, "<BS>", 2, "notify ", "B"},
          {2600, "I", 2, "beep ", ""}}},
        {"B then Backspace selects the first entry",
         {{0, "B", 2, "notify ", "B"}, {100, "<BS>", 0, "notify ", ""}}},
        {"Backspace on an empty prefix beeps, then takes what the empty search finds",
         {{0, "B", 2, "notify ", "B"}, {2000, "<BS>", 0, "beep notify ", ""}}},
        {"X beeps and keeps the selection", {{0, "X", 0, "beep ", ""}}},
        {"X after B keeps B as the prefix", {{0, "B", 2, "notify ", "B"}, {100, "X", 2, "beep ", "B"}}},
        {"without BeepOnInvalidKey X is silent", {{0, "X", 0, "", ""}}, false},
        {"Esc on the closed list selects the first entry",
         {{0, "B", 2, "notify ", "B"}, {100, "<Esc>", 0, "notify ", ""}}},
        {"Esc on the open list only closes it", {{0, "B", 2, "notify ", "B"}, {100, "<EscOpen>", 2, "", ""}}},
        {"Esc after an Esc on the open list selects again",
         {{0, "B", 2, "notify ", "B"}, {100, "<EscOpen>", 2, "", ""}, {200, "<Esc>", 0, "notify ", ""}}},
        {"a navigation key clears the prefix", {{0, "B", 2, "notify ", "B"}, {100, "<Down>", 2, "", ""}}},
        {"Home clears it too, Shift does not",
         {{0, "B", 2, "notify ", "B"}, {50, "<Shift>", 2, "", "B"}, {100, "<Home>", 2, "", ""}}},
        {"focus loss clears the prefix", {{0, "B", 2, "notify ", "B"}, {100, "<Kill>", 2, "", ""}}},
        {"Backspace removes a whole double-byte character",
         {{0, jian + ti, 0, "notify notify notify notify ", jian + ti},
          {100, "<BS>", 0, "notify ", jian},
          {200, "<BS>", 0, "notify ", ""}}},
        {"a double-byte prefix finds the Traditional entry",
         {{0, "\xB7\xB1", 1, "notify notify ", "\xB7\xB1"}, {100, "B", 1, "beep ", "\xB7\xB1"}}},
    };
    for (const TSequence& s : sequences) {
        SCOPED_TRACE(s.Name);
        TFakeList list;
        TComboTypeAhead search(list);
        search.BeepOnInvalidKey = s.Beep;
        for (const TStep& step : s.Steps) {
            SCOPED_TRACE(step.Input);
            list.now = step.At;
            if (list.deadline >= 0 && list.now >= list.deadline) {
                list.deadline = -1;
                search.TimerExpired();
            }
            list.events.clear();
            Play(search, step.Input);
            EXPECT_EQ(step.Selected, list.selected);
            EXPECT_EQ(step.Events, list.events);
            EXPECT_EQ(step.Prefix, search.Prefix());
        }
    }
}

TEST(ComboTypeAhead, CharactersGoOnOnlyWhenTheSearchTookThem) {
    TFakeList list;
    TComboTypeAhead search(list);
    using A = TComboTypeAhead::TAfter;
    const struct {
        unsigned char Key;
        A After;
    } cases[] = {{'B', A::KeyPress}, {'X', A::Consumed}, {8, A::KeyPress}, {27, A::Consumed},
                 {13, A::System},    {9, A::System},     {1, A::System}};
    for (const auto& c : cases)
        EXPECT_EQ(c.After, search.Char(c.Key)) << int(c.Key);
}

TComboTypeAhead* reentrantSearch = nullptr;

TEST(ComboTypeAhead, TimerHandledDuringACharacterLeavesThePrefix) {
    TFakeList list;
    TComboTypeAhead search(list);
    reentrantSearch = &search;
    // An OnChange handler that pumps messages lets the timer in while the character is handled.
    list.onNotify = [] { reentrantSearch->TimerExpired(); };
    search.Char('B');
    EXPECT_EQ("B", search.Prefix());
    list.onNotify = nullptr;
    search.TimerExpired();
    EXPECT_EQ("", search.Prefix());
}

TEST(ComboWheel, RemainderCarriesWithItsSign) {
    const struct {
        std::vector<int> Deltas;
        std::vector<int> Steps;
        int Remainder;
    } cases[] = {
        {{-120}, {-1}, 0},
        {{60, 60}, {0, 1}, 0},
        {{-60, -60}, {0, -1}, 0},
        {{240}, {2}, 0},
        {{-300}, {-2}, -60},
        {{100, -100}, {0, 0}, 0},
        {{90, 90, 90}, {0, 1, 1}, 30},
        {{-130, 20}, {-1, 0}, 10},
        {{-30, 60, 90}, {0, 0, 1}, 0},
    };
    for (const auto& c : cases) {
        TWheelAccumulator wheel;
        std::vector<int> steps;
        for (int d : c.Deltas)
            steps.push_back(wheel.Add(d));
        EXPECT_EQ(c.Steps, steps) << ::testing::PrintToString(c.Deltas);
        EXPECT_EQ(c.Remainder, wheel.Remainder()) << ::testing::PrintToString(c.Deltas);
    }
}

TEST(ComboWheel, StepsOfTheClosedAndOpenList) {
    const struct {
        int Selected;
        bool Toward;
        int Index;
        bool Notify;
    } closed[] = {{0, true, 1, true},  {-1, true, 0, true}, {3, true, 4, true}, // no bound check
                  {2, false, 1, true}, {1, false, 0, true}, {0, false, 0, false}, {-1, false, 0, false}};
    for (const auto& c : closed) {
        TWheelSelection s = WheelStepSelection(c.Selected, c.Toward);
        EXPECT_EQ(c.Index, s.Index) << c.Selected << (c.Toward ? " toward" : " away");
        EXPECT_EQ(c.Notify, s.Notify) << c.Selected << (c.Toward ? " toward" : " away");
    }
    const struct {
        int Top, Lines;
        bool Toward;
        int NewTop;
    } open[] = {{0, 3, true, 3}, {3, 3, false, 0}, {2, 3, false, 0}, {0, 1, false, 0}, {5, 1, false, 4}};
    for (const auto& o : open)
        EXPECT_EQ(o.NewTop, WheelStepTopIndex(o.Top, o.Lines, o.Toward)) << o.Top << " " << o.Lines;
}

} // namespace
