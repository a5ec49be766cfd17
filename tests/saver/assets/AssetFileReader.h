// Test support: reads the committed picture files back, field by field, independently of the
// generator's encoders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/Picture.h"

std::vector<std::uint8_t> readAssetFile(const std::string& name);

std::uint32_t readU16(const std::vector<std::uint8_t>& bytes, std::size_t offset);
std::uint32_t readU32(const std::vector<std::uint8_t>& bytes, std::size_t offset);

// A 24-bit bitmap file's headers and pixels, top row first.
struct BitmapFile {
    std::size_t fileSize = 0;
    std::uint32_t declaredSize = 0;
    std::uint32_t pixelOffset = 0;
    std::uint32_t infoSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = 0;
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
