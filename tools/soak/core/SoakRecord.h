// What a soak of the saver keeps of its runs: the start-to-window and tap-to-end times of the
// runs that had them, the runs that showed no window or did not end, and whether a long run's
// counts grew between two readings. Platform-free.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/bench/Spread.h"

namespace velmora::soak {

// One run: no window time when no window came, no end time when it did not end after the tap
// (a run with no window is never tapped). The run has ended when both programs have; the
// renderer's own end is kept beside it, since the saver only notices that end at its watch.
struct RunOutcome {
    std::optional<double> toWindowMs;
    std::optional<double> toRendererEndMs;
    std::optional<double> toEndMs;
};

class SoakRecord {
public:
    void add(const RunOutcome& run);

    int runs() const { return runs_; }
    int withoutWindow() const { return withoutWindow_; }
    int notEnded() const { return notEnded_; }
    bench::Spread toWindow() const { return bench::spreadOf(toWindowMs_); }
    bench::Spread toRendererEnd() const { return bench::spreadOf(toRendererEndMs_); }
    bench::Spread toEnd() const { return bench::spreadOf(toEndMs_); }

private:
    int runs_ = 0;
    int withoutWindow_ = 0;
    int notEnded_ = 0;
    std::vector<double> toWindowMs_;
    std::vector<double> toRendererEndMs_;
    std::vector<double> toEndMs_;
};

// The summary lines of a record, as the soak prints them.
std::string summary(const SoakRecord& record);

// What Windows reports of one process at one moment; a count the system does not report is
// left empty rather than read as none.
struct ProcessReading {
    double workingSetKb = 0.0;
    double privateKb = 0.0;
    std::optional<unsigned> handles;
    std::optional<unsigned> gdiObjects;
    std::optional<unsigned> userObjects;
};

// The figures that rose from the earlier reading to the later one, by name ("handles", ...):
// a count by any step (a count missing from either reading is not compared), the memory
// figures by more than a quarter, since the heap settles in steps.
std::vector<std::string> grownFigures(const ProcessReading& earlier, const ProcessReading& later);

} // namespace velmora::soak
