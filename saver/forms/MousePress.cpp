// Mouse presses over the capture of Win32 (see MousePress.h).
#include "saver/forms/MousePress.h"

#include <windowsx.h>

namespace velmora::forms {

namespace {

uintptr_t idOf(HWND window) {
    return reinterpret_cast<uintptr_t>(window);
}

bool releasedOver(HWND window, LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT client{};
    GetClientRect(window, &client);
    if (!PtInRect(&client, point)) {
        return false;
    }
    // Inside the rectangle but under another window (a covering one) is not over this one.
    ClientToScreen(window, &point);
    return WindowFromPoint(point) == window;
}

PressStep pressed(PressOwner& presses, HWND window, unsigned button) {
    presses.press(idOf(window), button);
    if (GetCapture() != window) {
        SetCapture(window);
    }
    return PressStep::Press;
}

PressStep released(PressOwner& presses, HWND window, unsigned button, LPARAM lParam) {
    const PressOwner::Release release =
        presses.release(idOf(window), button, releasedOver(window, lParam));
    if (!presses.holding(idOf(window)) && GetCapture() == window) {
        ReleaseCapture();
    }
    switch (release) {
    case PressOwner::Release::Over:
        return PressStep::ReleaseOver;
    case PressOwner::Release::Outside:
        return PressStep::ReleaseOutside;
    case PressOwner::Release::NotOwned:
        break;
    }
    return PressStep::None;
}

} // namespace

std::optional<ButtonMessage> buttonMessageOf(UINT message) {
    static constexpr struct {
        UINT message;
        ButtonMessage meaning;
    } kMessages[] = {
        {WM_LBUTTONDOWN, {MouseButton::Left, true}},   {WM_RBUTTONDOWN, {MouseButton::Right, true}},
        {WM_MBUTTONDOWN, {MouseButton::Middle, true}}, {WM_LBUTTONUP, {MouseButton::Left, false}},
        {WM_RBUTTONUP, {MouseButton::Right, false}},   {WM_MBUTTONUP, {MouseButton::Middle, false}},
    };
    for (const auto& entry : kMessages) {
        if (entry.message == message) {
            return entry.meaning;
        }
    }
    return std::nullopt;
}

PressStep followMousePress(PressOwner& presses, HWND window, UINT message, LPARAM lParam) {
    if (const std::optional<ButtonMessage> button = buttonMessageOf(message)) {
        const auto bit = static_cast<unsigned>(button->button);
        return button->down ? pressed(presses, window, bit)
                            : released(presses, window, bit, lParam);
    }
    // A release of the window's own press gives the mouse back after the press has ended, so
    // only a press still held is lost here.
    if (message == WM_CAPTURECHANGED && reinterpret_cast<HWND>(lParam) != window &&
        presses.lost(idOf(window))) {
        return PressStep::Lost;
    }
    return PressStep::None;
}

} // namespace velmora::forms
