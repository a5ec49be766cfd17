// The spread the benchmarks and the soak print: the middle of an odd or even count, whatever
// the order the times came in.
#include <gtest/gtest.h>

#include "tools/bench/Spread.h"

namespace velmora::bench {
namespace {

TEST(Spread, TakesTheMiddleOfTheSortedTimes) {
    const Spread odd = spreadOf({30.0, 10.0, 20.0});
    EXPECT_EQ(odd.count, 3);
    EXPECT_EQ(odd.minimum, 10.0);
    EXPECT_EQ(odd.median, 20.0);
    EXPECT_EQ(odd.maximum, 30.0);

    const Spread even = spreadOf({40.0, 10.0, 30.0, 20.0});
    EXPECT_EQ(even.median, 25.0);
    EXPECT_EQ(spreadOf({7.0}).median, 7.0);
}

TEST(Spread, OfNoTimesIsAllZero) {
    const Spread none = spreadOf({});
    EXPECT_EQ(none.count, 0);
    EXPECT_EQ(none.minimum, 0.0);
    EXPECT_EQ(none.median, 0.0);
    EXPECT_EQ(none.maximum, 0.0);
}

} // namespace
} // namespace velmora::bench
