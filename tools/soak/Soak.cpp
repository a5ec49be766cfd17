// Soak of the installed screensaver under the screensaver host's command line: many /s runs
// back to back, or one long run, each ended by a tap of Escape. Every time and figure is taken as
// Windows sees the two programs (process handles and a process snapshot), so a program's
// lingering outside side never counts as running, and nothing is ended from outside Windows.
// Usage, from the build folder (Velmora.scr and Velmora.dll are installed from there into the
// system folder first):
//   velmora_soak runs [count]   count runs (200 unless given); prints the spread of the times
//   velmora_soak hold [minutes] one run of that length (60 unless given); prints the memory,
//                               handle and GDI object figures of both programs as it goes
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "contract/SharedNames.h"
#include "tests/support/BuiltFile.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/KeyTap.h"
#include "tests/support/MessagePump.h"
#include "tests/support/WindowWait.h"
#include "tools/soak/core/SoakRecord.h"

namespace velmora::soak {
namespace {

using Clock = std::chrono::steady_clock;
using testing::Millis;

constexpr Millis kWindowTimeout(20000);
constexpr Millis kEndTimeout(5000);
// Long enough for the first frames and the saver's start-up grace, as a short real run.
constexpr Millis kShownBeforeTap(1500);

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Copies both programs into the system folder, where a user installs a screensaver; the path
// of the installed Velmora.scr, empty when the copy failed.
std::string install() {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    for (const char* name : {"Velmora.scr", contract::kRendererFileName}) {
        if (!testing::copyBuiltFile(name, folder)) {
            std::fprintf(stderr, "cannot install %s into %s\n", name, folder);
            return {};
        }
    }
    return std::string(folder) + "\\Velmora.scr";
}

// How many processes of the two programs Windows lists.
int velmoraProcesses() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 0;
    }
    int count = 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        count += lstrcmpiW(entry.szExeFile, L"Velmora.scr") == 0 ||
                 lstrcmpiW(entry.szExeFile, L"Velmora.dll") == 0;
    }
    CloseHandle(snapshot);
    return count;
}

// Waits until Windows lists neither program; false when one is still there after the time.
bool waitUntilNoneListed(Millis timeout) {
    const auto start = Clock::now();
    while (velmoraProcesses() > 0) {
        if (Clock::now() - start > timeout) {
            return false;
        }
        testing::pumpMessages(Millis(20));
    }
    return true;
}

// The renderer of a started run: its window and its process, opened for waiting and reading.
class RendererOf {
public:
    explicit RendererOf(HWND window) : window_(window) {
        DWORD id = 0;
        if (window && GetWindowThreadProcessId(window, &id)) {
            process_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ |
                                       PROCESS_TERMINATE,
                                   FALSE, id);
        }
    }
    // A renderer that outlived its run is asked to close, then ended through Windows.
    ~RendererOf() {
        if (!process_) {
            return;
        }
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            PostMessageA(window_, WM_CLOSE, 0, 0);
            if (!testing::waitPumping(process_, Millis(3000))) {
                TerminateProcess(process_, 1);
            }
        }
        CloseHandle(process_);
    }
    RendererOf(const RendererOf&) = delete;
    RendererOf& operator=(const RendererOf&) = delete;

    HANDLE process() const { return process_; }

private:
    HWND window_;
    HANDLE process_ = nullptr;
};

testing::ProcessStart saverStart(const std::string& saverPath) {
    return {.program = saverPath, .commandLine = "\"" + saverPath + "\" /s"};
}

// The renderer's visible window, waited for while the saver runs.
HWND waitForRendererWindow(const testing::ChildProcess& saver) {
    return testing::waitForWindow({.title = contract::kRendererWindowTitle, .visibleOnly = true},
                                  kWindowTimeout, saver.handle());
}

