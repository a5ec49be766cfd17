// The one text seam of both Windows programs: their UTF-8 text in the platform's UTF-16 and ANSI
// code page, the exact ANSI form of a text and the ANSI-usable form of a path, used only where a
// text meets a wide or an ANSI platform call.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/PathForm.h"

namespace velmora::win32 {

std::wstring toWide(std::string_view utf8);
std::string fromWide(std::wstring_view wide);

// The system's own ANSI form: a character without one is replaced as the platform replaces it.
std::string toAnsi(std::string_view utf8);
std::string fromAnsi(std::string_view ansi);
// ANSI bytes as the wide functions take them.
std::wstring wideFromAnsi(std::string_view ansi);

// The ANSI form of a text when every character has one exactly; nothing when any character
// would be dropped or replaced by a look-alike.
std::optional<std::string> toAnsiExact(std::string_view utf8);

// The path itself when its ANSI form is exact and at most maxAnsiBytes long, else its short
// (8.3) form on the same terms (the file must exist for it to have one); nothing otherwise.
std::optional<base::PathForm> ansiUsablePath(const std::string& path, size_t maxAnsiBytes);

} // namespace velmora::win32
