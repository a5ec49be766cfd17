// The ANSI-usable form of a path, in the saver's UTF-8 (see AnsiPath.h).
#include "saver/text/AnsiPath.h"

#include "base/win32/AnsiForm.h"
#include "saver/text/AnsiText.h"

namespace velmora::text {

std::optional<std::string> ansiUsablePath(const std::string& path, size_t maxAnsiBytes) {
    const std::optional<base::PathForm> chosen = win32::ansiUsablePath(toWide(path), maxAnsiBytes);
    if (!chosen) {
        return std::nullopt;
    }
    return chosen->path;
}

} // namespace velmora::text
