// The ANSI code page and UTF-16 seam of the saver's UTF-8 text.
#include "saver/text/AnsiText.h"

#include <windows.h>

#include "base/win32/AnsiForm.h"

namespace velmora::text {

namespace {

std::wstring widen(std::string_view text, UINT codePage) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string narrow(std::wstring_view text, UINT codePage) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrowed(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, narrowed.data(), length, nullptr, nullptr);
    return narrowed;
}

} // namespace

std::string toAnsi(std::string_view utf8) {
    return narrow(widen(utf8, CP_UTF8), CP_ACP);
}

std::string fromAnsi(std::string_view ansi) {
    return narrow(widen(ansi, CP_ACP), CP_UTF8);
}

std::optional<std::string> toAnsiExact(std::string_view utf8) {
    return win32::exactAnsi(widen(utf8, CP_UTF8));
}

std::wstring toWide(std::string_view utf8) {
    return widen(utf8, CP_UTF8);
}

std::string fromWide(std::wstring_view wide) {
    return narrow(wide, CP_UTF8);
}

std::wstring wideFromAnsi(std::string_view ansi) {
    return widen(ansi, CP_ACP);
}

} // namespace velmora::text
