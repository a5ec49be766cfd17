// One press, one owner: a mouse press of any button belongs to the window it started on until
// its last held button is released, and only a release over that window may click.
#pragma once

#include <cstdint>
#include <optional>

namespace velmora::forms {

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

} // namespace velmora::forms
