// The renderer's window and GL context: creation with the display-mode change, release in a
// fixed order, the window procedure and the frame loop. The state lives in one struct that the
// program owns; the window carries a pointer to it for its window procedure.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "renderer/bitmap/core/RgbImage.h"
#include "renderer/scene/Scene.h"
#include "renderer/window/core/FrameInput.h"

namespace velmora::window {

// The power setting whose changes tell when the display goes dark and comes back.
inline constexpr GUID kConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

struct RendererState {
    HWND window = nullptr;
    HDC deviceContext = nullptr;
    HGLRC glContext = nullptr;
    HINSTANCE instance = nullptr;
    // The display mode was changed and must be restored at the end.
    bool fullscreen = true;
    // Black windows over the other monitors while the scene runs full screen.
    std::vector<HWND> covers;
    // Registration for the display-state notifications.
    HPOWERNOTIFY displayNotice = nullptr;
    FrameInput input;
    scene::SceneState scene;
};

// Where a program gets the scene's picture; called once the window and its context are made.
using ScenePictureSource = std::optional<bitmap::RgbImage> (*)();

// Display mode (the wanted one, else the same size at the desktop's depth), cover windows,
// window, pixel format, context and scene of the picture from `picture`; true when all are
// ready. On failure everything made is released, except after a refused display mode that the
// user declined to replace.
bool createRendererWindow(RendererState& state, const char* title, int width, int height, int bits,
                          bool fullscreen, ScenePictureSource picture);

// Gives the device context the renderer's pixel format: double-buffered RGBA of the colour
// depth given with a 16-bit depth buffer. False when none fits or it cannot be set.
bool setRendererPixelFormat(HDC deviceContext, int bits);

// Restores the display mode and releases scene, context, device context, covers, window and
// class; safe with any subset of them made.
void destroyRendererWindow(RendererState& state);

// The window procedure; it finds the state that the window was created with.
LRESULT CALLBACK rendererWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Takes messages while there are any and otherwise draws and swaps a frame when one is due (at
// most 60 a second), until a quit message, Escape or a failed draw. Returns the wParam of the
// last message taken.
WPARAM runFrameLoop(RendererState& state);

} // namespace velmora::window
