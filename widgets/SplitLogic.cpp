#include "widgets/SplitLogic.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

namespace {

constexpr unsigned kEscape = 27;

int NonNegative(int value) {
    return value < 0 ? 0 : value;
}

} // namespace

TSplitLayout LayoutSplit(const TSplitGeometry& g) {
    TSplitLayout out;
    const int b = g.Border;
    const int w = NonNegative(g.Width - 2 * b);
    const int h = NonNegative(g.Height - 2 * b);
    const bool horizontal = g.Orientation == orHorizontal;
    if (!g.UpperLeftVisible || !g.LowerRightVisible) {
        // The one that shows takes everything; the bar and the hidden pane have no extent.
        TBounds whole{b, b, w, h};
        TBounds none = horizontal ? TBounds{b, b, 0, h} : TBounds{b, b, w, 0};
        out.UpperLeft = g.UpperLeftVisible ? whole : none;
        out.LowerRight = g.UpperLeftVisible ? none : whole;
        return out;
    }
    const int p = g.Position;
    const int after = p + g.SplitterWidth;
    if (horizontal) {
        out.UpperLeft = {b, b, NonNegative(p), h};
        out.LowerRight = {b + after, b, NonNegative(w - after), h};
        int bar[4] = {b + p, b, b + after, b + h};
        std::copy(bar, bar + 4, out.Bar);
    } else {
        out.UpperLeft = {b, b, w, NonNegative(p)};
        out.LowerRight = {b, b + after, w, NonNegative(h - after)};
        int bar[4] = {b, b + p, b + w, b + after};
        std::copy(bar, bar + 4, out.Bar);
    }
    return out;
}

int ClampSplitPosition(int position, const TSplitLimits& limits) {
    // A hidden pane leaves nothing to keep apart.
    if (!limits.BothVisible)
        return position;
    if (position < limits.MarginMin)
        position = limits.MarginMin;
    const int limit = limits.Size - limits.MarginMax - limits.SplitterWidth - 2 * limits.Border;
    if (position > limit)
        position = limit;
    return position;
}

int DivideRoundHalfEven(long long numerator, long long denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    // Truncation went towards zero: make the quotient the floor, the remainder non-negative.
    if (remainder < 0) {
        --quotient;
        remainder += denominator;
    }
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && (quotient % 2 != 0)))
        ++quotient;
    return static_cast<int>(quotient);
}

int SplitPercent(int position, int size, int splitterWidth) {
    const int divisor = size - splitterWidth / 2;
    if (divisor == 0)
        return 0;
    return DivideRoundHalfEven(static_cast<long long>(position) * 100, divisor);
}

std::vector<std::string> ParseStoredList(const std::string& text) {
    std::string inner = text;
    for (char& c : inner)
        if (c == '(' || c == ')')
            c = ' ';
    std::istringstream words(inner);
    std::vector<std::string> out;
    for (std::string word; words >> word;)
        out.push_back(word);
    return out;
}

bool ParseStoredInt(const std::string& text, int& value) {
    std::vector<std::string> words = ParseStoredList(text);
    if (words.size() != 1)
        return false;
    char* end = nullptr;
    long parsed = std::strtol(words[0].c_str(), &end, 10);
    if (end == words[0].c_str() || *end != '\0' || parsed < -2147483647L - 1 || parsed > 2147483647L)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool ParseStoredBool(const std::string& text, bool& value) {
    std::vector<std::string> words = ParseStoredList(text);
    if (words.size() != 1)
        return false;
    std::string word = words[0];
    for (char& c : word)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word != "true" && word != "false")
        return false;
    value = word == "true";
    return true;
}

// --- the drag ---

bool TSplitDrag::Press(TMouseButton button, int pointer, int size, bool onBar, bool lockBar, bool realTime) {
    if (dragging_ || button != mbLeft || !onBar || lockBar)
        return false;
    realTime_ = realTime;
    // The focus first, so that Escape reaches the splitter; a real-time drag leaves it where it is.
    if (!realTime_)
        host_.DragTakeFocus();
    host_.DragCapture(true);
    dragging_ = true;
    grab_ = pointer - size / 2;
    start_ = host_.DragPosition();
    lastGhost_ = start_;
    if (!realTime_)
        host_.DragGhost(lastGhost_);
    return true;
}

void TSplitDrag::Move(int pointer, int size) {
    if (!dragging_)
        return;
    // The start position plus the distance the pointer has moved since the press.
    int candidate = host_.DragClamp(pointer + start_ - size / 2 - grab_);
    if (!host_.DragAllowed(candidate))
        return;
    if (candidate != lastGhost_) {
        if (realTime_) {
            host_.DragTake(candidate);
            host_.DragRestore(host_.DragPosition());
        } else {
            host_.DragGhost(lastGhost_);
            host_.DragGhost(candidate);
        }
    }
    lastGhost_ = candidate;
}

void TSplitDrag::Release(TMouseButton button) {
    if (!dragging_ || button != mbLeft)
        return;
    Finish(true);
}

void TSplitDrag::Key(unsigned key) {
    if (!dragging_ || key != kEscape)
        return;
    Finish(false);
}

void TSplitDrag::Finish(bool take) {
    // Out of the drag before the capture goes, so the capture change that follows is no loss.
    dragging_ = false;
    host_.DragCapture(false);
    if (realTime_)
        return;
    host_.DragGhost(lastGhost_);
    if (take)
        host_.DragTake(lastGhost_);
    host_.DragRestore(host_.DragPosition());
}

void TSplitDrag::CaptureLost() {
    // The capture is gone already and the user chose nothing: only the outline has to go.
    if (!dragging_)
        return;
    dragging_ = false;
    if (!realTime_)
        host_.DragGhost(lastGhost_);
}
