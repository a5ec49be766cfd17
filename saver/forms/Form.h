// Form: a top-level window of the saver with the events of a form. Loading makes the window
// (hidden) and its controls, then fires onLoad; unloading asks onQueryUnload, fires onUnload
// and destroys the window. A message loop waiting for the form ends when it goes.
// Also what every control of a form builds on: the side of a control its form talks to,
// control arrays, window classes and subclasses of windows the control does not own.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/Rect.h"
#include "saver/forms/Screen.h"
#include "saver/forms/core/PressOwner.h"

namespace velmora::forms {

// Why a form is asked to unload.
enum class UnloadMode { FormCode, ControlMenu, AppWindows };

// What a form looks like when it is made. Sizes are twips; a size of 0 gives a 0 x 0 window.
struct FormDesign {
    std::string caption; // UTF-8; the window title, which other programs may look for
    DWORD style = WS_POPUP | WS_CLIPCHILDREN; // WS_POPUP alone is a form without a border
    DWORD exStyle = 0;
    COLORREF backColour = RGB(0, 0, 0);
    HICON icon = nullptr;
    base::TwipsRect rect;
};

// A visible form with a fixed single border: a caption bar with a close box, not resizable,
// whose client area is clientWidthTwips x clientHeightTwips; the window size in the design
// includes the border and caption bar.
FormDesign fixedSingleFormDesign(std::string caption, int clientWidthTwips, int clientHeightTwips,
                                 COLORREF backColour, HICON icon);

// The side of a control that its form talks to: the form tells its controls when its window
// comes and goes, hands them its timer messages and lets windowless controls paint.
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

class Form {
public:
    explicit Form(FormDesign design);
    ~Form(); // drops the window without events
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    std::function<void()> onLoad;
    std::function<void(bool& cancel, UnloadMode mode)> onQueryUnload;
    std::function<void()> onUnload;

    void load(); // makes the hidden window and its controls, then fires onLoad; once
    void show(); // loads first when needed
    void hide();
    void unload(UnloadMode mode = UnloadMode::FormCode);

    bool loaded() const { return window_ != nullptr; }
    HWND hwnd() const { return window_; }
    // The window with its border and caption; 0 x 0 while it is not loaded.
    TwipsSize windowSizeTwips() const;

    // Places the window, in twips, relative to its parent when it has one.
    void move(const base::TwipsRect& rect);
    void repaint();

    // Controls join their form when they are made and leave it when they go.
    void addControl(Control& control);
    void removeControl(Control& control);

    // The mouse press on the form's window and its controls' windows (MousePress.h).
    PressOwner& presses() { return presses_; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createWindow();
    void onPaint();
    void onTimer(UINT_PTR id);
    void onDestroyed();

    FormDesign design_;
    HWND window_ = nullptr;
    HBRUSH backBrush_ = nullptr;
    bool unloading_ = false;
    std::vector<Control*> controls_;
    PressOwner presses_;
};

// Control arrays: controls of one kind and one name told apart by an index, whose events carry
// that index to the form's handler.
template <typename ControlType> class ControlArray {
public:
    // Makes element index from the given arguments and returns it; an index is made once.
    template <typename... Args> ControlType& load(int index, Args&&... args) {
        auto& slot = elements_[index];
        if (!slot) {
            slot = std::make_unique<ControlType>(std::forward<Args>(args)...);
        }
        return *slot;
    }

    ControlType& operator()(int index) { return *elements_.at(index); }
    bool contains(int index) const { return elements_.contains(index); }

    template <typename Visit> void forEach(Visit visit) {
        for (auto& [index, element] : elements_) {
            visit(index, *element);
        }
    }

private:
    std::map<int, std::unique_ptr<ControlType>> elements_;
};

// Registers a window class of the forms layer unless the program already has one of that name.
void registerWindowClass(const wchar_t* name, WNDPROC procedure, HCURSOR cursor = nullptr);

// A subclass that a control puts on a window it does not own the procedure of (its form, its
// container or a platform control), taken off again when the form goes.
class WindowSubclass {
public:
    WindowSubclass(SUBCLASSPROC procedure, UINT_PTR id) : procedure_(procedure), id_(id) {}
    ~WindowSubclass() { detach(); }
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;

    // The procedure gets self as its reference data; a null window is simply not subclassed.
    void attach(HWND window, void* self);
    // Off the window, unless the window is already gone.
    void detach();
    // The subclassed window, null while there is none.
    HWND window() const { return window_; }

private:
    SUBCLASSPROC procedure_;
    UINT_PTR id_;
    HWND window_ = nullptr;
};

} // namespace velmora::forms
