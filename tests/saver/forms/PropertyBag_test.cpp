// Stored properties: read defaults for missing keys, and values at their write default erased.
#include "saver/forms/core/PropertyBag.h"

#include <gtest/gtest.h>

namespace velmora::forms {

TEST(PropertyBag, MissingKeysGiveTheReadDefaultAndDefaultsAreErased) {
    PropertyBag bag;
    EXPECT_EQ(bag.read("Caption", "Command1"), "Command1");
    bag.write("Caption", "OK", "Command");
    EXPECT_EQ(bag.read("Caption", "Command1"), "OK");
    bag.write("Caption", "Command", "Command");
    EXPECT_FALSE(bag.contains("Caption"));
    EXPECT_EQ(bag.read("Caption", "Command1"), "Command1");
}

} // namespace velmora::forms
