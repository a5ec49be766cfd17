// Extension lookup: whole words only.
#include "renderer/window/core/ExtensionList.h"

#include <gtest/gtest.h>

namespace velmora::window {

TEST(ExtensionList, FindsWholeWordsOnly) {
    const char* swap = "WGL_EXT_swap_control";
    EXPECT_TRUE(hasExtension("WGL_EXT_swap_control", swap));
    EXPECT_TRUE(hasExtension("WGL_ARB_pixel_format WGL_EXT_swap_control ", swap));
    EXPECT_TRUE(hasExtension("WGL_EXT_swap_control WGL_ARB_pbuffer", swap));
    EXPECT_FALSE(hasExtension("WGL_EXT_swap_control_tear", swap));
    EXPECT_FALSE(hasExtension("XWGL_EXT_swap_control WGL_ARB_pbuffer", swap));
    EXPECT_FALSE(hasExtension("", swap));
}

} // namespace velmora::window
