// The quiet existence test in front of readDibFile, and the choice of the texture bitmap path.
#include "renderer/bitmap/TextureBitmap.h"

#include "renderer/bitmap/DibReader.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr const char* kRootTexturePath = "C:\\Vantri.bmp";
constexpr const char* kTextureFileName = "Vantri.bmp";

bool canOpenForReading(const char* path) {
    FILE* file = std::fopen(path, "r");
    if (!file) {
        return false;
    }
    std::fclose(file);
    return true;
}

} // namespace

std::optional<RgbImage> loadTextureBitmap(const char* path) {
    if (!path || !canOpenForReading(path)) {
        return std::nullopt;
    }
    return readDibFile(path);
}

std::string sceneTexturePath() {
    if (canOpenForReading(kRootTexturePath)) {
        return kRootTexturePath;
    }
    char folder[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length > MAX_PATH) {
        return kRootTexturePath;
    }
    return std::string(folder, length) + kTextureFileName;
}
