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

// A loaded, enabled button as the dialog has it, brought into a state by real events.
enum class Start { Uninitialised, Normal, HighLight, Selected, FocusedThenHover, HoverThenFocus };

struct Fixture {
    RecordingButtonView view;
    ButtonMachine button{view};

    explicit Fixture(Start start, bool held = false) {
        button.ReadProperties(forms::PropertyBag{}, designFont());
        if (start != Start::Uninitialised) {
            button.Initialize();
        }
        switch (start) {
        case Start::HighLight:
            button.MouseMove();
            break;
        case Start::Selected:
            button.GotFocus();
            break;
        case Start::FocusedThenHover:
            button.GotFocus();
            button.MouseMove();
            break;
        case Start::HoverThenFocus:
            button.MouseMove();
            button.GotFocus();
            break;
        default:
            break;
        }
        if (held) {
            button.MouseDown(kLeftButton);
        }
        view.take();
    }
};

enum class Event {
    MouseMove,
    PollAway,
    PollOver,
    GotFocus,
    LostFocus,
    DownLeft,
    DownRight,
    UpLeft,
    UpRight,
    UpMiddle,
    Resize
};

void send(ButtonMachine& button, Event event) {
    switch (event) {
    case Event::MouseMove:
        button.MouseMove();
        break;
    case Event::PollAway:
        button.TmrMouse_Timer(false);
        break;
    case Event::PollOver:
        button.TmrMouse_Timer(true);
        break;
    case Event::GotFocus:
        button.GotFocus();
        break;
    case Event::LostFocus:
        button.LostFocus();
        break;
    case Event::DownLeft:
        button.MouseDown(kLeftButton);
        break;
    case Event::DownRight:
        button.MouseDown(kRightButton);
        break;
    case Event::UpLeft:
        button.MouseUp(kLeftButton);
        break;
    case Event::UpRight:
        button.MouseUp(kRightButton);
        break;
    case Event::UpMiddle:
        button.MouseUp(kMiddleButton);
        break;
    case Event::Resize:
        button.Resize();
        break;
    }
}

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
    send(f.button, row.event);
    EXPECT_EQ(f.button.State(), row.state);
    EXPECT_EQ(f.button.Held(), row.heldAfter);
    EXPECT_EQ(f.view.calls, row.calls);
}

