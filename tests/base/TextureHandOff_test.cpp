// The texture hand-off: the file written last wins, whichever place it is in.
#include "base/TextureHandOff.h"

#include <gtest/gtest.h>

namespace velmora::base {

TEST(TextureHandOff, TheFileWrittenLastIsRead) {
    struct Case {
        std::optional<std::uint64_t> root;
        std::optional<std::uint64_t> temporary;
        TexturePlace place;
    };
    const Case cases[] = {
        {100, std::nullopt, TexturePlace::Root}, {std::nullopt, 100, TexturePlace::Temporary},
        {100, 200, TexturePlace::Temporary}, // a stale root file that could not be replaced
        {200, 100, TexturePlace::Root},      // an old fallback left from an earlier run
        {100, 100, TexturePlace::Root},          {std::nullopt, std::nullopt, TexturePlace::Root},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.place, freshestTexturePlace(c.root, c.temporary))
            << c.root.value_or(0) << " " << c.temporary.value_or(0);
    }
}

} // namespace velmora::base
