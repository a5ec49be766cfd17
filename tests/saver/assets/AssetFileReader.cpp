// Reading the committed asset files for the tests.
#include "tests/saver/assets/AssetFileReader.h"

#include "base/LittleEndian.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace velmora::assetgen {

std::vector<std::uint8_t> readAssetFile(const std::string& name) {
    std::ifstream in(std::string(VELMORA_ASSET_DIR) + "/" + name, std::ios::binary);
    if (!in) {
        throw std::runtime_error("missing asset " + name);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

BitmapFile decodeBitmap(const std::vector<std::uint8_t>& bytes) {
    BitmapFile f;
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
        throw std::runtime_error("not a bitmap file");
    }
    static_cast<base::BmpInfoHeader&>(f) =
        base::readBmpInfoHeader(std::span(bytes).subspan(base::kBmpFileHeaderSize));
    const base::BmpFileHeader header = base::readBmpFileHeader(bytes);
    f.fileSize = bytes.size();
    f.declaredSize = header.fileSize;
    f.pixelOffset = header.pixelOffset;
    if (f.bitCount != 24 || f.width <= 0 || f.height <= 0) {
        return f;
    }
    const auto rows = std::span(bytes).subspan(f.pixelOffset);
    if (rows.size() < base::bmpRowStride(f.width, 24) * static_cast<std::uint64_t>(f.height)) {
        throw std::runtime_error("bitmap rows cut short");
    }
    f.pixels = Picture(f.width, f.height);
    for (int y = 0; y < f.height; ++y) {
        for (int x = 0; x < f.width; ++x) {
            f.pixels.at(x, y) = rgb(base::bmp24PixelAt(rows, f.width, f.height, x, y));
        }
    }
    return f;
}

IconEntry decodeIcon(const std::vector<std::uint8_t>& bytes) {
    IconEntry e;
    e.type = base::readLe16(bytes, 2);
    e.count = base::readLe16(bytes, 4);
    e.width = bytes.at(6) == 0 ? 256 : bytes.at(6);
    e.height = bytes.at(7) == 0 ? 256 : bytes.at(7);
    e.hotX = base::readLe16(bytes, 10);
    e.hotY = base::readLe16(bytes, 12);
    const std::size_t image = base::readLe32(bytes, 18);
    const base::BmpInfoHeader info = base::readBmpInfoHeader(std::span(bytes).subspan(image));
    e.imageWidth = info.width;
    // The stored height counts the colour rows and the mask rows.
    e.imageHeight = info.height / 2;
    e.imageBitCount = info.bitCount;
    if (e.imageBitCount != 32) {
        return e;
    }
    const std::size_t colours = image + base::readLe32(bytes, image);
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

} // namespace velmora::assetgen
