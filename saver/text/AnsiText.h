// Conversions between the saver's UTF-8 text and the platform's ANSI code page and UTF-16,
// used only where the text meets an ANSI or wide platform call.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::text {

std::string toAnsi(std::string_view utf8);
std::string fromAnsi(std::string_view ansi);
std::wstring toWide(std::string_view utf8);
std::string fromWide(std::wstring_view wide);
// ANSI bytes as the wide functions take them.
std::wstring wideFromAnsi(std::string_view ansi);

// The ANSI form of a text when every character has one exactly; nothing when any character
// would be dropped or replaced by a look-alike.
std::optional<std::string> toAnsiExact(std::string_view utf8);

} // namespace velmora::text
