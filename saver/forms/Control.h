// The side of a control that its form talks to: the form tells its controls when its window
// comes and goes, hands them its timer messages and lets windowless controls paint.
#pragma once

#include <windows.h>

class Control {
public:
    virtual ~Control() = default;

    // The form's window exists now (controls make their own windows or timers here) ...
    virtual void formCreated(HWND) {}
    // ... and is about to go: release whatever was made in formCreated.
    virtual void formDestroyed() {}
    // A WM_TIMER of the form; true when the id was this control's.
    virtual bool timerFired(UINT_PTR) { return false; }
    // Windowless controls draw themselves onto the form's device context.
    virtual void paint(HDC) {}
};
