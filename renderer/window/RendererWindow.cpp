// Creation and release of the renderer window: class, display mode, window, covers over the
// other monitors, pixel format, context with its swap interval, and scene, in that order, and
// their release in reverse.
#include "renderer/window/RendererWindow.h"

#include <GL/gl.h>

#include "contract/SharedNames.h"
#include "renderer/scene/Scene.h"
#include "renderer/window/core/FramePacer.h"
#include "renderer/window/core/RunScreen.h"

namespace velmora::window {

namespace {

constexpr char kClassName[] = "OpenGL";

constexpr char kCoverClassName[] = "VelmoraCover";

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        const RECT& area = info.rcMonitor;
        reinterpret_cast<std::vector<base::PixelRect>*>(list)->push_back(
            {area.left, area.top, area.right - area.left, area.bottom - area.top});
    }
    return TRUE;
}

LRESULT CALLBACK coverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_SETCURSOR:
        // The pointer stays hidden over the covers as over the scene.
        SetCursor(nullptr);
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Covers each monitor that does not show the scene (whose window starts at the virtual
// screen's origin) with a black, borderless, topmost window that takes neither the focus nor
// the keyboard. Called after the display mode has changed, since the monitors move with it.
std::vector<HWND> createCoverWindows(HINSTANCE instance) {
    std::vector<base::PixelRect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&monitors));
    const std::vector<base::PixelRect> areas = coverRectangles(monitors, 0, 0);
    std::vector<HWND> covers;
    if (areas.empty()) {
        return covers;
    }
    WNDCLASSA coverClass{};
    coverClass.lpfnWndProc = coverWindowProc;
    coverClass.hInstance = instance;
    coverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    coverClass.lpszClassName = kCoverClassName;
    RegisterClassA(&coverClass);
    for (const base::PixelRect& area : areas) {
        // Disabled and never activated: clicks and keys cannot reach or focus a cover.
        HWND cover =
            CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kCoverClassName,
                            "", WS_POPUP | WS_DISABLED, area.left, area.top, area.width,
                            area.height, nullptr, nullptr, instance, nullptr);
        if (cover) {
            ShowWindow(cover, SW_SHOWNOACTIVATE);
            covers.push_back(cover);
        }
    }
    return covers;
}

// Destroys the covers and their class; safe with none made.
void destroyCoverWindows(std::vector<HWND>& covers, HINSTANCE instance) {
    if (covers.empty()) {
        return;
    }
    for (HWND cover : covers) {
        DestroyWindow(cover);
    }
    covers.clear();
    UnregisterClassA(kCoverClassName, instance);
}

using ExtensionsStringArb = const char*(WINAPI*)(HDC);
using ExtensionsStringExt = const char*(WINAPI*)();
using SwapIntervalExt = BOOL(WINAPI*)(int);

// An extension function by name, as its own type; null when the driver lacks it.
template <class Function> Function extensionFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(wglGetProcAddress(name)));
}

// The WGL extensions, from whichever query the driver has; older drivers list them among the
// GL extensions.
const char* wglExtensions(HDC deviceContext) {
    if (auto arb = extensionFunction<ExtensionsStringArb>("wglGetExtensionsStringARB")) {
        return arb(deviceContext);
    }
    if (auto ext = extensionFunction<ExtensionsStringExt>("wglGetExtensionsStringEXT")) {
        return ext();
    }
    return reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
}

// Ties each swap to the display's refresh where the driver offers WGL_EXT_swap_control;
// elsewhere nothing changes and the frame pacer alone holds the rate. Needs the current context.
void useSwapInterval(HDC deviceContext) {
    const char* extensions = wglExtensions(deviceContext);
    if (!extensions || !hasExtension(extensions, "WGL_EXT_swap_control")) {
        return;
    }
    if (auto swapInterval = extensionFunction<SwapIntervalExt>("wglSwapIntervalEXT")) {
        swapInterval(1);
    }
}

// The display-mode record in its classic size, without the panning fields; the system reads
// only as many bytes as dmSize names.
constexpr WORD kDisplayModeRecordSize = 148;
static_assert(sizeof(DEVMODEA) >= kDisplayModeRecordSize);

bool registerRendererClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = rendererWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_WINLOGO));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass) != 0;
}

DEVMODEA displayModeRecord(const DisplayMode& wanted) {
    DEVMODEA mode{};
    mode.dmSize = kDisplayModeRecordSize;
    mode.dmPelsWidth = wanted.width;
    mode.dmPelsHeight = wanted.height;
    mode.dmBitsPerPel = wanted.bits;
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    return mode;
}

// The primary display's current depth and the modes it lists.
OfferedModes offeredDisplayModes() {
    OfferedModes offered;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) {
        offered.desktopBits = mode.dmBitsPerPel;
    }
    for (DWORD index = 0; EnumDisplaySettingsA(nullptr, index, &mode); ++index) {
        offered.modes.push_back({mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel});
    }
    return offered;
}

