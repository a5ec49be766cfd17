// The frame loop's decisions: what an empty-queue pass does and which key messages end it.
#include "renderer/window/core/FrameInput.h"

#include <gtest/gtest.h>

namespace velmora::window {

TEST(FrameInput, EachEmptyQueuePassEndsOnEscapeAwaitsInputWhenMinimizedAndDrawsWhenDue) {
    struct Case {
        bool active;
        bool escapePressed;
        unsigned int paceWaitMs;
        EmptyQueuePass pass;
    };
    const Case cases[] = {
        {true, false, 0, EmptyQueuePass::DrawFrame},
        {true, false, 9, EmptyQueuePass::AwaitPace},
        {false, false, 0, EmptyQueuePass::AwaitInput},
        {false, false, 9, EmptyQueuePass::AwaitInput},
        {true, true, 0, EmptyQueuePass::End},
        {true, true, 9, EmptyQueuePass::End},
        {false, true, 0, EmptyQueuePass::End},
    };
    for (const Case& c : cases) {
        FrameInput input;
        input.active = c.active;
        input.escapePressed = c.escapePressed;
        EXPECT_EQ(c.pass, emptyQueuePass(input, c.paceWaitMs))
            << c.active << c.escapePressed << c.paceWaitMs;
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

// A tap shorter than a frame brings its key-down and key-up between two passes.
TEST(FrameInput, AnEscapeTapReleasedBeforeThePassStillEndsTheLoop) {
    FrameInput input;
    input.key(kEscapeKey, true);
    input.key(kEscapeKey, false);
    EXPECT_EQ(EmptyQueuePass::End, emptyQueuePass(input, 0));
}

TEST(FrameInput, OtherKeysAndEscapeReleasesAloneDoNotEndTheLoop) {
    FrameInput input;
    input.key(kEscapeKey, false);
    input.key('A', true);
    input.key(kEscapeKey + 256, true); // forged code beyond the table
    EXPECT_EQ(EmptyQueuePass::DrawFrame, emptyQueuePass(input, 0));
}

TEST(FrameInput, ForgedCodesDoNotEndTheLoopAndDoNotUndoAnEscape) {
    FrameInput input;
    // Large codes whose low byte is Escape's, as only a forged message can carry.
    for (const std::uintptr_t forged : {std::uintptr_t{0x100} + kEscapeKey,
                                        std::uintptr_t{0x10000} + kEscapeKey, ~std::uintptr_t{0}}) {
        input.key(forged, true);
    }
    EXPECT_EQ(EmptyQueuePass::DrawFrame, emptyQueuePass(input, 0));
    input.key(kEscapeKey, true);
    input.key(0x10000 + kEscapeKey, false);
    input.key(kEscapeKey, false);
    EXPECT_EQ(EmptyQueuePass::End, emptyQueuePass(input, 0));
}

} // namespace velmora::window
