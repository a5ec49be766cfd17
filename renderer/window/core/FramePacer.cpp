// The pacer's arithmetic and the extension lookup (see FramePacer.h).
#include "renderer/window/core/FramePacer.h"

#include <algorithm>

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

bool hasExtension(std::string_view list, std::string_view name) {
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = std::min(list.find(' ', start), list.size());
        if (list.substr(start, end - start) == name) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

} // namespace velmora::window
