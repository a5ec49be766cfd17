// The UTF-16 and ANSI forms of the programs' UTF-8 text (see PlatformText.h).
#include "base/win32/PlatformText.h"

#include <vector>
#include <windows.h>

namespace velmora::win32 {

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

std::optional<std::string> exactAnsiOf(std::wstring_view wide) {
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
    if (replaced || length == 0 || widen(ansi, CP_ACP) != wide) {
        return std::nullopt;
    }
    return ansi;
}

base::PathForm formOf(std::wstring_view path) {
    return {narrow(path, CP_UTF8), exactAnsiOf(path)};
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

std::wstring toWide(std::string_view utf8) {
    return widen(utf8, CP_UTF8);
}

std::string fromWide(std::wstring_view wide) {
    return narrow(wide, CP_UTF8);
}

std::string toAnsi(std::string_view utf8) {
    return narrow(widen(utf8, CP_UTF8), CP_ACP);
}

std::string fromAnsi(std::string_view ansi) {
    return narrow(widen(ansi, CP_ACP), CP_UTF8);
}

std::wstring wideFromAnsi(std::string_view ansi) {
    return widen(ansi, CP_ACP);
}

std::optional<std::string> toAnsiExact(std::string_view utf8) {
    return exactAnsiOf(widen(utf8, CP_UTF8));
}

std::optional<base::PathForm> ansiUsablePath(const std::string& path, size_t maxAnsiBytes) {
    const std::wstring wide = toWide(path);
    return base::ansiUsableForm(formOf(wide), shortFormOf(wide), maxAnsiBytes);
}

} // namespace velmora::win32
