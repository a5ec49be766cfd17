// Looking up one extension in a GL or WGL extension string.
#pragma once

#include <string_view>

namespace velmora::window {

// True when name is one of the blank-separated words of list; a longer name that merely
// starts with it (WGL_EXT_swap_control_tear) does not count.
bool hasExtension(std::string_view list, std::string_view name);

} // namespace velmora::window
