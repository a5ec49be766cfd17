// The quiet existence test in front of readDibFile, and the choice of the texture bitmap path.
#include "renderer/bitmap/TextureBitmap.h"

#include "contract/SharedNames.h"
#include "renderer/bitmap/DibReader.h"
#include "renderer/bitmap/core/TexturePlace.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace velmora::bitmap {

namespace {

// The shared names are plain ASCII, so widening them is a copy.
std::wstring widened(const char* ascii) {
    return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii));
}

bool canOpenForReading(const char* path) {
    FILE* file = std::fopen(path, "r");
    if (!file) {
        return false;
    }
    std::fclose(file);
    return true;
}

// The last-write time of a file; nothing when it is missing or a folder.
std::optional<std::uint64_t> writtenAt(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return std::nullopt;
    }
    return std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32 |
           data.ftLastWriteTime.dwLowDateTime;
}

std::wstring temporaryTexturePath() {
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    return std::wstring(folder, length) + widened(velmora::contract::kTextureFileName);
}

std::optional<std::string> exactlyInAnsi(const std::wstring& text) {
    BOOL lossy = FALSE;
    char ansi[MAX_PATH * 2];
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, ansi,
                                           sizeof ansi, nullptr, &lossy);
    if (length <= 0 || lossy) {
        return std::nullopt;
    }
    return ansi;
}

// The reader opens files by their ANSI name. A path with characters outside the code page goes
// by its short name, which the file system spells in plain letters; failing that, the root file
// is the one left to try.
std::string ansiPath(const std::wstring& path) {
    if (std::optional<std::string> ansi = exactlyInAnsi(path)) {
        return *ansi;
    }
    wchar_t shortPath[MAX_PATH];
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        if (std::optional<std::string> ansi = exactlyInAnsi({shortPath, length})) {
            return *ansi;
        }
    }
    return velmora::contract::kTexturePath;
}

} // namespace

std::optional<RgbImage> loadTextureBitmap(const char* path) {
    if (!path || !canOpenForReading(path)) {
        return std::nullopt;
    }
    return readDibFile(path);
}

std::string sceneTexturePath() {
    const std::wstring temporary = temporaryTexturePath();
    const std::optional<std::uint64_t> temporaryWritten =
        temporary.empty() ? std::nullopt : writtenAt(temporary);
    if (freshestTexturePlace(writtenAt(widened(velmora::contract::kTexturePath)),
                             temporaryWritten) == TexturePlace::Root) {
        return velmora::contract::kTexturePath;
    }
    return ansiPath(temporary);
}

} // namespace velmora::bitmap