const Row kRows[] = {
    {"MoveInNormalHovers",
     Start::Normal,
     false,
     Event::MouseMove,
     S::HighLight,
     false,
     {"HighLight~"}},
    {"MoveWhileHoveringDoesNothing",
     Start::HighLight,
     false,
     Event::MouseMove,
     S::HighLight,
     false,
     {}},
    {"MoveInSelectedHovers",
     Start::Selected,
     false,
     Event::MouseMove,
     S::HighLightSelect,
     false,
     {"HighLightSelect"}},
    {"MoveInSelectedWhileHeldStays",
     Start::Selected,
     true,
     Event::MouseMove,
     S::Selected,
     true,
     {}},
    {"MoveInFocusedHoverDoesNothing",
     Start::FocusedThenHover,
     false,
     Event::MouseMove,
     S::HighLightSelect,
     false,
     {}},
    {"MoveBeforeInitializeDoesNothing",
     Start::Uninitialised,
     false,
     Event::MouseMove,
     S::None,
     false,
     {}},
    {"PollAwayFromHoverRestores",
     Start::HighLight,
     false,
     Event::PollAway,
     S::Normal,
     false,
     {"Normal"}},
    {"PollAwayFromFocusedHoverSelects",
     Start::FocusedThenHover,
     false,
     Event::PollAway,
     S::Selected,
     false,
     {"Selected"}},
    {"PollAwayInNormalDoesNothing", Start::Normal, false, Event::PollAway, S::Normal, false, {}},
    {"PollAwayInSelectedDoesNothing",
     Start::Selected,
     false,
     Event::PollAway,
     S::Selected,
     false,
     {}},
    {"PollOverKeepsHover", Start::HighLight, false, Event::PollOver, S::HighLight, false, {}},
    {"FocusInNormalSelects",
     Start::Normal,
     false,
     Event::GotFocus,
     S::Selected,
     false,
     {"Selected"}},
    {"FocusWhileHoveringPresses",
     Start::HighLight,
     false,
     Event::GotFocus,
     S::HighLightSelect,
     false,
     {"Pressed~"}},
    {"FocusBeforeInitializeSelects",
     Start::Uninitialised,
     false,
     Event::GotFocus,
     S::Selected,
     false,
     {"Selected"}},
    {"FocusLostInSelected", Start::Selected, false, Event::LostFocus, S::Normal, false, {"Normal"}},
    {"FocusLostInFocusedHover",
     Start::FocusedThenHover,
     false,
     Event::LostFocus,
     S::Normal,
     false,
     {"Normal"}},
    {"FocusLostWhileHovering",
     Start::HighLight,
     false,
     Event::LostFocus,
     S::Normal,
     false,
     {"Normal"}},
    {"FocusLostInNormalDoesNothing", Start::Normal, false, Event::LostFocus, S::Normal, false, {}},
    {"LeftDownPresses", Start::HighLight, false, Event::DownLeft, S::HighLight, true, {"Pressed~"}},
    {"RightDownDoesNothing", Start::HighLight, false, Event::DownRight, S::HighLight, false, {}},
    {"LeftUpWhileHoveringClicks",
     Start::HighLight,
     true,
     Event::UpLeft,
     S::HighLight,
     false,
     {"Normal~", "Click"}},
    {"LeftUpInFocusedHoverClicks",
     Start::HoverThenFocus,
     true,
     Event::UpLeft,
     S::HighLightSelect,
     false,
     {"HighLightSelect~", "Click"}},
    {"LeftUpAfterLeavingDoesNotClick",
     Start::Selected,
     true,
     Event::UpLeft,
     S::Selected,
     false,
     {}},
    {"LeftUpInNormalClicks", Start::Normal, false, Event::UpLeft, S::Normal, false, {"Click"}},
    {"RightUpWhileHoveringClicks",
     Start::HighLight,
     false,
     Event::UpRight,
     S::HighLight,
     false,
     {"Click"}},
    {"MiddleUpInFocusedHoverClicks",
     Start::FocusedThenHover,
     false,
     Event::UpMiddle,
     S::HighLightSelect,
     false,
     {"Click"}},
    {"RightUpInSelectedDoesNotClick",
     Start::Selected,
     false,
     Event::UpRight,
     S::Selected,
     false,
     {}},
    {"RightUpKeepsHeld", Start::HighLight, true, Event::UpRight, S::HighLight, true, {"Click"}},
    {"ResizeDrawsTheRestingFace",
     Start::FocusedThenHover,
     false,
     Event::Resize,
     S::HighLightSelect,
     false,
     {"Normal"}},
};

INSTANTIATE_TEST_SUITE_P(ButtonMachine, EventTable, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ButtonMachine, InitializeStartsThePollAndDrawsNothing) {
    Fixture f(Start::Uninitialised);
    f.button.Initialize();
    EXPECT_EQ(f.button.State(), S::Normal);
    EXPECT_THAT(f.view.calls, ElementsAre("poll"));
}

TEST(ButtonMachine, ClickOnAnUnfocusedButton) {
    Fixture f(Start::Normal);
    f.button.MouseMove();
    f.button.GotFocus(); // the press brings the focus before the button's own event
    f.button.MouseDown(kLeftButton);
    f.button.MouseUp(kLeftButton);
    EXPECT_THAT(f.view.calls,
                ElementsAre("HighLight~", "Pressed~", "Pressed~", "HighLightSelect~", "Click"));
    EXPECT_EQ(f.button.State(), S::HighLightSelect);
}

TEST(ButtonMachine, ReleaseOutsideOrAfterComingBackDoesNotClick) {
    Fixture f(Start::HoverThenFocus);
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
    Fixture focused(Start::HoverThenFocus);
    focused.button.MouseDown(kLeftButton);
    focused.button.MouseUpElsewhere(kLeftButton);
    EXPECT_THAT(focused.view.take(), ElementsAre("Pressed~", "Selected"));
    EXPECT_FALSE(focused.button.Held());

    Fixture hovered(Start::HighLight);
    hovered.button.MouseDown(kRightButton);
    hovered.button.MouseUpElsewhere(kRightButton);
    EXPECT_THAT(hovered.view.take(), ElementsAre("Normal"));
    EXPECT_EQ(hovered.button.State(), S::Normal);
}

