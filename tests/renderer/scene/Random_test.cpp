// The generator's fixed sequence and the fractional draws made from it.
#include "renderer/scene/core/Random.h"

#include <gtest/gtest.h>

namespace velmora::scene {

TEST(RandomSequence, StartsWithTheFixedSequence) {
    RandomSequence sequence;
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected) {
        EXPECT_EQ(value, sequence.next());
    }
}

TEST(RandomSequence, StaysInFifteenBitsOverAWrapOfTheState) {
    RandomSequence sequence;
    int largest = 0;
    for (int i = 0; i < 100000; ++i) {
        const int value = sequence.next();
        ASSERT_GE(value, 0);
        largest = value > largest ? value : largest;
    }
    EXPECT_EQ(32767, largest);
}

TEST(RandomSequence, DrawsAreThousandthsOfTheSameSequence) {
    RandomSequence sequence;
    EXPECT_EQ(41, sequence.next());
    // 18467 % 1000 and 6334 % 1000, divided in single precision.
    EXPECT_EQ(467.0f / 1000.0f, sequence.nextDraw());
    EXPECT_EQ(334.0f / 1000.0f, sequence.nextDraw());
    EXPECT_EQ(0.5f, sequence.nextDraw());
}

} // namespace velmora::scene
