// Reading the committed asset files for the tests.
#include "tests/saver/assets/AssetFileReader.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

std::vector<std::uint8_t> readAssetFile(const std::string& name) {
    std::ifstream in(std::string(VELMORA_ASSET_DIR) + "/" + name, std::ios::binary);
    if (!in) {
        throw std::runtime_error("missing asset " + name);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t readU16(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return bytes.at(offset) | (bytes.at(offset + 1) << 8);
}

std::uint32_t readU32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return readU16(bytes, offset) | (readU16(bytes, offset + 2) << 16);
}

BitmapFile decodeBitmap(const std::vector<std::uint8_t>& bytes) {
    BitmapFile f;
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
        throw std::runtime_error("not a bitmap file");
    }
    f.fileSize = bytes.size();
    f.declaredSize = readU32(bytes, 2);
    f.pixelOffset = readU32(bytes, 10);
    f.infoSize = readU32(bytes, 14);
    f.width = static_cast<std::int32_t>(readU32(bytes, 18));
    f.height = static_cast<std::int32_t>(readU32(bytes, 22));
    f.bitCount = readU16(bytes, 28);
    f.compression = readU32(bytes, 30);
    if (f.bitCount != 24 || f.width <= 0 || f.height <= 0) {
        return f;
    }
    const std::size_t rowBytes = (static_cast<std::size_t>(f.width) * 3 + 3) / 4 * 4;
    f.pixels = Picture(f.width, f.height);
    for (int y = 0; y < f.height; ++y) {
        const std::size_t row =
            f.pixelOffset + rowBytes * static_cast<std::size_t>(f.height - 1 - y);
        for (int x = 0; x < f.width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            f.pixels.at(x, y) = {bytes.at(at + 2), bytes.at(at + 1), bytes.at(at), 255};
        }
    }
    return f;
}

IconEntry decodeIcon(const std::vector<std::uint8_t>& bytes) {
    IconEntry e;
    e.type = readU16(bytes, 2);
    e.count = readU16(bytes, 4);
    e.width = bytes.at(6) == 0 ? 256 : bytes.at(6);
    e.height = bytes.at(7) == 0 ? 256 : bytes.at(7);
    e.hotX = readU16(bytes, 10);
    e.hotY = readU16(bytes, 12);
    const std::size_t image = readU32(bytes, 18);
    e.imageWidth = static_cast<int>(readU32(bytes, image + 4));
    // The stored height counts the colour rows and the mask rows.
    e.imageHeight = static_cast<int>(readU32(bytes, image + 8)) / 2;
    e.imageBitCount = readU16(bytes, image + 14);
    if (e.imageBitCount != 32) {
        return e;
    }
    const std::size_t colours = image + readU32(bytes, image);
    const std::size_t mask = colours + static_cast<std::size_t>(e.imageWidth * e.imageHeight) * 4;
    const std::size_t maskRow = (static_cast<std::size_t>(e.imageWidth) + 31) / 32 * 4;
    e.colours = Picture(e.imageWidth, e.imageHeight);
    for (int y = 0; y < e.imageHeight; ++y) {
        const int stored = e.imageHeight - 1 - y;
        for (int x = 0; x < e.imageWidth; ++x) {
            const std::size_t at =
                colours + static_cast<std::size_t>(stored * e.imageWidth + x) * 4;
            e.colours.at(x, y) = {bytes.at(at + 2), bytes.at(at + 1), bytes.at(at),
                                  bytes.at(at + 3)};
            const std::uint8_t bits = bytes.at(mask + maskRow * static_cast<std::size_t>(stored) +
                                               static_cast<std::size_t>(x / 8));
            e.seeThrough.push_back((bits & (0x80 >> (x % 8))) != 0);
        }
    }
    return e;
}