TEST(ButtonMachine, HoverFaceReturnsOnlyAfterLeavingWhenThePressDidNotFocus) {
    Fixture f(Start::HighLight, true);
    f.button.MouseUp(kLeftButton);
    f.button.MouseMove();
    EXPECT_THAT(f.view.take(), ElementsAre("Normal~", "Click"));
    f.button.TmrMouse_Timer(false);
    f.button.MouseMove();
    EXPECT_THAT(f.view.take(), ElementsAre("Normal", "HighLight~"));
}

TEST(ButtonMachine, FocusedHoverKeepsTheGradientItWasReachedWith) {
    Fixture fromHover(Start::HoverThenFocus);
    fromHover.button.MouseUp(kLeftButton);
    EXPECT_TRUE(fromHover.button.Reversed());
    EXPECT_THAT(fromHover.view.calls, ElementsAre("HighLightSelect~", "Click"));

    Fixture fromFocus(Start::FocusedThenHover);
    fromFocus.button.MouseDown(kLeftButton);
    fromFocus.button.MouseUp(kLeftButton);
    EXPECT_FALSE(fromFocus.button.Reversed());
    EXPECT_THAT(fromFocus.view.calls, ElementsAre("Pressed", "HighLightSelect", "Click"));
}

TEST(ButtonMachine, FocusBeforeInitializeThenHoverWorks) {
    Fixture f(Start::Uninitialised);
    f.button.GotFocus();
    f.button.LostFocus();
    EXPECT_EQ(f.button.State(), S::Normal);
    f.button.MouseMove();
    EXPECT_EQ(f.button.State(), S::HighLight);
}

TEST(ButtonMachine, DisabledButtonIgnoresEverything) {
    Fixture f(Start::HighLight);
    f.button.setEnabled(false);
    EXPECT_THAT(f.view.take(), ElementsAre("Disable~"));
    EXPECT_FALSE(f.view.caption.enabled);
    for (Event event : {Event::MouseMove, Event::PollAway, Event::GotFocus, Event::LostFocus,
                        Event::DownLeft, Event::UpLeft, Event::UpRight}) {
        send(f.button, event);
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
    Fixture f(Start::Normal);
    f.button.setEnabled(false);
    f.button.setEnabled(true);
    EXPECT_TRUE(f.view.caption.enabled);
    f.button.MouseUp(kRightButton);
    EXPECT_THAT(f.view.calls, ElementsAre("Disable", "Normal", "Click"));
    EXPECT_THAT(f.view.changed, ElementsAre("Enabled", "Enabled"));
}

TEST(ButtonMachine, ReadingLookPropertiesDrawsTheNormalFaceWithoutChangingState) {
    Fixture f(Start::HighLight);
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
    Fixture f(Start::Normal);
    f.button.setEnabled(false);
    f.view.take();
    f.button.FontColour();
    f.button.Visible();
    EXPECT_THAT(f.view.calls, IsEmpty());
}

TEST(ButtonMachine, FontColourRejectsValuesThatAreNotColours) {
    Fixture f(Start::Normal);
    f.button.setFontColour(0x0000FF);
    f.button.setFontColour(0x8000000F); // a system colour
    f.button.setFontColour(0x12345678);
    f.button.setFontColour(0x80000040);
    EXPECT_EQ(f.view.caption.colour, 0x8000000Fu);
    EXPECT_THAT(f.view.changed, ElementsAre("FontColour", "FontColour"));
    EXPECT_THAT(f.view.calls, ElementsAre("Normal", "Normal", "Normal", "Normal"));
}

TEST(ButtonMachine, CaptionAndFontReachTheLabel) {
    Fixture f(Start::Normal);
    f.button.setCaption("設定");
    CaptionFont bold = designFont();
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
