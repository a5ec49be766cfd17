// The processor time a process has used so far, for the Wine tests that check idleness.
#pragma once

#include <windows.h>

namespace velmora::testing {

inline double fileTimeSeconds(FILETIME t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
}

// Kernel and user time of a whole process, in seconds.
inline double cpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    return fileTimeSeconds(kernel) + fileTimeSeconds(user);
}

// The same for one thread. Wine reports no times for the processes of others, but does for
// their threads.
inline double threadCpuSeconds(HANDLE thread) {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(thread, &created, &exited, &kernel, &user);
    return fileTimeSeconds(kernel) + fileTimeSeconds(user);
}

} // namespace velmora::testing
