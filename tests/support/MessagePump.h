// Delivering this thread's messages (input, paints, timers of the test's own windows) while a
// test waits.
#pragma once

#include <windows.h>

#include <chrono>

namespace velmora::testing {

using Millis = std::chrono::milliseconds;

// Lets the messages flow for the time given.
void pumpMessages(Millis time);
// Waits for the handle to be signalled while the messages keep flowing; false on time-out.
bool waitPumping(HANDLE handle, Millis timeout);

} // namespace velmora::testing
