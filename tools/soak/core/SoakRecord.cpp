// Tallying a soak's runs and comparing its readings (see SoakRecord.h).
#include "tools/soak/core/SoakRecord.h"

#include <cstdio>

namespace velmora::soak {

void SoakRecord::add(const RunOutcome& run) {
    ++runs_;
    if (!run.toWindowMs) {
        ++withoutWindow_;
        return;
    }
    toWindowMs_.push_back(*run.toWindowMs);
    if (run.toRendererEndMs) {
        toRendererEndMs_.push_back(*run.toRendererEndMs);
    }
    if (run.toEndMs) {
        toEndMs_.push_back(*run.toEndMs);
    } else {
        ++notEnded_;
    }
}

namespace {

std::string spreadLine(const char* what, const bench::Spread& spread) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "%-20s min %7.1f ms, median %7.1f ms, max %7.1f ms (%d runs)\n", what,
                  spread.minimum, spread.median, spread.maximum, spread.count);
    return line;
}

} // namespace

std::string summary(const SoakRecord& record) {
    char misses[160];
    std::snprintf(misses, sizeof misses, "%d runs: %d showed no window, %d did not end\n",
                  record.runs(), record.withoutWindow(), record.notEnded());
    return misses + spreadLine("start to window", record.toWindow()) +
           spreadLine("tap to renderer end", record.toRendererEnd()) +
           spreadLine("tap to end of both", record.toEnd());
}

std::vector<std::string> grownFigures(const ProcessReading& earlier, const ProcessReading& later) {
    std::vector<std::string> grown;
    const auto count = [&](const char* name, std::optional<unsigned> before,
                           std::optional<unsigned> after) {
        if (before && after && *after > *before) {
            grown.push_back(name);
        }
    };
    const auto memory = [&](const char* name, double before, double after) {
        if (after > before * 1.25) {
            grown.push_back(name);
        }
    };
    memory("working set", earlier.workingSetKb, later.workingSetKb);
    memory("private memory", earlier.privateKb, later.privateKb);
    count("handles", earlier.handles, later.handles);
    count("GDI objects", earlier.gdiObjects, later.gdiObjects);
    count("USER objects", earlier.userObjects, later.userObjects);
    return grown;
}

} // namespace velmora::soak
