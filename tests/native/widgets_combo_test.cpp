// The mode list's type-ahead search and wheel stepping over the four mode entries: key sequences with
// their times against the selection, beeps, events and prefix, the 1500 ms reset played out by a
// simulated window timer; the wheel's carried remainder and its steps.
#include "widgets/ComboTypeAhead.h"
#include "widgets/ComboWheel.h"

#include <gtest/gtest.h>

#include <strings.h>

#include <climits>
#include <string>
#include <vector>

namespace {

// Code page 936: 简 BCF2, 体 CCE5, 繁 B7B1.
const std::vector<std::string> kEntries = {"\xBC\xF2\xCC\xE5 -> \xB7\xB1\xCC\xE5",
                                           "\xB7\xB1\xCC\xE5 -> \xBC\xF2\xCC\xE5", "BIG5 -> \xBC\xF2\xCC\xE5",
                                           "\xBC\xF2\xCC\xE5 -> BIG5"};

struct TFakeList : TTypeAheadHost {
    int FindPrefix(const std::string& p) override {
        for (size_t i = 0; i < kEntries.size(); ++i)
            if (strncasecmp(kEntries[i].c_str(), p.c_str(), p.size()) == 0)
                return static_cast<int>(i);
        return -1;
    }
    void SelectAndNotify(int index) override {
        selected = index;
        events += "notify ";
        if (reenter)
            reenter->TimerExpired();
    }
    void Beep() override { events += "beep "; }
    void RestartTimer() override { deadline = now + TComboTypeAhead::ResetMilliseconds; }
    bool IsLeadByte(unsigned char b) override { return b >= 0x81 && b <= 0xFE; }
    int selected = 0;
    std::string events;
    long now = 0, deadline = -1;
    TComboTypeAhead* reenter = nullptr; // a timer handled while a character is
};

// Input at a time (ms): characters, or <Esc>/<EscOpen> (key down with the list closed/open, then the
// character), <Down>, <Home>, <Shift> (key down only), <BS>, <Kill> (focus lost).
struct TStep {
    long At;
    std::string Input;
    int Selected;
    std::string Events, Prefix;
};

void Play(TComboTypeAhead& search, const std::string& in) {
    const unsigned key = in == "<Down>" ? 40 : in == "<Home>" ? 36 : in == "<Shift>" ? 16 : 27;
    if (in == "<BS>")
        search.Char(8);
    else if (in == "<Kill>")
        search.FocusLost();
    else if (in[0] != '<')
        for (char c : in)
            search.Char(static_cast<unsigned char>(c));
    else
        search.KeyDown(key, in == "<EscOpen>");
    if (in == "<Esc>" || in == "<EscOpen>")
        search.Char(27);
}

TEST(ComboTypeAhead, KeySequencesSelectBeepAndNotifyAsTimed) {
    const std::string jian = "\xBC\xF2", ti = "\xCC\xE5", fan = "\xB7\xB1", n = "notify ";
    const struct {
        const char* Name;
        std::vector<TStep> Steps;
        bool Beep = true;
    } sequences[] = {
        {"B, I within the reset keeps BIG5", {{0, "B", 2, n, "B"}, {500, "I", 2, n, "BI"}}},
        {"lower case b finds BIG5 too", {{0, "b", 2, n, "b"}}},
        {"B, 2 s, I: reset, I beeps", {{0, "B", 2, n, "B"}, {2000, "I", 2, "beep ", ""}}},
        {"printables restart the timer",
         {{0, "B", 2, n, "B"}, {1400, "I", 2, n, "BI"}, {2800, "G", 2, n, "BIG"}}},
        {"Backspace does not restart it",
         {{0, "B", 2, n, "B"},
          {1000, "I", 2, n, "BI"},
          {1400, "<BS>", 2, n, "B"},
          {2600, "I", 2, "beep ", ""}}},
        {"B, Backspace: the first entry", {{0, "B", 2, n, "B"}, {100, "<BS>", 0, n, ""}}},
        {"Backspace on no prefix beeps, then searches with none", {{0, "<BS>", 0, "beep notify ", ""}}},
        {"X beeps, keeps the selection and prefix", {{0, "B", 2, n, "B"}, {100, "X", 2, "beep ", "B"}}},
        {"without BeepOnInvalidKey X is silent", {{0, "X", 0, "", ""}}, false},
        {"Esc on the closed list: the first entry", {{0, "B", 2, n, "B"}, {100, "<Esc>", 0, n, ""}}},
        {"Esc on the open list only closes it",
         {{0, "B", 2, n, "B"}, {100, "<EscOpen>", 2, "", ""}, {200, "<Esc>", 0, n, ""}}},
        {"navigation keys and focus loss clear the prefix, Shift does not",
         {{0, "B", 2, n, "B"},
          {50, "<Shift>", 2, "", "B"},
          {90, "<Home>", 2, "", ""},
          {100, "B", 2, n, "B"},
          {150, "<Down>", 2, "", ""},
          {200, "B", 2, n, "B"},
          {250, "<Kill>", 2, "", ""}}},
        {"Backspace removes a whole double-byte character",
         {{0, jian + ti, 0, n + n + n + n, jian + ti}, {100, "<BS>", 0, n, jian}, {200, "<BS>", 0, n, ""}}},
        {"a double-byte prefix finds its entry", {{0, fan, 1, n + n, fan}, {100, "B", 1, "beep ", fan}}},
    };
    for (const auto& s : sequences) {
        SCOPED_TRACE(s.Name);
        TFakeList list;
        TComboTypeAhead search(list);
        search.BeepOnInvalidKey = s.Beep;
        for (const TStep& step : s.Steps) {
            list.now = step.At;
            if (list.deadline >= 0 && list.now >= list.deadline) {
                list.deadline = -1;
                search.TimerExpired();
            }
            list.events.clear();
            Play(search, step.Input);
            EXPECT_EQ(step.Selected, list.selected) << step.Input;
            EXPECT_EQ(step.Events, list.events) << step.Input;
            EXPECT_EQ(step.Prefix, search.Prefix()) << step.Input;
        }
    }
}

TEST(ComboTypeAhead, CharactersGoOnOnlyWhenTheSearchTookThemAndTimersWaitForThem) {
    TFakeList list;
    TComboTypeAhead search(list);
    using A = TComboTypeAhead::TAfter;
    const std::pair<unsigned char, A> cases[] = {{'B', A::KeyPress}, {'X', A::Consumed}, {8, A::KeyPress},
                                                 {27, A::Consumed},  {13, A::System},    {9, A::System}};
    for (const auto& c : cases)
        EXPECT_EQ(c.second, search.Char(c.first)) << int(c.first);
    // A handler that pumps messages lets the timer in while a character is handled: it waits.
    list.reenter = &search;
    search.Char('B');
    EXPECT_EQ("B", search.Prefix());
}

TEST(ComboWheel, RemainderCarriesWithItsSignAndStepsMoveTheList) {
    const struct {
        std::vector<int> Deltas, Steps;
        int Remainder;
    } wheels[] = {{{-120}, {-1}, 0},
                  {{60, 60}, {0, 1}, 0},
                  {{-60, -60}, {0, -1}, 0},
                  {{240}, {2}, 0},
                  {{-300}, {-2}, -60},
                  {{100, -100}, {0, 0}, 0},
                  {{90, 90, 90}, {0, 1, 1}, 30},
                  {{-130, 20}, {-1, 0}, 10},
                  {{119, INT_MAX}, {0, 17895698}, 6}};
    for (const auto& c : wheels) {
        TWheelAccumulator wheel;
        std::vector<int> steps;
        for (int d : c.Deltas)
            steps.push_back(wheel.Add(d));
        EXPECT_EQ(c.Steps, steps) << ::testing::PrintToString(c.Deltas);
        EXPECT_EQ(c.Remainder, wheel.Remainder()) << ::testing::PrintToString(c.Deltas);
    }
    // Closed list: toward the user the next position, unchecked past the last (fires); away, the
    // one before (fires) or, from the first or none, the first (silent).
    const int closed[][4] = {{0, 1, 1, 1}, {-1, 1, 0, 1}, {3, 1, 4, 1},
                             {2, 0, 1, 1}, {0, 0, 0, 0},  {-1, 0, 0, 0}};
    for (const auto& c : closed) {
        TWheelSelection s = WheelStepSelection(c[0], c[1] != 0);
        EXPECT_EQ(c[2], s.Index) << c[0] << " " << c[1];
        EXPECT_EQ(c[3] != 0, s.Notify) << c[0] << " " << c[1];
    }
    // Open list: the first visible entry moves by the wheel lines, never above the first.
    EXPECT_EQ(3, WheelStepTopIndex(0, 3, true));
    EXPECT_EQ(0, WheelStepTopIndex(2, 3, false));
    EXPECT_EQ(4, WheelStepTopIndex(5, 1, false));
    EXPECT_EQ(INT_MAX, WheelStepTopIndex(INT_MAX - 1, 3, true));
}

} // namespace
