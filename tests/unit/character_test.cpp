// The character's plain logic: clock digits, blink and mouth rhythm, "show mouse" placement and
// the centring of new dialogs.
#include <gtest/gtest.h>

#include "character/character_animation.h"
#include "character/clock_face.h"
#include "ui/taskbar_corner.h"
#include "resources/resource.h"
#include "ui/geometry.h"

namespace {

TEST(ClockDigits, TensAndOnesInCellOrder) {
    EXPECT_EQ(ClockDigits(7, 5, 9), (std::array<int, 6>{0, 7, 0, 5, 0, 9}));
    EXPECT_EQ(ClockDigits(23, 59, 59), (std::array<int, 6>{2, 3, 5, 9, 5, 9}));
    EXPECT_EQ(ClockDigits(0, 0, 0), (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
    // A leap second still shows digits.
    EXPECT_EQ(ClockDigits(23, 59, 60), (std::array<int, 6>{2, 3, 5, 9, 6, 0}));
}

TEST(DigitCells, SixCellsOfSixteenByTwentyFiveLeavingRoomForTheColons) {
    for (const Rect& cell : kDigitCells) {
        EXPECT_EQ(cell.Width(), 16);
        EXPECT_EQ(cell.Height(), 25);
    }
    EXPECT_EQ(kDigitCells[2].left - kDigitCells[1].right, 7);
    EXPECT_EQ(kDigitCells[4].left - kDigitCells[3].right, 7);
}

TEST(Animations, BlinkAndMouthAlternateAndCarryOnWhereTheyStopped) {
    BlinkToggle = true;
    MouthToggle = true;
    AnimationStep blinks[] = {NextBlinkStep(), NextBlinkStep(), NextBlinkStep()};
    EXPECT_EQ(blinks[0].bitmapId, IDB_EYES_CLOSED);
    EXPECT_EQ(blinks[0].periodMs, 100u);
    EXPECT_EQ(blinks[1].bitmapId, IDB_EYES_OPEN);
    EXPECT_EQ(blinks[1].periodMs, 1900u);
    EXPECT_EQ(blinks[2].bitmapId, IDB_EYES_CLOSED);

    AnimationStep open = NextMouthStep();
    EXPECT_EQ(open.bitmapId, IDB_MOUTH_OPEN);
    EXPECT_EQ(open.periodMs, 100u);
    // An alarm that stops with the mouth open leaves the toggle false: the next alarm's first
    // step shuts it.
    EXPECT_FALSE(MouthToggle);
    AnimationStep shut = NextMouthStep();
    EXPECT_EQ(shut.bitmapId, IDB_MOUTH_CLOSED);
    EXPECT_EQ(shut.periodMs, 350u);
    EXPECT_TRUE(MouthToggle);
    BlinkToggle = true;
}

TEST(Animations, EyesAndMouthAreasDoNotOverlap) {
    EXPECT_LE(kEyesArea.bottom, kMouthArea.top);
}

struct PlacementCase {
    const char* what;
    std::optional<Rect> taskbar;
    Rect workArea;
    Point expected;
};

class ShowMousePositionTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(ShowMousePositionTest, PutsTheCharacterOnTheTaskbarsTopRightCorner) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(ShowMousePosition({225, 305}, c.taskbar, c.workArea), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Taskbars, ShowMousePositionTest,
    testing::Values(
        PlacementCase{"30-pixel taskbar at the bottom",
                      Rect{0, 738, 1024, 768},
                      {0, 0, 1024, 738},
                      {799, 433}},
        PlacementCase{
            "Wine's shell desktop", Rect{0, 748, 1024, 768}, {0, 0, 1024, 748}, {799, 443}},
        // Elsewhere the taskbar formula would put the character off screen: the work area's
        // bottom-right corner instead.
        PlacementCase{"taskbar at the top", Rect{0, 0, 1024, 30}, {0, 30, 1024, 768}, {799, 463}},
        PlacementCase{"taskbar on the left", Rect{0, 0, 60, 768}, {60, 0, 1024, 768}, {799, 463}},
        PlacementCase{
            "taskbar on the right", Rect{964, 0, 1024, 768}, {0, 0, 964, 768}, {739, 463}},
        PlacementCase{"no taskbar", std::nullopt, {0, 0, 1024, 768}, {799, 463}},
        PlacementCase{
            "an empty taskbar rectangle", Rect{0, 0, 0, 0}, {0, 0, 1024, 768}, {799, 463}},
        PlacementCase{
            "a taskbar of zero height", Rect{0, 768, 1024, 768}, {0, 0, 1280, 1024}, {1055, 719}}));

TEST(CentredPosition, CentresOverTheAreaAndKeepsInsideTheBounds) {
    const Rect screen{0, 0, 1024, 748};
    EXPECT_EQ(CentredPosition({225, 305}, screen, screen), (Point{399, 221}));
    // Over an owner near the edge: pushed back inside.
    EXPECT_EQ(CentredPosition({300, 200}, Rect{900, 600, 1000, 700}, screen), (Point{724, 548}));
    // Larger than the bounds: the top-left corner stays visible.
    EXPECT_EQ(CentredPosition({2000, 1000}, screen, screen), (Point{0, 0}));
}

TEST(BesidePosition, BesideTheOwnerWhereThereIsRoomBottomsAlignedInsideTheBounds) {
    const Rect workArea{0, 0, 1024, 748};
    const Size window{510, 244};
    struct Case {
        const char* where;
        Rect owner;
        Point expected;
    };
    for (const Case& c : {
             Case{"at the taskbar's corner: to its left", {799, 443, 1024, 748}, {289, 504}},
             Case{"at the left edge: to its right", {0, 300, 225, 605}, {225, 361}},
             Case{"high up: bottoms aligned but kept inside", {600, -100, 825, 205}, {90, 0}},
             Case{"low down: kept inside", {600, 600, 825, 905}, {90, 504}},
             Case{"no room either side: below it", {300, 100, 700, 405}, {245, 405}},
             Case{"nor below: above it", {300, 500, 700, 740}, {245, 256}},
             Case{"centred on a small screen: over its feet", {399, 221, 624, 526}, {257, 504}},
         }) {
        EXPECT_EQ(BesidePosition(window, c.owner, workArea), c.expected) << c.where;
    }
}

}  // namespace

#include "events/do_now_placement.h"

namespace {

TEST(DoNowPosition, BesideTheCharacterOnTheSideWithRoomTopsAligned) {
    const Size dialog{240, 300};
    // Centred on a 1024-pixel screen: to the right.
    EXPECT_EQ(DoNowPosition({399, 221, 624, 526}, dialog, 1024), (Point{624, 221}));
    // At the taskbar's corner: no room on the right, so to the left.
    EXPECT_EQ(DoNowPosition({799, 443, 1024, 748}, dialog, 1024), (Point{559, 443}));
    // Room exactly as wide as the dialog is enough; one pixel less is not.
    EXPECT_EQ(DoNowPosition({500, 10, 784, 300}, dialog, 1024), (Point{784, 10}));
    EXPECT_EQ(DoNowPosition({500, 10, 785, 300}, dialog, 1024), (Point{260, 10}));
    // Nothing is clamped: near the left edge it may leave the screen.
    EXPECT_EQ(DoNowPosition({100, -50, 900, 300}, dialog, 1024), (Point{-140, -50}));
}

}  // namespace

namespace {

TEST(ClockCells, ATickDrawsOnlyTheDigitsChangedSinceTheLastTickOrPaint) {
    using Cells = std::array<bool, 6>;
    const Cells all{true, true, true, true, true, true};
    const Cells none{};
    ClockCells cells;
    EXPECT_EQ(cells.Update(ClockDigits(9, 59, 58)), all) << "at first the artwork's digits show";
    EXPECT_EQ(cells.Update(ClockDigits(9, 59, 58)), none) << "the same second again";
    EXPECT_EQ(cells.Update(ClockDigits(9, 59, 59)),
              (Cells{false, false, false, false, false, true}));
    EXPECT_EQ(cells.Update(ClockDigits(10, 0, 0)), (Cells{true, true, true, true, true, true}));
    EXPECT_EQ(cells.Update(ClockDigits(10, 0, 1)),
              (Cells{false, false, false, false, false, true}));
    cells.Forget();  // a paint put the artwork's digits back
    EXPECT_EQ(cells.Update(ClockDigits(10, 0, 1)), all);
    EXPECT_EQ(cells.Update(ClockDigits(10, 0, 1)), none);
}

}  // namespace
