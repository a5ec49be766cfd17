// Texts for the places that only take the system's ANSI code page: the exact form of a text and
// the usable form of a path, for both programs.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/PathForm.h"

namespace velmora::win32 {

// The ANSI form of a text when every character has one exactly; nothing when any character
// would be dropped or replaced by a look-alike.
std::optional<std::string> exactAnsi(std::wstring_view wide);

// The path itself when its ANSI form is exact and at most maxAnsiBytes long, else its short
// (8.3) form on the same terms (the file must exist for it to have one); nothing otherwise.
std::optional<base::PathForm> ansiUsablePath(const std::wstring& path, size_t maxAnsiBytes);

} // namespace velmora::win32
