// The folder part of a path (see FolderOf.h).
#include "saver/settings/core/FolderOf.h"

namespace velmora::settings {

std::string FolderOf(const std::string& path) {
    // ":" and "\" are single bytes that never occur inside a UTF-8 sequence, so a byte scan
    // finds the same place as a character scan.
    const size_t last = path.find_last_of(":\\");
    if (last == std::string::npos) {
        return {};
    }
    std::string folder = path.substr(0, last + 1);
    if (folder.back() == '\\') {
        folder.pop_back();
    }
    return folder;
}

} // namespace velmora::settings
