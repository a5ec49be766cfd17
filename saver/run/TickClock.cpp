// The tick count as the run's clock (see TickClock.h).
#include "saver/run/TickClock.h"

#include <windows.h>

namespace velmora::run {

uint64_t TickClock::now() {
    return GetTickCount64();
}

} // namespace velmora::run
