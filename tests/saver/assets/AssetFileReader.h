// Test support: reads the committed picture files back, field by field, independently of the
// generator's encoders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/BmpFile.h"
#include "tools/assetgen/Picture.h"

namespace velmora::assetgen {

std::vector<std::uint8_t> readAssetFile(const std::string& name);

// A 24-bit bitmap file's headers and pixels, top row first.
struct BitmapFile : base::BmpInfoHeader {
    std::size_t fileSize = 0;
    std::uint32_t declaredSize = 0;
    std::uint32_t pixelOffset = 0;
    Picture pixels{0, 0};
};

BitmapFile decodeBitmap(const std::vector<std::uint8_t>& bytes);

// The first (only) entry of an icon or cursor file, and its image's size and see-through mask.
struct IconEntry {
    std::uint32_t type = 0;
    std::uint32_t count = 0;
    int width = 0;
    int height = 0;
    std::uint32_t hotX = 0;
    std::uint32_t hotY = 0;
    int imageWidth = 0;
    int imageHeight = 0;
    std::uint32_t imageBitCount = 0;
    // True where the AND mask lets the background through; top row first.
    std::vector<bool> seeThrough;
    // Colour of each pixel, top row first.
    Picture colours{0, 0};
};

IconEntry decodeIcon(const std::vector<std::uint8_t>& bytes);

} // namespace velmora::assetgen
