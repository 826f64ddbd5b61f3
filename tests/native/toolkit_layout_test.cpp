// Alignment and anchoring of child controls: plain geometry.
#include "toolkit/AlignLayout.h"

#include <gtest/gtest.h>

// Found by the test framework through the argument's (global) namespace.
static void PrintTo(const TBounds& b, std::ostream* os) {
    *os << "(" << b.Left << "," << b.Top << " " << b.Width << "x" << b.Height << ")";
}

namespace {

TEST(AnchoredBounds, KeepsTheDistanceToEachAnchoredEdge) {
    // Bounds taken in a 713 x 486 parent, then the parent grows by 100 x 50.
    const TAnchorBase base{{661, 1, 43, 17}, 713, 486};
    struct Case {
        const char* Name;
        TAnchors Anchors;
        TBounds Expected;
    } cases[] = {
        {"left top (default): stays", akLeft | akTop, {661, 1, 43, 17}},
        {"top right: moves with the right edge", akTop | akRight, {761, 1, 43, 17}},
        {"left right: stretches", akLeft | akTop | akRight, {661, 1, 143, 17}},
        {"all four: stretches both ways", akLeft | akTop | akRight | akBottom, {661, 1, 143, 67}},
        {"bottom only: moves down", akLeft | akBottom, {661, 51, 43, 17}},
        {"no side: keeps its relative place", 0, {711, 26, 43, 17}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AnchoredBounds(base, c.Anchors, 813, 536), c.Expected) << c.Name;
}

TEST(AnchoredBounds, IsMeasuredFromTheBaseNotFromTheLastResult) {
    // Shrinking and growing back returns exactly to the start: no drift from rounding.
    const TAnchorBase base{{12, 97, 688, 377}, 713, 486};
    TAnchors all = akLeft | akTop | akRight | akBottom;
    EXPECT_EQ(AnchoredBounds(base, all, 500, 400), (TBounds{12, 97, 475, 291}));
    EXPECT_EQ(AnchoredBounds(base, all, 713, 486), base.Bounds);
    // Unanchored centring with an odd change rounds the same way each time.
    EXPECT_EQ(AnchoredBounds(base, 0, 714, 487).Left, 12);
    EXPECT_EQ(AnchoredBounds(base, 0, 715, 488).Left, 13);
}

TEST(AnchoredBounds, AStretchedControlNeverGetsANegativeSize) {
    const TAnchorBase base{{10, 10, 50, 20}, 100, 100};
    TBounds b = AnchoredBounds(base, akLeft | akTop | akRight | akBottom, 20, 0);
    EXPECT_EQ(b.Width, 0);
    EXPECT_EQ(b.Height, 0);
}

TEST(AlignItems, HeaderOnTopAndEditFillingTheRest) {
    // A pane 342 x 377 with a 25-pixel header aligned to the top and an edit filling the rest;
    // the edit was created first and placed anywhere.
    std::vector<TAlignItem> items{{alClient, true, {5, 5, 10, 10}}, {alTop, true, {0, 0, 342, 25}}};
    AlignItems({0, 0, 342, 377}, items);
    EXPECT_EQ(items[1].Bounds, (TBounds{0, 0, 342, 25}));
    EXPECT_EQ(items[0].Bounds, (TBounds{0, 25, 342, 352}));
}

TEST(AlignItems, SidesAreTakenInOrderTopBottomLeftRightClient) {
    std::vector<TAlignItem> items{
        {alClient, true, {}},          {alRight, true, {0, 0, 30, 0}},
        {alLeft, true, {0, 0, 20, 0}}, {alBottom, true, {0, 0, 0, 15}},
        {alTop, true, {0, 0, 0, 10}},  {alNone, true, {7, 7, 7, 7}},
    };
    AlignItems({0, 0, 200, 100}, items);
    EXPECT_EQ(items[4].Bounds, (TBounds{0, 0, 200, 10}));
    EXPECT_EQ(items[3].Bounds, (TBounds{0, 85, 200, 15}));
    EXPECT_EQ(items[2].Bounds, (TBounds{0, 10, 20, 75}));
    EXPECT_EQ(items[1].Bounds, (TBounds{170, 10, 30, 75}));
    EXPECT_EQ(items[0].Bounds, (TBounds{20, 10, 150, 75}));
    EXPECT_EQ(items[5].Bounds, (TBounds{7, 7, 7, 7}));
}

TEST(AlignItems, SameSideStacksInTheOrderOfCurrentPosition) {
    // Two top-aligned bars: the one placed higher stays on top whatever the list order.
    std::vector<TAlignItem> items{{alTop, true, {0, 40, 0, 10}}, {alTop, true, {0, 5, 0, 20}}};
    AlignItems({0, 0, 100, 100}, items);
    EXPECT_EQ(items[1].Bounds, (TBounds{0, 0, 100, 20}));
    EXPECT_EQ(items[0].Bounds, (TBounds{0, 20, 100, 10}));
}

TEST(AlignItems, HiddenItemsTakeNoSpaceAndAClientAreaCanShrinkToNothing) {
    std::vector<TAlignItem> items{{alTop, false, {0, 0, 0, 30}},
                                  {alTop, true, {0, 0, 0, 80}},
                                  {alBottom, true, {0, 0, 0, 50}},
                                  {alClient, true, {}}};
    AlignItems({0, 0, 100, 100}, items);
    EXPECT_EQ(items[0].Bounds, (TBounds{0, 0, 0, 30})) << "left alone";
    EXPECT_EQ(items[1].Bounds, (TBounds{0, 0, 100, 80}));
    EXPECT_EQ(items[2].Bounds, (TBounds{0, 50, 100, 50}));
    EXPECT_EQ(items[3].Bounds.Height, 0);
    EXPECT_GE(items[3].Bounds.Width, 0);
}

TEST(AlignItems, WorksInsideAnInsetClientArea) {
    std::vector<TAlignItem> items{{alClient, true, {}}};
    AlignItems({1, 1, 98, 48}, items);
    EXPECT_EQ(items[0].Bounds, (TBounds{1, 1, 98, 48}));
}

} // namespace