// Taps Escape and waits for both programs to end, noting when each did.
void tapAndWaitForEnd(const testing::ChildProcess& saver, HANDLE renderer, RunOutcome& outcome) {
    const auto tapped = Clock::now();
    testing::tapKey(VK_ESCAPE);
    if (!testing::waitPumping(renderer, kEndTimeout)) {
        return;
    }
    outcome.toRendererEndMs = msSince(tapped);
    if (saver.waitForExit(kEndTimeout)) {
        outcome.toEndMs = msSince(tapped);
    }
}

// What became of a run that showed no window: when and how the saver ended, and whether its
// renderer still opened a window afterwards, with no saver left to watch it.
void reportNoWindow(int run, const testing::ChildProcess& saver, Clock::time_point start) {
    std::printf("run %d: no window; the saver ", run);
    if (saver.running()) {
        std::printf("still ran after %.0f ms", msSince(start));
    } else {
        std::printf("had ended with code %lu by %.0f ms", saver.exitCode(), msSince(start));
    }
    std::printf(", %d of the programs listed", velmoraProcesses());
    const HWND late = testing::waitForWindow(
        {.title = contract::kRendererWindowTitle, .visibleOnly = true}, kWindowTimeout);
    if (late) {
        std::printf("; the renderer's window came %.0f ms after the start", msSince(start));
        RendererOf renderer(late);
    }
    std::printf("\n");
    std::fflush(stdout);
}

int soakRuns(const std::string& saverPath, int count) {
    SoakRecord record;
    for (int run = 1; run <= count; ++run) {
        if (!waitUntilNoneListed(kEndTimeout)) {
            std::printf("run %d: a program of the last run is still listed\n", run);
        }
        RunOutcome outcome;
        const auto start = Clock::now();
        testing::ChildProcess saver(saverStart(saverPath));
        const HWND window = saver.started() ? waitForRendererWindow(saver) : nullptr;
        if (window) {
            outcome.toWindowMs = msSince(start);
            RendererOf renderer(window);
            testing::pumpMessages(kShownBeforeTap);
            tapAndWaitForEnd(saver, renderer.process(), outcome);
        }
        if (!window) {
            reportNoWindow(run, saver, start);
        } else if (!outcome.toEndMs) {
            std::printf("run %d: did not end after the tap\n", run);
        }
        record.add(outcome);
        if (run % 20 == 0) {
            std::printf("after %d runs:\n%s", run, summary(record).c_str());
            std::fflush(stdout);
        }
    }
    std::printf("%s", summary(record).c_str());
    return record.withoutWindow() + record.notEnded() == 0 ? 0 : 1;
}

// The handles of a process in the system's list of all handles. Wine answers the process's own
// count with none, but keeps this list.
std::optional<unsigned> listedHandles(DWORD processId) {
    std::vector<unsigned char> buffer(1 << 20);
    ULONG needed = 0;
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(SystemHandleInformation, buffer.data(),
                                              static_cast<ULONG>(buffer.size()), &needed)) ==
           static_cast<NTSTATUS>(0xC0000004L)) { // the buffer is too small
        buffer.resize(std::max<size_t>(buffer.size() * 2, needed));
    }
    if (status < 0) {
        return std::nullopt;
    }
    const auto* list = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    unsigned count = 0;
    for (ULONG i = 0; i < list->Count; ++i) {
        count += list->Handle[i].OwnerPid == processId;
    }
    return count;
}

std::optional<unsigned> handleCount(HANDLE process) {
    DWORD handles = 0;
    if (GetProcessHandleCount(process, &handles) && handles > 0) {
        return handles;
    }
    return listedHandles(GetProcessId(process));
}

// A count of GetGuiResources; empty when the system does not keep it.
std::optional<unsigned> guiObjects(HANDLE process, DWORD kind) {
    SetLastError(ERROR_SUCCESS);
    const DWORD count = GetGuiResources(process, kind);
    if (count == 0 && GetLastError() != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return count;
}

ProcessReading readProcess(HANDLE process) {
    ProcessReading reading;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory)) {
        reading.workingSetKb = memory.WorkingSetSize / 1024.0;
        reading.privateKb = std::max(memory.PrivateUsage, memory.PagefileUsage) / 1024.0;
    }
    reading.handles = handleCount(process);
    reading.gdiObjects = guiObjects(process, GR_GDIOBJECTS);
    reading.userObjects = guiObjects(process, GR_USEROBJECTS);
    return reading;
}

