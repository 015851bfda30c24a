// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/placement_controller.h"

#include <gtest/gtest.h>
#include <map>
#include <ostream>

namespace {

using Tick = PlacementEffects::Tick;
using Cursor = PlacementEffects::Cursor;
using SizeStep = PlacementController::SizeStep;

const PlacementEffects Nothing{};
const PlacementEffects Entered{Tick::Stop, true, Cursor::ToPartCentre};
const PlacementEffects Ended{Tick::Restart, true, Cursor::Stay};
const PlacementEffects Resized{Tick::Keep, true, Cursor::ToPartCentre};
const PlacementEffects Redrawn{Tick::Keep, true, Cursor::Stay};

const QPoint WindowTopLeft(100, 200);
constexpr int Frame = 3;

// A 300 × 200 client area (clock radius 100) with the clock centre inside the time box:
//   analog square 120..180 × 70..130, time 130..210 × 90..110,
//   date 10..130 × 150..166, icon bar 200..264 × 10..26 (all from the outer corner).
ClockSettings LaidOutSettings() {
    ClockSettings settings;
    settings.Attrib = 0;
    settings.HandCenterX = 150;
    settings.HandCenterY = 100;
    settings.LongLength = 90;
    settings.ShortLength = 72;
    settings.SecondLength = 85;
    settings.Digi_x = 130;
    settings.Digi_y = 90;
    settings.Digi_Size = 5;
    settings.Date_x = 10;
    settings.Date_y = 150;
    settings.Date_Size = 3;
    settings.IconBarX = 200;
    settings.IconBarY = 10;
    settings.IconBarWidth = 64;
    settings.IconHeight = 16;
    return settings;
}

class PlacementControl : public ::testing::Test {
protected:
    // The cursor at an offset from the window's outer top-left corner.
    static PlacementGeometry AtOuter(int dx, int dy) {
        PlacementGeometry geometry;
        geometry.cursor = WindowTopLeft + QPoint(dx, dy);
        geometry.windowTopLeft = WindowTopLeft;
        geometry.frame = Frame;
        geometry.clientSize = QSize(300, 200);
        geometry.timeSize = QSize(80, 20);
        geometry.dateSize = QSize(120, 16);
        return geometry;
    }
    // The cursor at a point of the client area.
    static PlacementGeometry AtClient(int x, int y) { return AtOuter(x + Frame, y + Frame); }

    // Double-clicks a point that only the given part covers.
    void Enter(PlacementMode mode) {
        static const std::map<PlacementMode, QPoint> inside{{PlacementAnalog, {150, 100}},
                                                            {PlacementTime, {200, 105}},
                                                            {PlacementDate, {20, 160}},
                                                            {PlacementIconBar, {230, 20}}};
        const QPoint point = inside.at(mode);
        ASSERT_EQ(controller.DoubleClick(AtOuter(point.x(), point.y())), Entered);
        ASSERT_EQ(controller.Mode(), mode);
    }

