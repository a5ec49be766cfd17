// One press, one owner: a mouse press of any button belongs to the window it started on until
// its last held button is released, and only a release over that window may click. The same
// rule, inside one container window, says which windowless control a press belongs to.
#pragma once

#include <cstdint>
#include <optional>

namespace velmora::forms {

// Mouse button codes as the event handlers receive them; each is a bit of its own, so a set of
// held buttons is their sum.
enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

class PressOwner {
public:
    enum class Release {
        Over,     // the owner's release over the owner: a click, where the control has one
        Outside,  // the owner's release elsewhere: the press ends without a click
        NotOwned, // a release of a press this window never had: nothing at all
    };

    // A press of one button (a bit of its own) on a window.
    void press(uintptr_t window, unsigned button);
    Release release(uintptr_t window, unsigned button, bool overWindow);
    // True while a press of this window has a button down.
    bool holding(uintptr_t window) const { return holder() == window; }
    // The window whose press has a button down, if any.
    std::optional<uintptr_t> holder() const {
        return held_ != 0 ? std::optional<uintptr_t>(owner_) : std::nullopt;
    }
    // The window lost the mouse to another: its press is over, and no release will click.
    // True when the window had a press to lose.
    bool lost(uintptr_t window);

private:
    uintptr_t owner_ = 0;
    unsigned held_ = 0;
};

// Presses on the windowless controls of one container window. The container holds the mouse
// for them like any window (MousePress.h); this says which control a press belongs to and which
// release clicks it. Controls are ids of the caller's choosing; kBackground is the container
// itself, where no control takes the mouse.
class WindowlessPress {
public:
    static constexpr uintptr_t kBackground = 0;

    // A press of button over the control under. While another button is down the press joins
    // the one that holds the mouse, as it does on a window. Returns the control whose MouseDown
    // it is (kBackground: none).
    uintptr_t press(uintptr_t under, MouseButton button);
    // A release of button over the control under: the control it clicks, if any. A left
    // release over the control that owns the press is its click; no other release is.
    std::optional<uintptr_t> release(uintptr_t under, MouseButton button);
    // The container lost the mouse to another window: the press ends without a click.
    void lost();

private:
    PressOwner owner_;
};

} // namespace velmora::forms
