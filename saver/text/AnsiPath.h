// Paths for the places that only take ANSI text (MCI command strings, the stored music path).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace velmora::text {

// The path itself when its ANSI form is exact and at most maxAnsiBytes long, else its short
// (8.3) form on the same terms (the file must exist for it to have one); nothing otherwise.
// The result is UTF-8, and its toAnsi is exact.
std::optional<std::string> ansiUsablePath(const std::string& path, size_t maxAnsiBytes);

} // namespace velmora::text
