// HackEvents: what the hack does with each X event, decided apart from Xlib: which events end it,
// which tell it that its window is gone, and which give it a new size.
#pragma once

namespace velmora::x11 {

enum class HackEventKind {
    SizeChanged, // a configure event
    KeyPressed,
    CloseAsked,      // the window manager's close box (WM_DELETE_WINDOW)
    WindowDestroyed, // a destroy event
    Other,
};

enum class HackKey {
    Escape,
    Q,
    Other,
};

// An X event as the hack's decisions see it.
struct HackEvent {
    HackEventKind kind = HackEventKind::Other;
    // The event is about the window the hack draws on, not a child or another window.
    bool onTarget = false;
    int width = 0; // SizeChanged
    int height = 0;
    HackKey key = HackKey::Other; // KeyPressed
};

struct HackState {
    // The window was made by the hack: only then are keys and the close box its own to take.
    bool ownWindow = false;
    int width = 0;
    int height = 0;
};

enum class HackAction {
    Continue,
    Resize,     // take the event's size
    End,        // end as asked, exit 0
    WindowGone, // the window drawn on was destroyed: end quietly, exit 0, nothing left to release
};

HackAction decideHackEvent(const HackState& state, const HackEvent& event);

} // namespace velmora::x11
