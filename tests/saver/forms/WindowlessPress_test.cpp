// Presses on windowless controls: whose MouseDown a press is and which release clicks, for
// every button, a second button, the background and a lost mouse.
#include "saver/forms/core/WindowlessPress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora::forms {

namespace {

constexpr uintptr_t kNone = WindowlessPress::kBackground;
constexpr uintptr_t kLabel = 1;
constexpr uintptr_t kMark = 2;

enum class Act { Down, Up, Lost };

struct Step {
    Act act;
    uintptr_t under;
    MouseButton button;
};

constexpr MouseButton kLeft = MouseButton::Left;
constexpr MouseButton kRight = MouseButton::Right;
constexpr MouseButton kMiddle = MouseButton::Middle;

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
         {{Act::Down, kLabel, kLeft}, {Act::Up, kLabel, kLeft}},
         {"down 1", "click 1"}},
        {"right over the label",
         {{Act::Down, kLabel, kRight}, {Act::Up, kLabel, kRight}},
         {"down 1"}},
        {"middle over the mark",
         {{Act::Down, kMark, kMiddle}, {Act::Up, kMark, kMiddle}},
         {"down 2"}},
        {"left released over another",
         {{Act::Down, kLabel, kLeft}, {Act::Up, kMark, kLeft}},
         {"down 1"}},
        {"left released over the background",
         {{Act::Down, kLabel, kLeft}, {Act::Up, kNone, kLeft}},
         {"down 1"}},
        {"background pressed, released over the label",
         {{Act::Down, kNone, kLeft}, {Act::Up, kLabel, kLeft}},
         {}},
        {"released without a press", {{Act::Up, kLabel, kLeft}}, {}},
        {"the mouse lost before the release",
         {{Act::Down, kLabel, kLeft}, {Act::Lost, kNone, kLeft}, {Act::Up, kLabel, kLeft}},
         {"down 1"}},
        // A second button joins the press that holds the mouse.
        {"right over another while left is down",
         {{Act::Down, kLabel, kLeft},
          {Act::Down, kMark, kRight},
          {Act::Up, kMark, kRight},
          {Act::Up, kLabel, kLeft}},
         {"down 1", "down 1", "click 1"}},
        {"left released first, over the label, while right stays down",
         {{Act::Down, kLabel, kRight},
          {Act::Down, kLabel, kLeft},
          {Act::Up, kLabel, kLeft},
          {Act::Up, kLabel, kRight}},
         {"down 1", "down 1", "click 1"}},
        {"a new press once all buttons are up starts anew",
         {{Act::Down, kLabel, kLeft},
          {Act::Up, kNone, kLeft},
          {Act::Down, kMark, kLeft},
          {Act::Up, kMark, kLeft}},
         {"down 1", "down 2", "click 2"}},
        {"a press on the background is the background's",
         {{Act::Down, kNone, kRight}, {Act::Down, kLabel, kLeft}, {Act::Up, kLabel, kLeft}},
         {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(eventsOf(c.steps), c.expected) << c.name;
    }
}

} // namespace

} // namespace velmora::forms
