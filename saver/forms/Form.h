// Form: a top-level window of the saver with the events of a form. Loading makes the window
// (hidden) and its controls, then fires onLoad; unloading asks onQueryUnload, fires onUnload
// and destroys the window. A message loop waiting for the form ends when it goes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/Rect.h"
#include "saver/forms/core/PressOwner.h"

namespace velmora::forms {

class Control;

// Why a form is asked to unload.
enum class UnloadMode { FormCode, ControlMenu, AppWindows };

// What a form looks like when it is made. Sizes are twips; a size of 0 gives a 0 x 0 window.
struct FormDesign {
    std::string caption; // UTF-8; the window title, which other programs may look for
    DWORD style = WS_POPUP | WS_CLIPCHILDREN; // WS_POPUP alone is a form without a border
    DWORD exStyle = 0;
    COLORREF backColour = RGB(0, 0, 0);
    HICON icon = nullptr;
    base::TwipsRect place;
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

    // Places the window, in twips, relative to its parent when it has one.
    void move(const base::TwipsRect& place);
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

} // namespace velmora::forms
