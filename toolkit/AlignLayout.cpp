#include "toolkit/AlignLayout.h"

#include <algorithm>
#include <numeric>

namespace {

// One axis of AnchoredBounds: position and length from the base and the change of the parent.
void AnchorAxis(int basePos, int baseLength, int delta, bool nearSide, bool farSide, int& pos, int& length) {
    pos = basePos;
    length = baseLength;
    if (nearSide && farSide)
        length = std::max(0, baseLength + delta);
    else if (farSide)
        pos = basePos + delta;
    else if (!nearSide)
        pos = basePos + delta / 2;
}

} // namespace

TBounds AnchoredBounds(const TAnchorBase& base, TAnchors anchors, int parentWidth, int parentHeight) {
    TBounds b;
    AnchorAxis(base.Bounds.Left, base.Bounds.Width, parentWidth - base.ParentWidth, anchors & akLeft,
               anchors & akRight, b.Left, b.Width);
    AnchorAxis(base.Bounds.Top, base.Bounds.Height, parentHeight - base.ParentHeight, anchors & akTop,
               anchors & akBottom, b.Top, b.Height);
    return b;
}

void AlignItems(const TBounds& client, std::vector<TAlignItem>& items) {
    int left = client.Left;
    int top = client.Top;
    int right = client.Right();
    int bottom = client.Bottom();

    auto ordered = [&](TAlign align) {
        std::vector<size_t> order;
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].Visible && items[i].Align == align)
                order.push_back(i);
        auto key = [&](size_t i) {
            const TBounds& b = items[i].Bounds;
            switch (align) {
            case alTop:
                return b.Top;
            case alBottom:
                return -b.Bottom();
            case alLeft:
                return b.Left;
            case alRight:
                return -b.Right();
            default:
                return 0;
            }
        };
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return key(a) < key(b); });
        return order;
    };

    for (size_t i : ordered(alTop)) {
        TBounds& b = items[i].Bounds;
        int h = std::max(0, std::min(b.Height, bottom - top));
        b = {left, top, std::max(0, right - left), b.Height};
        top += h;
    }
    for (size_t i : ordered(alBottom)) {
        TBounds& b = items[i].Bounds;
        int h = std::max(0, std::min(b.Height, bottom - top));
        b = {left, bottom - b.Height, std::max(0, right - left), b.Height};
        bottom -= h;
    }
    for (size_t i : ordered(alLeft)) {
        TBounds& b = items[i].Bounds;
        int w = std::max(0, std::min(b.Width, right - left));
        b = {left, top, b.Width, std::max(0, bottom - top)};
        left += w;
    }
    for (size_t i : ordered(alRight)) {
        TBounds& b = items[i].Bounds;
        int w = std::max(0, std::min(b.Width, right - left));
        b = {right - b.Width, top, b.Width, std::max(0, bottom - top)};
        right -= w;
    }
    for (size_t i : ordered(alClient))
        items[i].Bounds = {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}
