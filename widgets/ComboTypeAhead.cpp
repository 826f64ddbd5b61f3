#include "widgets/ComboTypeAhead.h"

namespace {

constexpr unsigned char kBackspace = 8;
constexpr unsigned char kEscape = 27;
// Virtual keys that move in a list: Page Up, Page Down, End, Home and the four arrows.
constexpr unsigned kFirstNavigationKey = 33;
constexpr unsigned kLastNavigationKey = 40;
constexpr unsigned kEscapeKey = 27;

// Keeps a flag set for the life of a scope, so that a timer handled meanwhile is recognised.
class TScopedFlag {
public:
    explicit TScopedFlag(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~TScopedFlag() { flag_ = saved_; }
    TScopedFlag(const TScopedFlag&) = delete;
    TScopedFlag& operator=(const TScopedFlag&) = delete;

private:
    bool& flag_;
    bool saved_;
};

} // namespace

bool TComboTypeAhead::Search(const std::string& candidate) {
    int index = host_.FindPrefix(candidate);
    if (index < 0)
        return false;
    prefix_ = candidate;
    host_.SelectAndNotify(index);
    return true;
}

void TComboTypeAhead::InvalidKey() {
    if (BeepOnInvalidKey)
        host_.Beep();
}

std::string TComboTypeAhead::WithoutLastCharacter() const {
    // Walk from the start: a lead byte and its trail byte form one character.
    size_t last = 0;
    for (size_t i = 0; i < prefix_.size();) {
        last = i;
        bool pair = host_.IsLeadByte(static_cast<unsigned char>(prefix_[i])) && i + 1 < prefix_.size();
        i += pair ? 2 : 1;
    }
    return prefix_.substr(0, last);
}

TComboTypeAhead::TAfter TComboTypeAhead::Char(unsigned char key) {
    TScopedFlag busy(inChar_);
    if (key >= 32) {
        bool found = Search(prefix_ + static_cast<char>(key));
        if (!found)
            InvalidKey();
        host_.RestartTimer();
        return found ? TAfter::KeyPress : TAfter::Consumed;
    }
    if (key == kBackspace) {
        if (prefix_.empty()) {
            InvalidKey();
            if (Search(std::string()))
                return TAfter::KeyPress;
            InvalidKey();
            return TAfter::Consumed;
        }
        std::string rest = WithoutLastCharacter();
        if (rest.empty()) {
            prefix_.clear();
            host_.SelectAndNotify(0);
            return TAfter::KeyPress;
        }
        if (Search(rest))
            return TAfter::KeyPress;
        InvalidKey();
        return TAfter::Consumed;
    }
    if (key == kEscape) {
        if (escapeWhileDropped_)
            escapeWhileDropped_ = false;
        else
            host_.SelectAndNotify(0);
        return TAfter::Consumed;
    }
    return TAfter::System;
}

void TComboTypeAhead::KeyDown(unsigned virtualKey, bool droppedDown) {
    if (virtualKey == kEscapeKey) {
        escapeWhileDropped_ = droppedDown;
        prefix_.clear();
    } else if (virtualKey >= kFirstNavigationKey && virtualKey <= kLastNavigationKey) {
        prefix_.clear();
    }
}

void TComboTypeAhead::TimerExpired() {
    if (!inChar_)
        prefix_.clear();
}
