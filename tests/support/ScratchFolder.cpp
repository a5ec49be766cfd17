// Scratch folders (see ScratchFolder.h).
#include "tests/support/ScratchFolder.h"

#include "tests/support/Files.h"

#include <chrono>
#include <filesystem>

namespace velmora::testing {
namespace {

// Unique within the process by the counter, and across the processes of one run by the time.
std::string uniqueName(const std::string& prefix) {
    static int count = 0;
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return prefix + "-" + std::to_string(ticks) + "-" + std::to_string(++count);
}

std::filesystem::path parentFolder(const std::string& parent) {
    return parent.empty() ? std::filesystem::temp_directory_path() : utf8Path(parent);
}

} // namespace

ScratchFolder::ScratchFolder(const std::string& prefix, const std::string& parent)
    : ScratchFolder(Exact{}, utf8String(parentFolder(parent) / utf8Path(uniqueName(prefix)))) {}

ScratchFolder ScratchFolder::at(const std::string& path) {
    return ScratchFolder(Exact{}, path);
}

ScratchFolder::ScratchFolder(Exact, std::string path) : path_(std::move(path)) {
    std::filesystem::create_directories(utf8Path(path_));
}

ScratchFolder::ScratchFolder(ScratchFolder&& other) noexcept : path_(std::move(other.path_)) {
    other.path_.clear();
}

ScratchFolder::~ScratchFolder() {
    if (path_.empty()) {
        return;
    }
    std::error_code ignored;
    std::filesystem::remove_all(utf8Path(path_), ignored);
}

std::string ScratchFolder::operator/(const std::string& name) const {
    return path_ + static_cast<char>(std::filesystem::path::preferred_separator) + name;
}

} // namespace velmora::testing
