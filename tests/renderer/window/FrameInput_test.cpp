// The frame loop's decisions: when a pass draws, when it ends the loop, and the key table.
#include "renderer/window/FrameInput.h"

#include <gtest/gtest.h>

TEST(FrameInput, EachEmptyQueuePassDrawsWhenActiveAndEndsOnEscapeOrFailedDraw) {
    struct Case {
        bool active;
        bool drawSucceeds;
        bool escapeDown;
        bool draws;
        bool ends;
    };
    const Case cases[] = {
        {true, true, false, true, false},    {true, false, false, true, true},
        {true, true, true, true, true},      {false, true, false, false, false},
        {false, false, false, false, false}, {false, true, true, false, true},
    };
    for (const Case& c : cases) {
        FrameInput input;
        input.active = c.active;
        input.key(kEscapeKey, c.escapeDown);
        bool drew = false;
        const bool ends = frameEndsLoop(input, [&] {
            drew = true;
            return c.drawSucceeds;
        });
        EXPECT_EQ(c.draws, drew) << c.active << c.drawSucceeds << c.escapeDown;
        EXPECT_EQ(c.ends, ends) << c.active << c.drawSucceeds << c.escapeDown;
    }
}

TEST(FrameInput, OnlyMinimizingClearsActive) {
    FrameInput input;
    EXPECT_TRUE(input.active);
    input.activate(1);
    EXPECT_FALSE(input.active);
    input.activate(0);
    EXPECT_TRUE(input.active);
    input.activate(0xFFFF);
    EXPECT_FALSE(input.active);
}

TEST(FrameInput, KeysAreHeldUntilReleasedAndCodesOutsideTheTableAreIgnored) {
    FrameInput input;
    input.key(kEscapeKey, true);
    input.key('A', true);
    input.key('A', false);
    EXPECT_TRUE(input.keyDown[kEscapeKey]);
    EXPECT_FALSE(input.keyDown['A']);
    input.key(255, true);
    EXPECT_TRUE(input.keyDown[255]);
    // A forged key message with a large code must not write past the table.
    input.key(256, true);
    input.key(0x10000 + kEscapeKey, false);
    EXPECT_TRUE(input.keyDown[kEscapeKey]);
}
