// Windowless controls (labels, images, shapes) and the host that carries them on a container
// window: the host paints them over the container's own drawing, in the order they were added,
// finds the one under the mouse, raises its mouse events by the one rule of mouse presses
// (WindowlessPress in core/PressOwner.h) and sets its mouse pointer. The rectangle shape, the
// simplest of them, is here too.
#pragma once

#include <windows.h>

#include <vector>

#include "base/Rect.h"
#include "saver/forms/Form.h"
#include "saver/forms/PictureBox.h"
#include "saver/forms/core/PressOwner.h"

namespace velmora::forms {

class WindowlessControl {
public:
    virtual ~WindowlessControl() = default;

    // Where the control sits, in pixels of its container's client area.
    virtual RECT bounds() const = 0;
    virtual void paint(HDC dc) = 0;
    // Controls that ignore the mouse let it through to whatever lies below.
    virtual bool takesMouse() const { return false; }
    // A press of any button that began over the control, or joined a press that did.
    virtual void mouseDown(MouseButton) {}
    // A left press and release both over the control.
    virtual void click() {}
    // The pointer shown over the control; null for the standard arrow.
    virtual HCURSOR pointer() const { return nullptr; }
};

class WindowlessHost : public Control {
public:
    WindowlessHost(Form& form, ContainerWindow container);
    ~WindowlessHost() override;

    void add(WindowlessControl& control);
    // Has the part of the container under area drawn again, with the controls over it.
    void invalidate(const RECT& area);
    HWND window() const { return subclass_.window(); }

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void formCreated(HWND form) override;
    void formDestroyed() override;
    void paintOver(HRGN dirty);
    void buttonDown(MouseButton button, LPARAM position);
    void buttonUp(MouseButton button, LPARAM position);
    bool setPointer();
    WindowlessControl* controlAt(POINT point) const;
    // A control's id in presses_ and back; the background has none.
    uintptr_t idOf(const WindowlessControl* control) const;
    WindowlessControl* controlOf(uintptr_t id) const;

    Form& form_;
    ContainerWindow container_;
    WindowSubclass subclass_;
    std::vector<WindowlessControl*> controls_;
    WindowlessPress presses_;
};

// The rectangle shape: an outline with a one-pixel border, drawn over its container's picture;
// rect in pixels within the container. It takes no mouse input.
struct ShapeRectDesign {
    base::PixelRect rect;
    COLORREF borderColour = RGB(0, 0, 0);
};

class ShapeRect : public WindowlessControl {
public:
    ShapeRect(WindowlessHost& host, ShapeRectDesign design);

    RECT bounds() const override;

private:
    void paint(HDC dc) override;

    ShapeRectDesign design_;
};

} // namespace velmora::forms