bool requestDisplayMode(int width, int height, int bits) {
    const DisplayMode wanted{static_cast<unsigned int>(width), static_cast<unsigned int>(height),
                             static_cast<unsigned int>(bits)};
    return chooseDisplayMode(wanted, offeredDisplayModes,
                             [](const DisplayMode& rung) {
                                 DEVMODEA mode = displayModeRecord(rung);
                                 return ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) ==
                                        DISP_CHANGE_SUCCESSFUL;
                             })
        .has_value();
}

// Asks whether to go on in a window after the display refused the mode; false ends the program.
bool acceptWindowedMode() {
    const int answer = MessageBoxA(nullptr,
                                   "The Requested Fullscreen Mode Is Not Supported By\n"
                                   "Your Video Card. Use Windowed Mode Instead?",
                                   contract::kRefusedModeCaption, MB_YESNO | MB_ICONEXCLAMATION);
    if (answer == IDYES) {
        return true;
    }
    MessageBoxA(nullptr, "Program Will Now Close.", "ERROR", MB_OK | MB_ICONSTOP);
    return false;
}

HWND createWindow(RendererState& state, const char* title, int width, int height) {
    const bool fullscreen = state.fullscreen;
    // Topmost, so that neither the taskbar nor a window of another program stays over the scene.
    const DWORD exStyle =
        fullscreen ? WS_EX_APPWINDOW | WS_EX_TOPMOST : WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
    const DWORD style = fullscreen ? WS_POPUP : WS_OVERLAPPEDWINDOW;
    if (fullscreen) {
        ShowCursor(FALSE);
    }
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    return CreateWindowExA(exStyle, kClassName, title, style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0,
                           0, outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                           state.instance, &state);
}

} // namespace

bool setRendererPixelFormat(HDC deviceContext, int bits) {
    PIXELFORMATDESCRIPTOR request{};
    request.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    request.nVersion = 1;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    request.cColorBits = static_cast<BYTE>(bits);
    request.cDepthBits = 16;
    request.iLayerType = PFD_MAIN_PLANE;
    const int format = ChoosePixelFormat(deviceContext, &request);
    return format != 0 && SetPixelFormat(deviceContext, format, &request);
}

namespace {

// The part of the creation that needs the window. False on any failure.
bool makeWindowAndContext(RendererState& state, const char* title, int width, int height, int bits,
                          ScenePictureSource picture) {
    state.window = createWindow(state, title, width, height);
    if (!state.window) {
        return false;
    }
    // After the titled window, so that only the mode change stands between the start and the
    // window the saver waits for.
    if (state.fullscreen) {
        state.covers = createCoverWindows(state.instance);
    }
    state.deviceContext = GetDC(state.window);
    if (!state.deviceContext || !setRendererPixelFormat(state.deviceContext, bits)) {
        return false;
    }
    state.glContext = wglCreateContext(state.deviceContext);
    if (!state.glContext || !wglMakeCurrent(state.deviceContext, state.glContext)) {
        return false;
    }
    useSwapInterval(state.deviceContext);
    // The system reports the display's state at once and then each change of it.
    state.displayNotice = RegisterPowerSettingNotification(state.window, &kConsoleDisplayState,
                                                           DEVICE_NOTIFY_WINDOW_HANDLE);
    ShowWindow(state.window, SW_SHOW);
    SetForegroundWindow(state.window);
    SetFocus(state.window);
    const std::optional<bitmap::RgbImage> image = picture();
    return image && scene::startScene(state.scene, *image, width, height);
}

} // namespace

bool createRendererWindow(RendererState& state, const char* title, int width, int height, int bits,
                          bool fullscreen, ScenePictureSource picture) {
    state.fullscreen = fullscreen;
    state.instance = GetModuleHandleA(nullptr);
    if (!registerRendererClass(state.instance)) {
        return false;
    }
    if (state.fullscreen && !requestDisplayMode(width, height, bits)) {
        if (!acceptWindowedMode()) {
            // The class stays registered until the process ends; nothing else was made.
            return false;
        }
        state.fullscreen = false;
    }
    if (!makeWindowAndContext(state, title, width, height, bits, picture)) {
        destroyRendererWindow(state);
        return false;
    }
    return true;
}

void destroyRendererWindow(RendererState& state) {
    if (state.fullscreen) {
        ChangeDisplaySettingsA(nullptr, 0);
        ShowCursor(TRUE);
    }
    if (state.glContext) {
        // The scene's texture belongs to the context, which is still current here.
        scene::freeScene(state.scene);
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(state.glContext);
        state.glContext = nullptr;
    }
    if (state.deviceContext) {
        ReleaseDC(state.window, state.deviceContext);
        state.deviceContext = nullptr;
    }
    destroyCoverWindows(state.covers, state.instance);
    if (state.displayNotice) {
        UnregisterPowerSettingNotification(state.displayNotice);
        state.displayNotice = nullptr;
    }
    if (state.window) {
        DestroyWindow(state.window);
        state.window = nullptr;
    }
    UnregisterClassA(kClassName, state.instance);
}

} // namespace velmora::window
