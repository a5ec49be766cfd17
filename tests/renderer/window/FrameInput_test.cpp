// The frame loop's decisions: what an empty-queue pass does, when the window takes the keyboard
// and which key messages end the run.
#include "renderer/window/core/FrameInput.h"

#include <gtest/gtest.h>

#include <tuple>

namespace velmora::window {

TEST(FrameInput, EachEmptyQueuePassEndsOnEscapeAwaitsInputWhenNothingShowsAndDrawsWhenDue) {
    struct Case {
        bool active;
        bool displayOn;
        bool escapePressed;
        unsigned int paceWaitMs;
        EmptyQueuePass pass;
    };
    const Case cases[] = {
        {true, true, false, 0, EmptyQueuePass::DrawFrame},
        {true, true, false, 9, EmptyQueuePass::AwaitPace},
        {false, true, false, 0, EmptyQueuePass::AwaitInput},
        {false, true, false, 9, EmptyQueuePass::AwaitInput},
        {true, false, false, 0, EmptyQueuePass::AwaitInput},
        {false, false, false, 0, EmptyQueuePass::AwaitInput},
        {true, true, true, 0, EmptyQueuePass::End},
        {true, true, true, 9, EmptyQueuePass::End},
        {false, true, true, 0, EmptyQueuePass::End},
        {true, false, true, 0, EmptyQueuePass::End},
    };
    for (const Case& c : cases) {
        FrameInput input;
        input.active = c.active;
        input.displayOn = c.displayOn;
        input.escapePressed = c.escapePressed;
        EXPECT_EQ(c.pass, emptyQueuePass(input, c.paceWaitMs))
            << c.active << c.displayOn << c.escapePressed << c.paceWaitMs;
    }
}

TEST(FrameInput, AnActivatedWindowTakesTheKeyboardUnlessMinimized) {
    struct Case {
        std::uint16_t state; // 0 deactivated, 1 activated, 2 activated by a click
        std::uint16_t minimized;
        bool takesFocus;
        bool active;
    };
    const Case cases[] = {
        {1, 0, true, true},        {2, 0, true, true},  {1, 1, false, false},
        {2, 0xFFFF, false, false}, {0, 0, false, true}, {0, 1, false, false},
    };
    for (const Case& c : cases) {
        FrameInput input;
        EXPECT_EQ(c.takesFocus, input.activate(c.state, c.minimized)) << c.state << c.minimized;
        EXPECT_EQ(c.active, input.active) << c.state << c.minimized;
    }
}

TEST(FrameInput, TheDisplayCountsAsOffOnlyWhenReportedOff) {
    FrameInput input;
    for (const auto& [state, on] : {std::pair{0u, false}, {1u, true}, {0u, false}, {2u, true}}) {
        input.displayState(state);
        EXPECT_EQ(on, input.displayOn) << state;
    }
}

// A tap shorter than a frame brings its key-down and key-up between two passes: an Escape down,
// plain or system, ends the run, and its key-up does not undo that. A forged code whose low byte
// is Escape's is not Escape.
TEST(FrameInput, OnlyAnEscapeDownEndsTheRun) {
    using enum KeyMessage;
    const std::uintptr_t forged[] = {0x100 + kEscapeKey, 0x10000 + kEscapeKey, ~std::uintptr_t{0}};
    const std::tuple<KeyMessage, std::uintptr_t, bool> cases[] = {
        {Down, kEscapeKey, true}, {SystemDown, kEscapeKey, true},
        {Up, kEscapeKey, false},  {SystemUp, kEscapeKey, false},
        {Down, 'A', false},       {SystemDown, 'A', false},
        {Down, forged[0], false}, {SystemDown, forged[1], false},
        {Down, forged[2], false},
    };
    for (const auto& [message, code, ends] : cases) {
        FrameInput input;
        input.key(message, code);
        input.key(Up, kEscapeKey);
        EXPECT_EQ(ends, emptyQueuePass(input, 0) == EmptyQueuePass::End) << code;
    }
}

} // namespace velmora::window
