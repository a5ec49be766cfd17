// Which form of a path a place that only takes ANSI text can be given: the path as it is, or
// its short (8.3) form, and only one whose ANSI text is exact.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace velmora::base {

// A form of a path: its UTF-8 text and its ANSI text, when that one is exact.
struct PathForm {
    std::string path;
    std::optional<std::string> ansi;
};

// The full form when its ANSI text is exact and at most maxAnsiBytes long, else the short form
// on the same terms; nothing when neither is, so no look-alike ever stands in for a name.
std::optional<PathForm> ansiUsableForm(const PathForm& full,
                                       const std::optional<PathForm>& short8dot3,
                                       size_t maxAnsiBytes);

} // namespace velmora::base