    ClockSettings settings = LaidOutSettings();
    bool running = true;
    PlacementController controller{settings, [this] { return running; }};
};

struct HitCase {
    const char* what;
    int dx;
    int dy;
    std::uint32_t attrib;
    PlacementMode expected;
};

void PrintTo(const HitCase& hit, std::ostream* out) {
    *out << hit.what;
}

class PlacementHitTest : public PlacementControl, public ::testing::WithParamInterface<HitCase> {};

constexpr std::uint32_t BothFlags = AnalogFixWin | AnalogCenter;

const HitCase hitCases[] = {
    {"clock centre inside the time box", 150, 100, 0, PlacementAnalog},
    {"analog square, top-left corner", 120, 70, 0, PlacementAnalog},
    {"analog square, bottom-right corner", 180, 130, 0, PlacementAnalog},
    {"left of the analog square", 119, 70, 0, PlacementNone},
    {"above the analog square", 120, 69, 0, PlacementNone},
    {"right of the analog square", 181, 130, 0, PlacementNone},
    {"below the analog square", 180, 131, 0, PlacementNone},
    {"only AnalogFixWin keeps the analog test", 150, 100, AnalogFixWin, PlacementAnalog},
    {"only AnalogCenter keeps the analog test", 150, 100, AnalogCenter, PlacementAnalog},
    {"both flags: the time box wins the centre", 150, 100, BothFlags, PlacementTime},
    {"both flags: the square alone matches nothing", 125, 75, BothFlags, PlacementNone},
    {"time box, top-left corner", 130, 90, BothFlags, PlacementTime},
    {"time box, bottom-right corner", 210, 110, 0, PlacementTime},
    {"left of the time box", 129, 90, BothFlags, PlacementNone},
    {"above the time box", 130, 89, BothFlags, PlacementNone},
    {"right of the time box", 211, 110, 0, PlacementNone},
    {"below the time box", 210, 111, 0, PlacementNone},
    {"date box, top-left corner", 10, 150, 0, PlacementDate},
    {"date box, bottom-right corner", 130, 166, 0, PlacementDate},
    {"left of the date box", 9, 150, 0, PlacementNone},
    {"below the date box", 130, 167, 0, PlacementNone},
    {"icon bar, top-left corner", 200, 10, 0, PlacementIconBar},
    {"icon bar, bottom-right corner", 264, 26, 0, PlacementIconBar},
    {"above the icon bar", 200, 9, 0, PlacementNone},
    {"right of the icon bar", 265, 26, 0, PlacementNone},
    {"below the icon bar", 264, 27, 0, PlacementNone},
};

TEST_P(PlacementHitTest, DoubleClickStartsThePartUnderTheCursor) {
    const HitCase& hit = GetParam();
    settings.Attrib = hit.attrib;
    const PlacementEffects effects = controller.DoubleClick(AtOuter(hit.dx, hit.dy));
    EXPECT_EQ(controller.Mode(), hit.expected) << hit.what;
    EXPECT_EQ(effects, hit.expected == PlacementNone ? Nothing : Entered) << hit.what;
}

INSTANTIATE_TEST_SUITE_P(Boxes, PlacementHitTest, ::testing::ValuesIn(hitCases));

TEST_F(PlacementControl, TimeIsTriedBeforeDateAndDateBeforeIconBar) {
    settings.Date_x = settings.IconBarX = settings.Digi_x;
    settings.Date_y = settings.IconBarY = settings.Digi_y;
    controller.DoubleClick(AtOuter(200, 105));
    EXPECT_EQ(controller.Mode(), PlacementTime);
}

TEST_F(PlacementControl, BlockNeverDrawnCannotBeHit) {
    PlacementGeometry geometry = AtOuter(130, 90);
    settings.Attrib = BothFlags;
    geometry.timeSize = QSize(); // no time drawn yet
    EXPECT_EQ(controller.DoubleClick(geometry), Nothing);
    EXPECT_EQ(controller.Mode(), PlacementNone);
}

TEST_F(PlacementControl, CursorGoesOntoThePartOnEntering) {
    Enter(PlacementAnalog);
    EXPECT_EQ(controller.PartCentreOnScreen(AtOuter(0, 0)), QPoint(253, 303));
    controller.DoubleClick(AtOuter(0, 0));

    Enter(PlacementTime);
    EXPECT_EQ(controller.PartCentreOnScreen(AtOuter(0, 0)), QPoint(103 + 170, 203 + 100));
    controller.Deactivated(AtClient(130 + 40, 90 + 10)); // ends where it started

    Enter(PlacementDate);
    EXPECT_EQ(controller.PartCentreOnScreen(AtOuter(0, 0)), QPoint(103 + 70, 203 + 158));
    controller.Deactivated(AtClient(10 + 60, 150 + 8));

    Enter(PlacementIconBar);
    EXPECT_EQ(controller.PartCentreOnScreen(AtOuter(0, 0)), QPoint(103 + 232, 203 + 18));
}

TEST_F(PlacementControl, NothingHappensBeforeStartUpHasFinished) {
    running = false;
    EXPECT_EQ(controller.DoubleClick(AtOuter(150, 100)), Nothing);
    EXPECT_EQ(controller.Mode(), PlacementNone);
    running = true;
    Enter(PlacementTime);
    running = false;
    EXPECT_EQ(controller.MouseMove(AtClient(10, 10)), Nothing);
    EXPECT_EQ(controller.ChangeSize(SizeStep::Larger, AtClient(10, 10)), Nothing);
    EXPECT_EQ(settings.Digi_x, 130);
    EXPECT_EQ(settings.Digi_Size, 5);
}

TEST_F(PlacementControl, EventsWithoutAModeChangeNothing) {
    const ClockSettings before = settings;
    EXPECT_EQ(controller.MouseMove(AtClient(10, 10)), Nothing);
    EXPECT_EQ(controller.ChangeSize(SizeStep::Larger, AtClient(10, 10)), Nothing);
    EXPECT_EQ(controller.KeyDown(Qt::Key_Down, AtClient(10, 10)), Nothing);
    EXPECT_EQ(controller.Deactivated(AtClient(10, 10)), Nothing);
    EXPECT_EQ(settings.HandCenterX, before.HandCenterX);
    EXPECT_EQ(settings.Digi_x, before.Digi_x);
    EXPECT_EQ(settings.Digi_Size, before.Digi_Size);
    EXPECT_EQ(settings.LongLength, before.LongLength);
}

struct MoveCase {
    PlacementMode mode;
    std::uint32_t attrib;
    int ClockSettings::*x;
    int ClockSettings::*y;
    QPoint expected; // with the cursor at client (50, 60)
};

void PrintTo(const MoveCase& move, std::ostream* out) {
    *out << "mode " << int(move.mode) << (move.attrib & AnalogCenter ? " with AnalogCenter" : "");
}

class PlacementMouseMove : public PlacementControl,
                           public ::testing::WithParamInterface<MoveCase> {};

TEST_P(PlacementMouseMove, PartFollowsTheCursor) {
    const MoveCase& move = GetParam();
    Enter(move.mode);
    settings.Attrib = move.attrib;
    const QPoint before(settings.*move.x, settings.*move.y);
    const PlacementEffects effects = controller.MouseMove(AtClient(50, 60));
    EXPECT_EQ(QPoint(settings.*move.x, settings.*move.y), move.expected);
    EXPECT_EQ(effects, move.expected == before ? Nothing : Redrawn);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PlacementMouseMove,
    ::testing::Values(
        MoveCase{
            PlacementAnalog, 0, &ClockSettings::HandCenterX, &ClockSettings::HandCenterY, {50, 60}},
        MoveCase{PlacementAnalog,
                 AnalogCenter,
                 &ClockSettings::HandCenterX,
                 &ClockSettings::HandCenterY,
                 {150, 100}},
        MoveCase{PlacementTime, 0, &ClockSettings::Digi_x, &ClockSettings::Digi_y, {10, 50}},
        MoveCase{PlacementDate, 0, &ClockSettings::Date_x, &ClockSettings::Date_y, {-10, 52}},
        MoveCase{
            PlacementIconBar, 0, &ClockSettings::IconBarX, &ClockSettings::IconBarY, {18, 52}}));

TEST_F(PlacementControl, EndingCentresABoxOnTheCursorAndRestartsTheTick) {
    Enter(PlacementTime);
    controller.MouseMove(AtClient(60, 60));
    EXPECT_EQ(controller.DoubleClick(AtClient(71, 81)), Ended);
    EXPECT_EQ(controller.Mode(), PlacementNone);
    EXPECT_EQ(settings.Digi_x, 71 - 40);
    EXPECT_EQ(settings.Digi_y, 81 - 10);

    Enter(PlacementIconBar);
    EXPECT_EQ(controller.Deactivated(AtClient(5, 190)), Ended);
    EXPECT_EQ(controller.Mode(), PlacementNone);
    EXPECT_EQ(settings.IconBarX, 5 - 32);
    EXPECT_EQ(settings.IconBarY, 190 - 8);
}

TEST_F(PlacementControl, EndingKeepsTheClockCentreWhereTheMouseMovesPutIt) {
    Enter(PlacementAnalog);
    controller.MouseMove(AtClient(40, 50));
    EXPECT_EQ(controller.DoubleClick(AtClient(250, 20)), Ended);
    EXPECT_EQ(settings.HandCenterX, 40);
    EXPECT_EQ(settings.HandCenterY, 50);
    EXPECT_EQ(controller.Mode(), PlacementNone);
}

TEST_F(PlacementControl, DigitSizeStopsAtHundredAndMinusTen) {
    Enter(PlacementTime);
    settings.Digi_Size = 99;
    EXPECT_EQ(controller.ChangeSize(SizeStep::Larger, AtClient(0, 0)), Resized);
    EXPECT_EQ(settings.Digi_Size, 100);
    EXPECT_EQ(controller.ChangeSize(SizeStep::Larger, AtClient(0, 0)), Nothing);
    EXPECT_EQ(settings.Digi_Size, 100);
    settings.Digi_Size = -9;
    EXPECT_EQ(controller.KeyDown(Qt::Key_Down, AtClient(0, 0)), Resized);
    EXPECT_EQ(settings.Digi_Size, -10);
    EXPECT_EQ(controller.KeyDown(Qt::Key_Down, AtClient(0, 0)), Nothing);
    EXPECT_EQ(settings.Digi_Size, -10);
    EXPECT_EQ(settings.Date_Size, 3) << "the date is not being placed";
}

TEST_F(PlacementControl, DateSizeStepsThroughTheKeys) {
    Enter(PlacementDate);
    EXPECT_EQ(controller.KeyDown(Qt::Key_Up, AtClient(0, 0)), Resized);
    EXPECT_EQ(settings.Date_Size, 4);
    EXPECT_EQ(controller.ChangeSize(SizeStep::Smaller, AtClient(0, 0)), Resized);
    EXPECT_EQ(controller.ChangeSize(SizeStep::Smaller, AtClient(0, 0)), Resized);
    EXPECT_EQ(settings.Date_Size, 2);
    EXPECT_EQ(controller.KeyDown(Qt::Key_Left, AtClient(0, 0)), Nothing);
    EXPECT_EQ(settings.Date_Size, 2);
}

TEST_F(PlacementControl, CursorFollowsTheResizedBlock) {
    Enter(PlacementTime);
    ASSERT_EQ(controller.ChangeSize(SizeStep::Larger, AtClient(0, 0)), Resized);
    // The redraw measured a larger block; the cursor goes to its new centre.
    PlacementGeometry redrawn = AtClient(0, 0);
    redrawn.timeSize = QSize(90, 24);
    EXPECT_EQ(controller.PartCentreOnScreen(redrawn), QPoint(103 + 130 + 45, 203 + 90 + 12));
}

TEST_F(PlacementControl, FontDrawnBlocksKeepTheirSize) {
    settings.Attrib = TimeFont;
    Enter(PlacementTime);
    EXPECT_EQ(controller.ChangeSize(SizeStep::Larger, AtClient(0, 0)), Nothing);
    EXPECT_EQ(controller.KeyDown(Qt::Key_Down, AtClient(0, 0)), Nothing);
    EXPECT_EQ(settings.Digi_Size, 5);
    controller.DoubleClick(AtClient(170, 100));

    settings.Attrib = DateFont;
    Enter(PlacementDate);
    EXPECT_EQ(controller.ChangeSize(SizeStep::Larger, AtClient(0, 0)), Nothing);
    EXPECT_EQ(settings.Date_Size, 3);
    controller.DoubleClick(AtClient(70, 158));

    Enter(PlacementTime);
    EXPECT_EQ(controller.ChangeSize(SizeStep::Larger, AtClient(0, 0)), Resized)
        << "DateFont does not freeze the time";
    EXPECT_EQ(settings.Digi_Size, 6);
}

TEST_F(PlacementControl, IconBarHasNoSize) {
    Enter(PlacementIconBar);
    const ClockSettings before = settings;
    EXPECT_EQ(controller.ChangeSize(SizeStep::Larger, AtClient(0, 0)), Nothing);
    EXPECT_EQ(controller.KeyDown(Qt::Key_Down, AtClient(0, 0)), Nothing);
    EXPECT_EQ(settings.IconBarWidth, before.IconBarWidth);
    EXPECT_EQ(settings.IconHeight, before.IconHeight);
    EXPECT_EQ(settings.Digi_Size, before.Digi_Size);
    EXPECT_EQ(settings.Date_Size, before.Date_Size);
    EXPECT_EQ(settings.LongLength, before.LongLength);
}

struct HandCase {
    const char* what;
    QSize client;
    int longBefore;
    SizeStep step;
    int longAfter;
    int shortAfter;
    int secondAfter;
};

void PrintTo(const HandCase& hand, std::ostream* out) {
    *out << hand.what;
}

class PlacementHands : public PlacementControl, public ::testing::WithParamInterface<HandCase> {};

TEST_P(PlacementHands, LengthStepsByFiveWithinTheLimits) {
    const HandCase& hand = GetParam();
    Enter(PlacementAnalog);
    settings.LongLength = hand.longBefore;
    settings.ShortLength = 11;
    settings.SecondLength = 12;
    PlacementGeometry geometry = AtClient(0, 0);
    geometry.clientSize = hand.client;
    const PlacementEffects effects = controller.ChangeSize(hand.step, geometry);
    const bool changed = hand.longAfter != hand.longBefore;
    EXPECT_EQ(effects, changed ? Redrawn : Nothing) << hand.what;
    EXPECT_EQ(settings.LongLength, hand.longAfter) << hand.what;
    EXPECT_EQ(settings.ShortLength, hand.shortAfter) << hand.what;
    EXPECT_EQ(settings.SecondLength, hand.secondAfter) << hand.what;
}

INSTANTIATE_TEST_SUITE_P(
    Limits, PlacementHands,
    ::testing::Values(
        HandCase{
            "longer below r, the others truncate", {300, 200}, 96, SizeStep::Larger, 101, 80, 95},
        HandCase{"longer stops at r", {300, 200}, 100, SizeStep::Larger, 100, 11, 12},
        HandCase{"r is the smaller half", {200, 300}, 100, SizeStep::Larger, 100, 11, 12},
        HandCase{"odd sizes halve down", {201, 301}, 99, SizeStep::Larger, 104, 83, 98},
        HandCase{"shorter above 0.1 r", {300, 200}, 15, SizeStep::Smaller, 10, 8, 9},
        HandCase{"shorter stops at 0.1 r", {300, 200}, 10, SizeStep::Smaller, 10, 11, 12},
        HandCase{"0.1 r is not rounded", {310, 210}, 11, SizeStep::Smaller, 6, 4, 5},
        HandCase{
            "a tiny window keeps the hands positive", {30, 30}, 5, SizeStep::Smaller, 5, 11, 12}));

TEST_F(PlacementControl, FixedClockKeepsItsHandsAndMoves) {
    settings.Attrib = AnalogFixWin;
    Enter(PlacementAnalog);
    EXPECT_EQ(controller.ChangeSize(SizeStep::Larger, AtClient(0, 0)), Nothing);
    EXPECT_EQ(controller.KeyDown(Qt::Key_Down, AtClient(0, 0)), Nothing);
    EXPECT_EQ(settings.LongLength, 90);
    EXPECT_EQ(controller.MouseMove(AtClient(20, 30)), Redrawn);
    EXPECT_EQ(settings.HandCenterX, 20);
}

} // namespace
