// The button's state machine: every row of its event table, and the event sequences a user
// produces with the mouse and the focus.
#include "tests/saver/button/RecordingButtonView.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velmora::button {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using S = ButtonState;

// One event of the window or of the pointer poll.
using Event = void (*)(ButtonMachine&);
const Event kInitialize = [](ButtonMachine& b) { b.Initialize(); };
const Event kMouseMove = [](ButtonMachine& b) { b.MouseMove(); };
const Event kPollAway = [](ButtonMachine& b) { b.TmrMouse_Timer(false); };
const Event kPollOver = [](ButtonMachine& b) { b.TmrMouse_Timer(true); };
const Event kGotFocus = [](ButtonMachine& b) { b.GotFocus(); };
const Event kLostFocus = [](ButtonMachine& b) { b.LostFocus(); };
const Event kDownLeft = [](ButtonMachine& b) { b.MouseDown(kLeftButton); };
const Event kDownRight = [](ButtonMachine& b) { b.MouseDown(kRightButton); };
const Event kUpLeft = [](ButtonMachine& b) { b.MouseUp(kLeftButton); };
const Event kUpRight = [](ButtonMachine& b) { b.MouseUp(kRightButton); };
const Event kUpMiddle = [](ButtonMachine& b) { b.MouseUp(kMiddleButton); };
const Event kResize = [](ButtonMachine& b) { b.Resize(); };
const Event kCaptureLost = [](ButtonMachine& b) { b.MouseCaptureLost(); };

// A loaded, enabled button as the dialog has it, brought into a state by real events.
using Start = std::vector<Event>;
const Start kUninitialised{};
const Start kNormal{kInitialize};
const Start kHighLight{kInitialize, kMouseMove};
const Start kSelected{kInitialize, kGotFocus};
const Start kFocusedThenHover{kInitialize, kGotFocus, kMouseMove};
const Start kHoverThenFocus{kInitialize, kMouseMove, kGotFocus};

struct Fixture {
    RecordingButtonView view;
    ButtonMachine button{view};

    explicit Fixture(const Start& start, bool held = false) {
        button.ReadProperties(forms::PropertyBag{}, forms::designFont());
        for (Event event : start) {
            event(button);
        }
        if (held) {
            kDownLeft(button);
        }
        view.take();
    }
};

struct Row {
    const char* name;
    Start start;
    bool held;
    Event event;
    ButtonState state;
    bool heldAfter;
    std::vector<std::string> calls;
};

class EventTable : public ::testing::TestWithParam<Row> {};

TEST_P(EventTable, ChangesStateAndDrawsTheFace) {
    const Row& row = GetParam();
    Fixture f(row.start, row.held);
    row.event(f.button);
    EXPECT_EQ(f.button.State(), row.state);
    EXPECT_EQ(f.button.Held(), row.heldAfter);
    EXPECT_EQ(f.view.calls, row.calls);
}