std::string countText(std::optional<unsigned> count) {
    return count ? std::to_string(*count) : "not reported";
}

void printReading(double minutes, const char* program, const ProcessReading& reading) {
    std::printf("%6.1f min %-12s working set %8.0f KB, private %8.0f KB, handles %s, "
                "GDI objects %s, USER objects %s\n",
                minutes, program, reading.workingSetKb, reading.privateKb,
                countText(reading.handles).c_str(), countText(reading.gdiObjects).c_str(),
                countText(reading.userObjects).c_str());
    std::fflush(stdout);
}

void printGrowth(const char* program, const ProcessReading& first, const ProcessReading& last) {
    std::string grown;
    for (const std::string& figure : grownFigures(first, last)) {
        grown += (grown.empty() ? "" : ", ") + figure;
    }
    std::printf("%s from the first minute to the last: %s\n", program,
                grown.empty() ? "nothing grew" : ("grew: " + grown).c_str());
}

// One run of `minutes`, read after its first minute and then every five minutes to its end.
int holdRun(const std::string& saverPath, int minutes) {
    if (!waitUntilNoneListed(kEndTimeout)) {
        std::printf("a program of an earlier run is still listed\n");
    }
    const auto start = Clock::now();
    testing::ChildProcess saver(saverStart(saverPath));
    const HWND window = saver.started() ? waitForRendererWindow(saver) : nullptr;
    if (!window) {
        std::printf("no window\n");
        return 1;
    }
    std::printf("start to window: %.1f ms\n", msSince(start));
    RendererOf renderer(window);
    ProcessReading firstSaver, firstRenderer, lastSaver, lastRenderer;
    for (int at = 1;; at = std::min(at == 1 ? 5 : at + 5, minutes)) {
        testing::waitPumping(saver.handle(),
                             Millis(at * 60000) -
                                 std::chrono::duration_cast<Millis>(Clock::now() - start));
        if (!saver.running() || WaitForSingleObject(renderer.process(), 0) != WAIT_TIMEOUT) {
            std::printf("the run ended by itself before minute %d\n", at);
            return 1;
        }
        lastSaver = readProcess(saver.handle());
        lastRenderer = readProcess(renderer.process());
        if (at == 1) {
            firstSaver = lastSaver;
            firstRenderer = lastRenderer;
        }
        printReading(msSince(start) / 60000.0, "Velmora.scr", lastSaver);
        printReading(msSince(start) / 60000.0, "Velmora.dll", lastRenderer);
        if (at == minutes) {
            break;
        }
    }
    printGrowth("Velmora.scr", firstSaver, lastSaver);
    printGrowth("Velmora.dll", firstRenderer, lastRenderer);
    RunOutcome outcome;
    tapAndWaitForEnd(saver, renderer.process(), outcome);
    if (!outcome.toEndMs) {
        std::printf("did not end after the tap\n");
        return 1;
    }
    std::printf("tap to renderer end: %.1f ms, to end of both: %.1f ms\n", *outcome.toRendererEndMs,
                *outcome.toEndMs);
    return 0;
}

} // namespace
} // namespace velmora::soak

int main(int argc, char** argv) {
    using namespace velmora::soak;
    const bool runs = argc > 1 && std::strcmp(argv[1], "runs") == 0;
    const bool hold = argc > 1 && std::strcmp(argv[1], "hold") == 0;
    const int amount = argc > 2 ? std::atoi(argv[2]) : runs ? 200 : 60;
    if ((!runs && !hold) || amount <= 0) {
        std::fprintf(stderr, "usage: velmora_soak runs [count] | hold [minutes]\n");
        return 2;
    }
    const std::string saver = install();
    if (saver.empty()) {
        return 2;
    }
    return runs ? soakRuns(saver, amount) : holdRun(saver, amount);
}
