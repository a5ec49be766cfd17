// The soak's tally: misses are counted apart and kept out of the times, and a long run's
// readings tell which counts grew.
#include <gtest/gtest.h>

#include "tools/soak/core/SoakRecord.h"

namespace velmora::soak {
namespace {

TEST(SoakRecord, CountsMissesApartFromTheTimes) {
    SoakRecord record;
    record.add({.toWindowMs = 800.0, .toRendererEndMs = 20.0, .toEndMs = 60.0});
    record.add({});
    record.add({.toWindowMs = 1200.0, .toRendererEndMs = 30.0, .toEndMs = std::nullopt});
    record.add({.toWindowMs = 1000.0, .toRendererEndMs = 40.0, .toEndMs = 90.0});

    EXPECT_EQ(record.runs(), 4);
    EXPECT_EQ(record.withoutWindow(), 1);
    EXPECT_EQ(record.notEnded(), 1);
    EXPECT_EQ(record.toWindow().count, 3); // a run that did not end still showed its window
    EXPECT_EQ(record.toWindow().median, 1000.0);
    EXPECT_EQ(record.toEnd().count, 2);
    EXPECT_EQ(record.toEnd().maximum, 90.0);
    EXPECT_EQ(summary(record),
              "4 runs: 1 showed no window, 1 did not end\n"
              "start to window      min   800.0 ms, median  1000.0 ms, max  1200.0 ms (3 runs)\n"
              "tap to renderer end  min    20.0 ms, median    30.0 ms, max    40.0 ms (3 runs)\n"
              "tap to end of both   min    60.0 ms, median    75.0 ms, max    90.0 ms (2 runs)\n");
}

TEST(SoakRecord, AnyRiseOfACountIsGrowthButMemoryMayRiseByAQuarter) {
    const ProcessReading first{.workingSetKb = 40000,
                               .privateKb = 20000,
                               .handles = 80,
                               .gdiObjects = 30,
                               .userObjects = 10};
    ProcessReading same = first;
    same.workingSetKb = 50000; // exactly a quarter more
    same.privateKb = 16000;
    same.handles = 79;
    EXPECT_TRUE(grownFigures(first, same).empty());

    ProcessReading grown = first;
    grown.workingSetKb = 50001;
    grown.handles = 81;
    grown.gdiObjects = 31;
    grown.userObjects = 11;
    grown.privateKb = 30000;
    EXPECT_EQ(grownFigures(first, grown),
              (std::vector<std::string>{"working set", "private memory", "handles", "GDI objects",
                                        "USER objects"}));

    // A GDI count missing from either reading leaves nothing to compare it with.
    ProcessReading unreportedLater = grown;
    unreportedLater.gdiObjects.reset();
    EXPECT_EQ(grownFigures(first, unreportedLater).size(), 4u);
    ProcessReading unreportedEarlier = first;
    unreportedEarlier.gdiObjects.reset();
    EXPECT_EQ(grownFigures(unreportedEarlier, grown).size(), 4u);
}

} // namespace
} // namespace velmora::soak
