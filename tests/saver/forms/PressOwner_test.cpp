// One press, one owner: which releases click, for every mouse button, on windows and on the
// windowless controls of a container (whose MouseDown a press is, a second button, the
// background and a lost mouse).
#include "saver/forms/core/PressOwner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora::forms {

namespace {

constexpr uintptr_t kCancel = 1;
constexpr uintptr_t kSet = 2;
constexpr unsigned kLeft = 1;
constexpr unsigned kRight = 2;
constexpr unsigned kMiddle = 16;

using Release = PressOwner::Release;

TEST(PressOwner, OnlyTheOwnersReleaseOverItClicks) {
    for (const unsigned button : {kLeft, kRight, kMiddle}) {
        PressOwner owner;
        owner.press(kCancel, button);
        // A release over another control never reaches it as its own.
        EXPECT_EQ(owner.release(kSet, button, true), Release::NotOwned) << button;
        EXPECT_EQ(owner.release(kCancel, button, false), Release::Outside) << button;
        EXPECT_FALSE(owner.holding(kCancel));
        EXPECT_EQ(owner.release(kCancel, button, true), Release::NotOwned) << "released twice";

        owner.press(kCancel, button);
        EXPECT_EQ(owner.release(kCancel, button, true), Release::Over) << button;
    }
}

TEST(PressOwner, ASecondButtonJoinsThePressOfTheFirst) {
    PressOwner owner;
    owner.press(kCancel, kLeft);
    owner.press(kCancel, kRight);
    EXPECT_EQ(owner.release(kCancel, kLeft, true), Release::Over);
    EXPECT_TRUE(owner.holding(kCancel));
    EXPECT_EQ(owner.release(kCancel, kMiddle, true), Release::NotOwned) << "never pressed";
    EXPECT_EQ(owner.release(kCancel, kRight, false), Release::Outside);
    EXPECT_FALSE(owner.holding(kCancel));
}

TEST(PressOwner, APressLostToAnotherWindowEndsWithoutAClick) {
    PressOwner owner;
    owner.press(kCancel, kRight);
    EXPECT_FALSE(owner.lost(kSet)); // someone else's loss changes nothing
    EXPECT_TRUE(owner.holding(kCancel));
    EXPECT_TRUE(owner.lost(kCancel));
    EXPECT_FALSE(owner.lost(kCancel)) << "nothing left to lose";
    EXPECT_EQ(owner.release(kCancel, kRight, true), Release::NotOwned);
    // A new press elsewhere starts a new owner.
    owner.press(kCancel, kLeft);
    owner.press(kSet, kRight);
    EXPECT_EQ(owner.release(kCancel, kLeft, true), Release::NotOwned);
    EXPECT_EQ(owner.release(kSet, kRight, true), Release::Over);
}

constexpr uintptr_t kNone = WindowlessPress::kBackground;
constexpr uintptr_t kLabel = 1;
constexpr uintptr_t kMark = 2;

enum class Act { Down, Up, Lost };
using enum MouseButton;

struct Step {
    Act act;
    uintptr_t under;
    MouseButton button;
};

// What the steps raise, in order: "down 1" for a MouseDown of control 1, "click 1" for a click.
std::vector<std::string> eventsOf(const std::vector<Step>& steps) {
    WindowlessPress presses;
    std::vector<std::string> events;
    for (const Step& step : steps) {
        switch (step.act) {
        case Act::Down:
            if (const uintptr_t target = presses.press(step.under, step.button); target != kNone) {
                events.push_back("down " + std::to_string(target));
            }
            break;
        case Act::Up:
            if (const std::optional<uintptr_t> clicked = presses.release(step.under, step.button)) {
                events.push_back("click " + std::to_string(*clicked));
            }
            break;
        case Act::Lost:
            presses.lost();
            break;
        }
    }
    return events;
}

using Events = std::vector<std::string>;

TEST(WindowlessPress, ThePressIsTheControlsItBeganOnAndOnlyALeftReleaseOverItClicks) {
    const struct {
        const char* name;
        std::vector<Step> steps;
        Events expected;
    } cases[] = {
        {"left over the label",
         {{Act::Down, kLabel, Left}, {Act::Up, kLabel, Left}},
         {"down 1", "click 1"}},
        {"right over the label",
         {{Act::Down, kLabel, Right}, {Act::Up, kLabel, Right}},
         {"down 1"}},
        {"middle over the mark",
         {{Act::Down, kMark, Middle}, {Act::Up, kMark, Middle}},
         {"down 2"}},
        {"left released over another",
         {{Act::Down, kLabel, Left}, {Act::Up, kMark, Left}},
         {"down 1"}},
        {"left released over the background",
         {{Act::Down, kLabel, Left}, {Act::Up, kNone, Left}},
         {"down 1"}},
        {"background pressed, released over the label",
         {{Act::Down, kNone, Left}, {Act::Up, kLabel, Left}},
         {}},
        {"released without a press", {{Act::Up, kLabel, Left}}, {}},
        {"the mouse lost before the release",
         {{Act::Down, kLabel, Left}, {Act::Lost, kNone, Left}, {Act::Up, kLabel, Left}},
         {"down 1"}},
        // A second button joins the press that holds the mouse.
        {"right over another while left is down",
         {{Act::Down, kLabel, Left},
          {Act::Down, kMark, Right},
          {Act::Up, kMark, Right},
          {Act::Up, kLabel, Left}},
         {"down 1", "down 1", "click 1"}},
        {"left released first, over the label, while right stays down",
         {{Act::Down, kLabel, Right},
          {Act::Down, kLabel, Left},
          {Act::Up, kLabel, Left},
          {Act::Up, kLabel, Right}},
         {"down 1", "down 1", "click 1"}},
        {"a new press once all buttons are up starts anew",
         {{Act::Down, kLabel, Left},
          {Act::Up, kNone, Left},
          {Act::Down, kMark, Left},
          {Act::Up, kMark, Left}},
         {"down 1", "down 2", "click 2"}},
        {"a press on the background is the background's",
         {{Act::Down, kNone, Right}, {Act::Down, kLabel, Left}, {Act::Up, kLabel, Left}},
         {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(eventsOf(c.steps), c.expected) << c.name;
    }
}

} // namespace

} // namespace velmora::forms
