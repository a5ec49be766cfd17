// The tick count as the run's clock (see TickClock.h).
#include "saver/run/TickClock.h"

#include <windows.h>

namespace velmora::run {

double TickClock::nowMs() {
    return static_cast<double>(GetTickCount64());
}

} // namespace velmora::run
