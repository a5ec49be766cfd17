// The exact ANSI form of a text and the usable form of a path (see AnsiForm.h).
#include "base/win32/AnsiForm.h"

#include <vector>
#include <windows.h>

namespace velmora::win32 {

namespace {

std::wstring widened(std::string_view text, UINT codePage) {
    const int size = static_cast<int>(text.size());
    std::wstring wide(
        static_cast<size_t>(MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string utf8(std::wstring_view wide) {
    const int size = static_cast<int>(wide.size());
    std::string text(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr,
                                                             0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), static_cast<int>(text.size()),
                        nullptr, nullptr);
    return text;
}

base::PathForm formOf(std::wstring_view path) {
    return {utf8(path), exactAnsi(path)};
}

std::optional<base::PathForm> shortFormOf(const std::wstring& path) {
    const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<wchar_t> buffer(size);
    const DWORD length = GetShortPathNameW(path.c_str(), buffer.data(), size);
    if (length == 0 || length >= size) {
        return std::nullopt;
    }
    return formOf({buffer.data(), length});
}

} // namespace

std::optional<std::string> exactAnsi(std::wstring_view wide) {
    if (wide.empty()) {
        return std::string();
    }
    const int size = static_cast<int>(wide.size());
    BOOL replaced = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr,
                                           0, nullptr, &replaced);
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, ansi.data(), length,
                        nullptr, &replaced);
    // The way back proves it: a best-fit look-alike would read back as another character.
    if (replaced || length == 0 || widened(ansi, CP_ACP) != wide) {
        return std::nullopt;
    }
    return ansi;
}

std::optional<base::PathForm> ansiUsablePath(const std::wstring& path, size_t maxAnsiBytes) {
    return base::ansiUsableForm(formOf(path), shortFormOf(path), maxAnsiBytes);
}

} // namespace velmora::win32
