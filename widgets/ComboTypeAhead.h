#pragma once
// The mode list's type-ahead search, without windows.h: typed characters collect into a prefix
// that selects the first entry beginning with it; a window timer clears the prefix 1500 ms after
// the last printable character. The list window supplies the search, selection and timer.
#include <string>

// What the search needs from the list.
class TTypeAheadHost {
public:
    virtual ~TTypeAheadHost() = default;
    // Position of the first entry that begins with prefix (letter case ignored), -1 for none.
    virtual int FindPrefix(const std::string& prefix) = 0;
    // Selects the entry and fires the list's OnClick and OnChange.
    virtual void SelectAndNotify(int index) = 0;
    virtual void Beep() = 0;
    // (Re)starts the one-shot reset timer.
    virtual void RestartTimer() = 0;
    // Whether a byte starts a double-byte character in the list's code page.
    virtual bool IsLeadByte(unsigned char byte) = 0;
};

class TComboTypeAhead {
public:
    static constexpr unsigned ResetMilliseconds = 1500;

    // What becomes of a character after the search saw it.
    enum class TAfter {
        KeyPress, // goes to the control's key-press handling only (the system list never sees it)
        Consumed, // handled completely
        System    // not the search's: the system list handles it
    };

    explicit TComboTypeAhead(TTypeAheadHost& host) : host_(host) {}

    bool BeepOnInvalidKey = true;

    // A character message of the list.
    TAfter Char(unsigned char key);
    // A key going down; droppedDown tells whether the drop-down list is open at that moment.
    void KeyDown(unsigned virtualKey, bool droppedDown);
    // The reset timer ran out. Ignored while a character is being handled (its handlers may
    // pump messages).
    void TimerExpired();
    void FocusLost() { prefix_.clear(); }

    const std::string& Prefix() const { return prefix_; }
    bool EscapeWhileDropped() const { return escapeWhileDropped_; }

private:
    // Searches with candidate: selects, keeps it as the prefix and answers true when found.
    bool Search(const std::string& candidate);
    void InvalidKey();
    // The prefix without its last character (a whole double-byte character).
    std::string WithoutLastCharacter() const;

    TTypeAheadHost& host_;
    std::string prefix_;
    bool escapeWhileDropped_ = false;
    bool inChar_ = false;
};
