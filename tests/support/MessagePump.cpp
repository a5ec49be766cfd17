// The message pump of the Wine tests (see MessagePump.h).
#include "tests/support/MessagePump.h"

namespace velmora::testing {
namespace {

using Clock = std::chrono::steady_clock;

// Delivers what is queued, then waits for the handle (if any), new messages or the deadline.
bool pumpUntil(HANDLE handle, Clock::time_point deadline) {
    const DWORD handles = handle ? 1 : 0;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        const auto left = std::chrono::ceil<Millis>(deadline - Clock::now()).count();
        if (left <= 0) {
            return handle && WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
        }
        const DWORD wait = static_cast<DWORD>(left);
        const DWORD result = MsgWaitForMultipleObjects(handles, handle ? &handle : nullptr, FALSE,
                                                       wait, QS_ALLINPUT);
        if (handle && result == WAIT_OBJECT_0) {
            return true;
        }
        if (result != WAIT_OBJECT_0 + handles) {
            return false;
        }
    }
}

} // namespace

void pumpMessages(Millis time) {
    pumpUntil(nullptr, Clock::now() + time);
}

bool waitPumping(HANDLE handle, Millis timeout) {
    return pumpUntil(handle, Clock::now() + timeout);
}

} // namespace velmora::testing
