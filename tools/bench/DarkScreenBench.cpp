// Benchmark of the renderer's frame loop while the display is dark: the process's processor time
// over a span of drawing, then over the same span while the system reports the display off
// (the notification is sent to the window from a second thread, as the system sends it), then
// after the display came back. The loop runs in this process, so the message can carry its data.
// Usage: velmora_dark_bench [seconds]   (10 by default; writes C:\Vantri.bmp, runs full screen)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "base/Clock.h"
#include "contract/SharedNames.h"
#include "renderer/bitmap/DibReader.h"
#include "renderer/window/RendererWindow.h"
#include "renderer/window/core/RunScreen.h"
#include "tools/bench/StarGlow.h"

namespace velmora::bench {
namespace {

// Kernel and user time of the process, whose GL driver may draw on threads of its own.
double processCpuMs() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    const auto ms = [](const FILETIME& time) {
        return (static_cast<double>(time.dwHighDateTime) * 4294967296.0 + time.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

// What the system sends on a change of the console display state.
void sendDisplayState(HWND window, DWORD state) {
    POWERBROADCAST_SETTING setting{};
    setting.PowerSetting = window::kConsoleDisplayState;
    setting.DataLength = sizeof(DWORD);
    std::memcpy(setting.Data, &state, sizeof state);
    SendMessageA(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                 reinterpret_cast<LPARAM>(&setting));
}

// The process's share of one processor over the span, in per cent.
double cpuShare(int seconds) {
    base::SteadyClock clock;
    const double cpuBefore = processCpuMs();
    const double start = clock.nowMs();
    Sleep(static_cast<DWORD>(seconds) * 1000);
    return 100.0 * (processCpuMs() - cpuBefore) / (clock.nowMs() - start);
}

} // namespace
} // namespace velmora::bench

int main(int argc, char** argv) {
    using namespace velmora;
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    if (seconds <= 0 || !bench::writeStarGlowBitmap(contract::kTexturePath)) {
        std::fprintf(stderr, "usage: velmora_dark_bench [seconds]; C:\\Vantri.bmp must be "
                             "writable\n");
        return 2;
    }
    window::RendererState state;
    if (!window::createRendererWindow(state, "Velmora dark bench", window::kRunScreenWidth,
                                      window::kRunScreenHeight, window::kRunScreenBits, true,
                                      bitmap::loadScenePicture)) {
        std::fprintf(stderr, "the renderer window could not be made\n");
        return 1;
    }
    HWND window = state.window;
    std::thread driver([&] {
        Sleep(1000);
        const double drawing = bench::cpuShare(seconds);
        bench::sendDisplayState(window, 0);
        const double dark = bench::cpuShare(seconds);
        bench::sendDisplayState(window, 1);
        const double back = bench::cpuShare(2);
        std::printf("renderer's processor share over %d s:\n", seconds);
        std::printf("  drawing:                 %5.1f %%\n", drawing);
        std::printf("  display reported off:    %5.1f %%\n", dark);
        std::printf("  display back on (2 s):   %5.1f %%\n", back);
        PostMessageA(window, WM_CLOSE, 0, 0);
    });
    window::runFrameLoop(state);
    driver.join();
    window::destroyRendererWindow(state);
    DeleteFileA(contract::kTexturePath);
    return 0;
}
