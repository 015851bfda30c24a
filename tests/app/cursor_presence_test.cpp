#include "app/cursor_presence.h"

#include <gtest/gtest.h>

// The server is asked for the pointer only when the window's own events cannot tell.
namespace {

using Stacking = CursorPresence::Stacking;
using Coverage = CursorPresence::EventCoverage;

struct Server {
    bool inside = false;
    int questions = 0;
    bool Ask() {
        ++questions;
        return inside;
    }
};

} // namespace

TEST(CursorPresence, InFrontTheLastAnswerOutsideHoldsUntilAnEvent) {
    CursorPresence presence;
    Server server;
    const auto read = [&](Stacking stacking, Coverage coverage = Coverage::WholeRectangle) {
        return presence.Inside(stacking, coverage, [&] { return server.Ask(); });
    };
    EXPECT_FALSE(read(Stacking::InFront));
    EXPECT_FALSE(read(Stacking::InFront));
    EXPECT_FALSE(read(Stacking::InFront));
    EXPECT_EQ(server.questions, 1) << "nothing can have brought the cursor in";

    server.inside = true;
    presence.Forget(); // the window's enter event
    EXPECT_TRUE(read(Stacking::InFront));
    EXPECT_TRUE(read(Stacking::InFront)) << "an inside answer is never reused";
    EXPECT_EQ(server.questions, 3);
}

TEST(CursorPresence, AsksOnEveryReadingWhileDroppedOrWhereEventsMissCorners) {
    CursorPresence presence;
    Server server;
    for (int tick = 0; tick < 3; ++tick) {
        presence.Inside(Stacking::DroppedBehind, Coverage::WholeRectangle,
                        [&] { return server.Ask(); });
    }
    EXPECT_EQ(server.questions, 3) << "other windows may cover the clock";
    for (int tick = 0; tick < 3; ++tick) {
        presence.Inside(Stacking::InFront, Coverage::PartOfRectangle, [&] { return server.Ask(); });
    }
    EXPECT_EQ(server.questions, 6) << "an ellipse's corners count as inside but give no events";
}
