// The pacer's arithmetic (see FramePacer.h).
#include "renderer/window/core/FramePacer.h"

namespace velmora::window {

FramePacer::FramePacer(base::Clock& clock, double periodMs) : clock_(clock), periodMs_(periodMs) {}

unsigned int FramePacer::msUntilDue() const {
    if (!started_) {
        return 0;
    }
    const double left = dueMs_ - clock_.nowMs();
    return left >= 1.0 ? static_cast<unsigned int>(left) : 0;
}

void FramePacer::frameStarts() {
    const double now = clock_.nowMs();
    if (!started_ || now - dueMs_ >= periodMs_) {
        dueMs_ = now + periodMs_;
    } else {
        dueMs_ += periodMs_;
    }
    started_ = true;
}

} // namespace velmora::window
