#include "painter/overlay/overlay_rules.h"

#include <gtest/gtest.h>

#include <tuple>

namespace bndx {
namespace {

constexpr ScreenRect kAt{100, 100, 400, 300};
constexpr ScreenRect kMoved{150, 120, 450, 320};
constexpr ScreenRect kWider{100, 100, 500, 300};

TargetView Shown(ScreenRect window) {
    TargetView view;
    view.exists = view.visible = true;
    view.window = window;
    return view;
}

TargetView With(ScreenRect window, bool TargetView::*flag, bool value = true) {
    TargetView view = Shown(window);
    view.*flag = value;
    return view;
}

TEST(OverlayRules, StepsForEachChangeOfTheTarget) {
    const struct {
        const char* name;
        TargetView before, now;
        int32_t pictureWidth;
        bool shown;
        OverlayStep expected; // destroy, show, place, askPicture
    } cases[] = {
        {"first picture", TargetView{}, Shown(kAt), 300, false, {false, true, true, false}},
        {"nothing changed", Shown(kAt), Shown(kAt), 300, true, {false, true, false, false}},
        {"moved", Shown(kAt), Shown(kMoved), 300, true, {false, true, true, false}},
        {"resized: hides and asks once", Shown(kAt), Shown(kWider), 300, true, {false, false, false, true}},
        {"still the old picture: asks no more", Shown(kWider), Shown(kWider), 300, false, {}},
        {"the new picture arrives", Shown(kWider), Shown(kWider), 400, false, {false, true, true, false}},
        {"minimised", Shown(kAt), With(kAt, &TargetView::minimised), 300, true, {}},
        {"restored resized", With(kAt, &TargetView::minimised), Shown(kWider), 300, false, {false, false, false, true}},
        {"hidden", Shown(kAt), With(kAt, &TargetView::visible, false), 300, true, {}},
        {"full screen", Shown(kAt), With(kAt, &TargetView::fullScreen), 300, true, {}},
        {"being moved", Shown(kAt), With(kMoved, &TargetView::movingOrSizing), 300, true, {}},
        {"gone", Shown(kAt), TargetView{}, 300, true, {true, false, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const OverlayStep step = NextStep(c.before, c.now, c.pictureWidth, c.shown);
        const auto tie = [](const OverlayStep& s) { return std::make_tuple(s.destroy, s.show, s.place, s.askPicture); };
        EXPECT_EQ(tie(step), tie(c.expected));
    }
}

TEST(OverlayRules, FullScreenCoversTheMonitorWithItsCaptionAboveIt) {
    constexpr ScreenRect monitor{0, 0, 1024, 768};
    EXPECT_TRUE(IsFullScreen({-8, -31, 1032, 776}, monitor, -8)) << "caption pushed above the screen";
    EXPECT_FALSE(IsFullScreen({-8, -8, 1032, 776}, monitor, 23)) << "maximised: the caption shows";
    EXPECT_FALSE(IsFullScreen({0, -31, 1024, 700}, monitor, -8)) << "does not reach the bottom";
}

TEST(OverlayRules, CoveredPartsAreWhereWindowsAboveTheTargetOverlapTheOverlayInItsOwnCoordinates) {
    const ScreenRect place{100, 50, 300, 70};
    const std::vector<ScreenRect> above{
        {0, 0, 100, 800},    // beside it, touching
        {250, 60, 400, 500}, // over its right end, from halfway down
        {120, 0, 140, 55},   // over its top left
        {0, 70, 999, 999},   // below it, touching
    };
    EXPECT_EQ(CoveredParts(place, above), (std::vector<ScreenRect>{{150, 10, 200, 20}, {20, 0, 40, 5}}));
    EXPECT_EQ(CoveredParts(place, {{0, 0, 999, 999}}), (std::vector<ScreenRect>{{0, 0, 200, 20}})) << "all of it";

    const std::vector<ScreenRect> before{{0, 0, 50, 20}, {100, 5, 200, 20}};
    EXPECT_TRUE(CoversNoMore({}, before)) << "uncovered";
    EXPECT_TRUE(CoversNoMore({{10, 0, 50, 20}, {150, 10, 200, 20}}, before)) << "windows above moved partly away";
    EXPECT_FALSE(CoversNoMore({{0, 0, 60, 20}}, before)) << "one reaches further";
    EXPECT_FALSE(CoversNoMore({{40, 0, 110, 20}}, before)) << "across both: a window moved over the gap";

    EXPECT_TRUE(CoversAll({{0, 0, 120, 20}, {100, 0, 200, 12}, {110, 10, 200, 20}}, 200, 20)) << "overlapping parts";
    EXPECT_FALSE(CoversAll({{0, 0, 120, 20}, {121, 0, 200, 20}}, 200, 20)) << "a column between";
    EXPECT_FALSE(CoversAll({{0, 0, 200, 10}, {0, 11, 200, 20}}, 200, 20)) << "a row between";
    EXPECT_FALSE(CoversAll({}, 200, 20));
}

TEST(OverlayRules, OnlyTheColumnsThatChangedGoToTheScreen) {
    OverlayPicture before;
    before.caption = CaptionRect{4, 4, 14, 7}; // 10 x 3
    before.pixels.assign(30, 0xFF000000);
    OverlayPicture after = before;
    EXPECT_EQ(ChangedColumns(before, after).first, ChangedColumns(before, after).last) << "the same";
    after.pixels[3] = after.pixels[2 * 10 + 7] = 0xFFFFFFFF;
    EXPECT_EQ(ChangedColumns(before, after).first, 3) << "over the rows";
    EXPECT_EQ(ChangedColumns(before, after).last, 8);
    after.caption.right = 15;
    after.pixels.assign(33, 0xFF000000);
    EXPECT_EQ(ChangedColumns(before, after).first, 0) << "another size: all of it";
    EXPECT_EQ(ChangedColumns(before, after).last, 11);
}

TEST(OverlayRules, PictureIsOpaqueExceptWhereItIsToStayClear) {
    // A 12 x 4 composition; the caption is its 10 x 2 middle.
    std::vector<uint32_t> composition(12 * 4, 0xAB123456);
    const CaptionRect caption{1, 1, 11, 3};
    const std::vector<ButtonBox> clear{{8, 1, 3, 2}, {1, 1, 2, 2}, {-5, 0, 3, 9}}; // close, icon, outside
    OverlayPicture picture;
    picture.pixels.assign(99, 7); // what an earlier, larger cut left
    CutOverlayPicture(caption, clear, composition.data(), 12, picture);
    ASSERT_EQ(picture.pixels.size(), 20u);
    const char* expectedRow = "cc.....ccc";
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 10; ++x) {
            SCOPED_TRACE(testing::Message() << "x " << x << " y " << y);
            EXPECT_EQ(picture.pixels[static_cast<size_t>(y * 10 + x)], expectedRow[x] == 'c' ? 0u : 0xFF123456u);
        }
}

// A window shaped to these parts shows the picture where it is opaque and nothing elsewhere.
TEST(OverlayRules, ShownPartsAreTheOpaqueRunsLeftByWhatCoversTheOverlay) {
    OverlayPicture picture;
    picture.caption = CaptionRect{0, 0, 10, 4};
    const char* rows[] = {"..oooooo..", "..oooooo..", "..oooooo..", "oooooooooo"};
    for (const char* row : rows)
        for (int x = 0; x < 10; ++x)
            picture.pixels.push_back(row[x] == 'o' ? 0xFF123456u : 0u);
    const std::vector<ScreenRect> covered{{4, 1, 6, 2}};
    const std::vector<ScreenRect> expected{{2, 0, 8, 1}, {2, 1, 4, 2}, {6, 1, 8, 2}, {2, 2, 8, 3}, {0, 3, 10, 4}};
    EXPECT_EQ(ShownParts(picture, covered), expected);
    EXPECT_EQ(ShownParts(picture, {}), (std::vector<ScreenRect>{{2, 0, 8, 3}, {0, 3, 10, 4}})) << "alike rows merge";
    EXPECT_TRUE(ShownParts(picture, {{0, 0, 10, 4}}).empty()) << "all of it covered";
}

TEST(OverlayRules, CaptionOnTodaysFramesInWholeWindowCoordinates) {
    // A window with 7-pixel invisible borders at (100, 100); its buttons 138 wide, 30 high.
    const ScreenRect window{100, 100, 600, 400};
    const auto tie = [](const CaptionRect& r) { return std::make_tuple(r.left, r.top, r.right, r.bottom); };
    // Inside the visible frame's line, to the buttons' right end.
    EXPECT_EQ(tie(CaptionFromFrame(window, {107, 100, 593, 393}, {317, 1, 455, 31})), std::make_tuple(8, 1, 455, 31));
    // The icon's box stays part of the caption.
    EXPECT_EQ(tie(CaptionFromTitleBar(window, {132, 101, 593, 131}, CaptionRect{8, 1, 592, 24})),
              std::make_tuple(8, 1, 493, 31));
}

} // namespace
} // namespace bndx
