// Word-by-word search of an extension string (see ExtensionList.h).
#include "renderer/window/core/ExtensionList.h"

#include <algorithm>

namespace velmora::window {

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
