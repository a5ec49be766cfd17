// Benchmark of the time from starting a program to its titled window, for Velmora.dll beside a
// bare Win32 program that only opens a window, and for the bare program with one of the
// renderer's start-up costs added, so the ratio and where the difference goes show in one run.
// Usage: velmora_startup_bench [runs]   (from the build folder, beside Velmora.dll; writes
// C:\Vantri.bmp)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "contract/SharedNames.h"
#include "tools/bench/Spread.h"
#include "tools/bench/StarGlow.h"

namespace velmora::bench {
namespace {

base::SteadyClock clock;

std::string besideThisProgram(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\') + 1) + name;
}

// Milliseconds from CreateProcess to a top-level window of that title; negative when none came
// within ten seconds. The program is closed and waited for before the next run.
double msToWindow(const std::string& program, const std::string& arguments, const char* title) {
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    const double start = clock.nowMs();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return -1.0;
    }
    HWND window = nullptr;
    while (!(window = FindWindowA(nullptr, title)) && clock.nowMs() - start < 10000.0 &&
           WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
    }
    const double elapsed = window ? clock.nowMs() - start : -1.0;
    if (window) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

struct Variant {
    const char* what;
    std::string program;
    const char* arguments;
    const char* title;
    std::vector<double> times;
};

// One warm-up start each, then the variants in turn, run after run, so that a change in the
// machine's load falls on all of them alike. False when a program showed no window.
bool measure(std::vector<Variant>& variants, int runs) {
    for (Variant& variant : variants) {
        msToWindow(variant.program, variant.arguments, variant.title);
    }
    for (int run = 0; run < runs; ++run) {
        for (Variant& variant : variants) {
            const double ms = msToWindow(variant.program, variant.arguments, variant.title);
            if (ms < 0) {
                std::printf("%s: no window\n", variant.what);
                return false;
            }
            variant.times.push_back(ms);
        }
    }
    for (const Variant& variant : variants) {
        const Spread spread = spreadOf(variant.times);
        std::printf("%-40s median %6.1f ms (%.1f to %.1f)\n", variant.what, spread.median,
                    spread.minimum, spread.maximum);
    }
    return true;
}

// What listing the display's modes costs; the renderer pays it only after a refused mode.
void measureModeListing() {
    const double start = clock.nowMs();
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    DWORD count = 0;
    while (EnumDisplaySettingsA(nullptr, count, &mode)) {
        ++count;
    }
    std::printf("%-40s %6.1f ms (%lu modes)\n", "listing the display modes, in process",
                clock.nowMs() - start, count);
}

} // namespace
} // namespace velmora::bench

int main(int argc, char** argv) {
    using namespace velmora::bench;
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    const std::string bare = besideThisProgram("velmora_bare_window.exe");
    const std::string renderer = besideThisProgram(velmora::contract::kRendererFileName);
    if (runs <= 0 || !writeStarGlowBitmap(velmora::contract::kTexturePath)) {
        std::fprintf(stderr,
                     "usage: velmora_startup_bench [runs]; C:\\Vantri.bmp must be writable\n");
        return 2;
    }
    std::printf("start to titled window, %d runs each after a warm-up start:\n", runs);
    const char* bareTitle = "Velmora bare window";
    std::vector<Variant> variants = {
        {"bare window", bare, "", bareTitle, {}},
        {"bare window + renderer's libraries", bare, "libs", bareTitle, {}},
        {"bare window + display-mode change", bare, "mode", bareTitle, {}},
        {"bare window + both", bare, "libs mode", bareTitle, {}},
        {velmora::contract::kRendererFileName,
         renderer,
         "",
         velmora::contract::kRendererWindowTitle,
         {}},
    };
    const bool measured = measure(variants, runs);
    measureModeListing();
    DeleteFileA(velmora::contract::kTexturePath);
    if (measured) {
        const double bareMs = spreadOf(variants.front().times).median;
        const double rendererMs = spreadOf(variants.back().times).median;
        std::printf("Velmora.dll / bare window: %.2f (%+.1f ms)\n", rendererMs / bareMs,
                    rendererMs - bareMs);
    }
    return 0;
}