// clang-format off
const Row kRows[] = {
    {"MoveInNormalHovers", kNormal, false, kMouseMove, S::HighLight, false, {"HighLight~"}},
    {"MoveWhileHoveringDoesNothing", kHighLight, false, kMouseMove, S::HighLight, false, {}},
    {"MoveInSelectedHovers", kSelected, false, kMouseMove, S::HighLightSelect, false, {"HighLightSelect"}},
    {"MoveInSelectedWhileHeldStays", kSelected, true, kMouseMove, S::Selected, true, {}},
    {"MoveInFocusedHoverDoesNothing", kFocusedThenHover, false, kMouseMove, S::HighLightSelect, false, {}},
    {"MoveBeforeInitializeDoesNothing", kUninitialised, false, kMouseMove, S::None, false, {}},
    {"PollAwayFromHoverRestores", kHighLight, false, kPollAway, S::Normal, false, {"Normal"}},
    {"PollAwayFromFocusedHoverSelects", kFocusedThenHover, false, kPollAway, S::Selected, false, {"Selected"}},
    {"PollAwayInNormalDoesNothing", kNormal, false, kPollAway, S::Normal, false, {}},
    {"PollAwayInSelectedDoesNothing", kSelected, false, kPollAway, S::Selected, false, {}},
    {"PollOverKeepsHover", kHighLight, false, kPollOver, S::HighLight, false, {}},
    {"FocusInNormalSelects", kNormal, false, kGotFocus, S::Selected, false, {"Selected"}},
    {"FocusWhileHoveringPresses", kHighLight, false, kGotFocus, S::HighLightSelect, false, {"Pressed~"}},
    {"FocusBeforeInitializeSelects", kUninitialised, false, kGotFocus, S::Selected, false, {"Selected"}},
    {"FocusLostInSelected", kSelected, false, kLostFocus, S::Normal, false, {"Normal"}},
    {"FocusLostInFocusedHover", kFocusedThenHover, false, kLostFocus, S::Normal, false, {"Normal"}},
    {"FocusLostWhileHovering", kHighLight, false, kLostFocus, S::Normal, false, {"Normal"}},
    {"FocusLostInNormalDoesNothing", kNormal, false, kLostFocus, S::Normal, false, {}},
    {"LeftDownPresses", kHighLight, false, kDownLeft, S::HighLight, true, {"Pressed~"}},
    {"RightDownDoesNothing", kHighLight, false, kDownRight, S::HighLight, false, {}},
    {"LeftUpWhileHoveringClicks", kHighLight, true, kUpLeft, S::HighLight, false, {"Normal~", "Click"}},
    {"LeftUpInFocusedHoverClicks", kHoverThenFocus, true, kUpLeft, S::HighLightSelect, false, {"HighLightSelect~", "Click"}},
    {"LeftUpAfterLeavingDoesNotClick", kSelected, true, kUpLeft, S::Selected, false, {}},
    {"LeftUpInNormalClicks", kNormal, false, kUpLeft, S::Normal, false, {"Click"}},
    {"RightUpWhileHoveringClicks", kHighLight, false, kUpRight, S::HighLight, false, {"Click"}},
    {"MiddleUpInFocusedHoverClicks", kFocusedThenHover, false, kUpMiddle, S::HighLightSelect, false, {"Click"}},
    {"RightUpInSelectedDoesNotClick", kSelected, false, kUpRight, S::Selected, false, {}},
    {"RightUpKeepsHeld", kHighLight, true, kUpRight, S::HighLight, true, {"Click"}},
    {"ResizeDrawsTheRestingFace", kFocusedThenHover, false, kResize, S::HighLightSelect, false, {"Normal"}},
    {"CaptureLostMidPressSelects", kHoverThenFocus, true, kCaptureLost, S::Selected, false, {"Selected"}},
    {"CaptureLostMidPressUnfocusedRests", kHighLight, true, kCaptureLost, S::Normal, false, {"Normal"}},
    {"CaptureLostWithoutPressDoesNothing", kFocusedThenHover, false, kCaptureLost, S::HighLightSelect, false, {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ButtonMachine, EventTable, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ButtonMachine, InitializeStartsThePollAndDrawsNothing) {
    Fixture f(kUninitialised);
    f.button.Initialize();
    EXPECT_EQ(f.button.State(), S::Normal);
    EXPECT_THAT(f.view.calls, ElementsAre("poll"));
}

TEST(ButtonMachine, ClickOnAnUnfocusedButton) {
    Fixture f(kNormal);
    f.button.MouseMove();
    f.button.GotFocus(); // the press brings the focus before the button's own event
    f.button.MouseDown(kLeftButton);
    f.button.MouseUp(kLeftButton);
    EXPECT_THAT(f.view.calls,
                ElementsAre("HighLight~", "Pressed~", "Pressed~", "HighLightSelect~", "Click"));
    EXPECT_EQ(f.button.State(), S::HighLightSelect);
}

TEST(ButtonMachine, ReleaseOutsideOrAfterComingBackDoesNotClick) {
    Fixture f(kHoverThenFocus);
    f.button.MouseDown(kLeftButton);
    f.button.MouseMove(); // still inside
    f.button.TmrMouse_Timer(false);
    EXPECT_EQ(f.button.State(), S::Selected);
    f.button.MouseMove(); // back inside, still held
    EXPECT_EQ(f.button.State(), S::Selected);
    f.button.MouseUp(kLeftButton);
    EXPECT_THAT(f.view.take(), ElementsAre("Pressed~", "Selected"));
    // Once released, hovering works again.
    f.button.MouseMove();
    EXPECT_EQ(f.button.State(), S::HighLightSelect);
}

// A press released away from the button, before any poll saw the pointer leave, by any
// mouse button and whether or not the press focused it: the look of a pointer gone, no click.
TEST(ButtonMachine, ReleaseElsewhereNeverClicks) {
    Fixture focused(kHoverThenFocus);
    focused.button.MouseDown(kLeftButton);
    focused.button.MouseUpElsewhere(kLeftButton);
    EXPECT_THAT(focused.view.take(), ElementsAre("Pressed~", "Selected"));
    EXPECT_FALSE(focused.button.Held());

    Fixture hovered(kHighLight);
    hovered.button.MouseDown(kRightButton);
    hovered.button.MouseUpElsewhere(kRightButton);
    EXPECT_THAT(hovered.view.take(), ElementsAre("Normal"));
    EXPECT_EQ(hovered.button.State(), S::Normal);
}

TEST(ButtonMachine, HoverWorksAgainAtOnceAfterTheMouseWasTakenMidPress) {
    Fixture f(kHoverThenFocus, true);
    f.button.MouseCaptureLost();
    f.button.MouseMove();
    EXPECT_THAT(f.view.take(), ElementsAre("Selected", "HighLightSelect"));
}

TEST(ButtonMachine, HoverFaceReturnsOnlyAfterLeavingWhenThePressDidNotFocus) {
    Fixture f(kHighLight, true);
    f.button.MouseUp(kLeftButton);
    f.button.MouseMove();
    EXPECT_THAT(f.view.take(), ElementsAre("Normal~", "Click"));
    f.button.TmrMouse_Timer(false);
    f.button.MouseMove();
    EXPECT_THAT(f.view.take(), ElementsAre("Normal", "HighLight~"));
}

TEST(ButtonMachine, FocusedHoverKeepsTheGradientItWasReachedWith) {
    Fixture fromHover(kHoverThenFocus);
    fromHover.button.MouseUp(kLeftButton);
    EXPECT_TRUE(fromHover.button.Reversed());
    EXPECT_THAT(fromHover.view.calls, ElementsAre("HighLightSelect~", "Click"));

    Fixture fromFocus(kFocusedThenHover);
    fromFocus.button.MouseDown(kLeftButton);
    fromFocus.button.MouseUp(kLeftButton);
    EXPECT_FALSE(fromFocus.button.Reversed());
    EXPECT_THAT(fromFocus.view.calls, ElementsAre("Pressed", "HighLightSelect", "Click"));
}

TEST(ButtonMachine, FocusBeforeInitializeThenHoverWorks) {
    Fixture f(kUninitialised);
    f.button.GotFocus();
    f.button.LostFocus();
    EXPECT_EQ(f.button.State(), S::Normal);
    f.button.MouseMove();
    EXPECT_EQ(f.button.State(), S::HighLight);
}

TEST(ButtonMachine, DisabledButtonIgnoresEverything) {
    Fixture f(kHighLight);
    f.button.setEnabled(false);
    EXPECT_THAT(f.view.take(), ElementsAre("Disable~"));
    EXPECT_FALSE(f.view.caption.enabled);
    for (Event event :
         {kMouseMove, kPollAway, kGotFocus, kLostFocus, kDownLeft, kUpLeft, kUpRight}) {
        event(f.button);
    }
    EXPECT_EQ(f.button.State(), S::HighLight);
    EXPECT_FALSE(f.button.Held());
    EXPECT_THAT(f.view.take(), IsEmpty());
    EXPECT_FALSE(f.button.Enabled());
    EXPECT_THAT(f.view.take(), ElementsAre("Disable~"));
    f.button.Resize();
    EXPECT_THAT(f.view.take(), ElementsAre("Disable~"));
}

TEST(ButtonMachine, EnablingAgainRestoresTheNormalLookAndClicks) {
    Fixture f(kNormal);
    f.button.setEnabled(false);
    f.button.setEnabled(true);
    EXPECT_TRUE(f.view.caption.enabled);
    f.button.MouseUp(kRightButton);
    EXPECT_THAT(f.view.calls, ElementsAre("Disable", "Normal", "Click"));
    EXPECT_THAT(f.view.changed, ElementsAre("Enabled", "Enabled"));
}

TEST(ButtonMachine, ReadingLookPropertiesDrawsTheNormalFaceWithoutChangingState) {
    Fixture f(kHighLight);
    EXPECT_EQ(f.button.FontColour(), 0u);
    EXPECT_TRUE(f.button.Visible());
    EXPECT_EQ(f.button.State(), S::HighLight);
    EXPECT_THAT(f.view.take(), ElementsAre("Normal~", "Normal~"));

    f.button.setVisible(false);
    EXPECT_FALSE(f.button.Visible());
    EXPECT_FALSE(f.view.opaque);
    EXPECT_THAT(f.view.take(), IsEmpty());
    f.button.setVisible(true);
    EXPECT_TRUE(f.view.opaque);
    EXPECT_THAT(f.view.take(), ElementsAre("Normal~"));
    EXPECT_THAT(f.view.changed, ElementsAre("Visible", "Visible"));
}

TEST(ButtonMachine, ReadingLookPropertiesOfADisabledButtonDrawsNothing) {
    Fixture f(kNormal);
    f.button.setEnabled(false);
    f.view.take();
    f.button.FontColour();
    f.button.Visible();
    EXPECT_THAT(f.view.calls, IsEmpty());
}

TEST(ButtonMachine, FontColourRejectsValuesThatAreNotColours) {
    Fixture f(kNormal);
    f.button.setFontColour(0x0000FF);
    f.button.setFontColour(0x8000000F); // a system colour
    f.button.setFontColour(0x12345678);
    f.button.setFontColour(0x80000040);
    EXPECT_EQ(f.view.caption.colour, 0x8000000Fu);
    EXPECT_THAT(f.view.changed, ElementsAre("FontColour", "FontColour"));
    EXPECT_THAT(f.view.calls, ElementsAre("Normal", "Normal", "Normal", "Normal"));
}

TEST(ButtonMachine, CaptionAndFontReachTheLabel) {
    Fixture f(kNormal);
    f.button.setCaption("設定");
    forms::FontDesign bold = forms::designFont();
    bold.weight = 700;
    f.button.setFont(bold);
    EXPECT_EQ(f.button.Caption(), "設定");
    EXPECT_EQ(f.view.caption.text, "設定");
    EXPECT_EQ(f.view.caption.font, bold);
    EXPECT_THAT(f.view.changed, ElementsAre("Caption", "Font"));
    EXPECT_THAT(f.view.calls, IsEmpty());
}

} // namespace
} // namespace velmora::button
