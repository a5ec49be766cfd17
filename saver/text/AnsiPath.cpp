// The ANSI-usable form of a path, asking Windows for the short form (see AnsiPath.h).
#include "saver/text/AnsiPath.h"

#include <vector>
#include <windows.h>

#include "saver/text/AnsiText.h"
#include "saver/text/core/PathForm.h"

namespace velmora::text {

namespace {

std::optional<PathForm> shortFormOf(const std::string& path) {
    const std::wstring wide = toWide(path);
    const DWORD size = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<wchar_t> buffer(size);
    const DWORD length = GetShortPathNameW(wide.c_str(), buffer.data(), size);
    if (length == 0 || length >= size) {
        return std::nullopt;
    }
    const std::string shortPath = fromWide(std::wstring_view(buffer.data(), length));
    return PathForm{shortPath, toAnsiExact(shortPath)};
}

} // namespace

std::optional<std::string> ansiUsablePath(const std::string& path, size_t maxAnsiBytes) {
    const PathForm full{path, toAnsiExact(path)};
    const std::optional<PathForm> chosen = ansiUsableForm(full, shortFormOf(path), maxAnsiBytes);
    if (!chosen) {
        return std::nullopt;
    }
    return chosen->path;
}

} // namespace velmora::text
