// The texture hand-off on Windows (see TextureHandOff.h).
#include "base/win32/TextureHandOff.h"

#include <windows.h>

#include "base/TextureHandOff.h"
#include "base/win32/PlatformText.h"
#include "contract/SharedNames.h"

namespace velmora::win32 {

namespace {

// The last-write time of a file named by its ANSI path; nothing when it is missing or a folder.
std::optional<std::uint64_t> writtenAt(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return std::nullopt;
    }
    return std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32 |
           data.ftLastWriteTime.dwLowDateTime;
}

} // namespace

std::optional<base::PathForm> temporaryTexturePlace() {
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH) {
        return std::nullopt;
    }
    const size_t nameBytes = sizeof contract::kTextureFileName - 1;
    const std::optional<base::PathForm> place =
        ansiUsablePath(fromWide({folder, length}), MAX_PATH - 1 - nameBytes);
    return place ? std::optional(base::textureFileIn(*place)) : std::nullopt;
}

bool saveTextureBitmap(const std::function<bool(const std::string& path)>& save) {
    if (save(contract::kTexturePath)) {
        return true;
    }
    const std::optional<base::PathForm> fallback = temporaryTexturePlace();
    return fallback && save(fallback->path);
}

std::string textureBitmapToRead() {
    // The reader opens files by their ANSI name; without a temporary place that has one, the
    // root file is the one left to try.
    const std::optional<base::PathForm> temporary = temporaryTexturePlace();
    const std::optional<std::uint64_t> temporaryWritten =
        temporary ? writtenAt(*temporary->ansi) : std::nullopt;
    if (base::freshestTexturePlace(writtenAt(contract::kTexturePath), temporaryWritten) ==
        base::TexturePlace::Root) {
        return contract::kTexturePath;
    }
    return *temporary->ansi;
}

} // namespace velmora::win32
