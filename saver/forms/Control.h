// The side of a control that its form talks to: the form tells its controls when its window
// comes and goes, hands them its timer messages and lets windowless controls paint.
#pragma once

#include <windows.h>

namespace velmora::forms {

class Control {
public:
    Control() = default;
    virtual ~Control() = default;
    // A control is known to its form by its address.
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The form's window exists now (controls make their own windows or timers here) ...
    virtual void formCreated(HWND) {}
    // ... and is about to go: release whatever was made in formCreated.
    virtual void formDestroyed() {}
    // A WM_TIMER of the form; true when the id was this control's.
    virtual bool timerFired(UINT_PTR) { return false; }
    // Windowless controls draw themselves onto the form's device context.
    virtual void paint(HDC) {}
};

} // namespace velmora::forms
