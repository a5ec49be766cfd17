// Conversions between the saver's UTF-8 text and the platform's ANSI code page and UTF-16,
// used only where the text meets an ANSI or wide platform call.
#pragma once

#include <string>
#include <string_view>

std::string toAnsi(std::string_view utf8);
std::string fromAnsi(std::string_view ansi);
std::wstring toWide(std::string_view utf8);
std::string fromWide(std::wstring_view wide);
