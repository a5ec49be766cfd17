// The quiet existence test in front of readDibFile, and the choice of the texture bitmap path.
#include "renderer/bitmap/TextureBitmap.h"

#include "base/win32/TexturePlaces.h"
#include "contract/SharedNames.h"
#include "renderer/bitmap/DibReader.h"
#include "renderer/bitmap/core/TexturePlace.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace velmora::bitmap {

namespace {

bool canOpenForReading(const char* path) {
    FILE* file = std::fopen(path, "r");
    if (!file) {
        return false;
    }
    std::fclose(file);
    return true;
}

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

std::optional<RgbImage> loadTextureBitmap(const char* path) {
    if (!path || !canOpenForReading(path)) {
        return std::nullopt;
    }
    return readDibFile(path);
}

std::string sceneTexturePath() {
    // The reader opens files by their ANSI name; without a temporary place that has one, the
    // root file is the one left to try.
    const std::optional<base::PathForm> temporary = win32::temporaryTexturePlace();
    const std::optional<std::uint64_t> temporaryWritten =
        temporary ? writtenAt(*temporary->ansi) : std::nullopt;
    if (freshestTexturePlace(writtenAt(velmora::contract::kTexturePath), temporaryWritten) ==
        TexturePlace::Root) {
        return velmora::contract::kTexturePath;
    }
    return *temporary->ansi;
}

} // namespace velmora::bitmap
