// Header reading and bounds checks for bitmap files. All sizes are computed in 64 bits so that
// hostile header values cannot wrap around.
#include "renderer/bitmap/DibLayout.h"

#include "renderer/bitmap/LittleEndian.h"

#include <algorithm>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kMaskBytes = 12;

bool fitsIn(std::span<const uint8_t> file, uint64_t offset, uint64_t length) {
    return offset <= file.size() && length <= file.size() - offset;
}

DibHeader readInfoHeader(std::span<const uint8_t> h) {
    DibHeader header;
    header.size = kInfoHeaderSize;
    header.width = static_cast<int32_t>(readLe32(h, 4));
    header.height = static_cast<int32_t>(readLe32(h, 8));
    header.planes = readLe16(h, 12);
    header.bitCount = readLe16(h, 14);
    header.compression = readLe32(h, 16);
    header.imageSize = readLe32(h, 20);
    header.xPelsPerMeter = static_cast<int32_t>(readLe32(h, 24));
    header.yPelsPerMeter = static_cast<int32_t>(readLe32(h, 28));
    header.colorsUsed = readLe32(h, 32);
    header.colorsImportant = readLe32(h, 36);
    return header;
}

DibHeader readCoreHeader(std::span<const uint8_t> h) {
    DibHeader header;
    header.size = kCoreHeaderSize;
    header.width = readLe16(h, 4);
    header.height = readLe16(h, 6);
    header.planes = readLe16(h, 8);
    header.bitCount = readLe16(h, 10);
    return header;
}

bool isPlainBitCount(uint16_t bitCount, bool coreHeader) {
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return true;
    case 16:
    case 32:
        return !coreHeader;
    default:
        return false;
    }
}

// The pixel formats the platform conversion handles; anything else it would refuse anyway, and
// refusing early keeps it from reading data whose extent cannot be checked here.
bool isConvertible(const DibHeader& header) {
    const bool core = header.size == kCoreHeaderSize;
    switch (header.compression) {
    case kCompressionRgb:
        return isPlainBitCount(header.bitCount, core);
    case kCompressionRle8:
        return header.bitCount == 8 && header.height > 0;
    case kCompressionRle4:
        return header.bitCount == 4 && header.height > 0;
    case kCompressionBitFields:
        return !core && (header.bitCount == 16 || header.bitCount == 32);
    default:
        return false;
    }
}

bool isRunLength(const DibHeader& header) {
    return header.compression == kCompressionRle8 || header.compression == kCompressionRle4;
}

} // namespace

uint64_t dibRowStride(int32_t width, uint16_t bitCount) {
    return (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
}

DibError readDibLayout(std::span<const uint8_t> file, DibLayout& layout) {
    layout = DibLayout{};
    const bool hasFileHeader = file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
    if (hasFileHeader) {
        if (!fitsIn(file, 0, kFileHeaderSize)) {
            return DibError::ConversionError;
        }
        layout.headerOffset = kFileHeaderSize;
    }
    if (!fitsIn(file, layout.headerOffset, 4)) {
        return DibError::ConversionError;
    }
    const uint32_t headerSize = readLe32(file, layout.headerOffset);
    if (headerSize != kInfoHeaderSize && headerSize != kCoreHeaderSize) {
        return DibError::UnknownFormat;
    }
    if (!fitsIn(file, layout.headerOffset, headerSize)) {
        return DibError::ConversionError;
    }
    const auto headerBytes = file.subspan(layout.headerOffset, headerSize);
    DibHeader& header = layout.header;
    header =
        headerSize == kInfoHeaderSize ? readInfoHeader(headerBytes) : readCoreHeader(headerBytes);

    // A colours-used value beyond 16 bits would be cut to a count that disagrees with the field.
    if (header.colorsUsed > 0xFFFF || header.width <= 0 || header.height == 0 ||
        !isConvertible(header)) {
        return DibError::ConversionError;
    }
    const int64_t rows = header.height < 0 ? -int64_t{header.height} : header.height;
    if (int64_t{header.width} * rows > kMaxDibPixels) {
        return DibError::OutOfMemory;
    }

    layout.colorTableOffset = layout.headerOffset + headerSize;
    if (header.compression == kCompressionBitFields) {
        layout.maskOffset = layout.colorTableOffset;
        layout.maskCount = 3;
        layout.colorTableOffset += kMaskBytes;
    }
    layout.colorEntrySize = headerSize == kCoreHeaderSize ? 3 : 4;
    layout.colorCount = dibColorCount(header);
    const uint64_t tableBytes = uint64_t{layout.colorCount} * layout.colorEntrySize;
    if (!fitsIn(file, layout.maskOffset, layout.maskCount * 4) ||
        !fitsIn(file, layout.colorTableOffset, tableBytes)) {
        return DibError::ConversionError;
    }

    const uint64_t pixelOffset =
        hasFileHeader ? readLe32(file, 10) : layout.colorTableOffset + tableBytes;
    if (pixelOffset > file.size()) {
        return DibError::ConversionError;
    }
    layout.pixelOffset = static_cast<size_t>(pixelOffset);
    const size_t available = file.size() - layout.pixelOffset;
    if (isRunLength(header)) {
        // Run-length data end where the file does at the latest.
        layout.pixelBytes =
            header.imageSize == 0 ? available : std::min<size_t>(header.imageSize, available);
        return layout.pixelBytes == 0 ? DibError::ConversionError : DibError::None;
    }
    const uint64_t needed = dibRowStride(header.width, header.bitCount) * rows;
    if (needed > available) {
        return DibError::ConversionError;
    }
    layout.pixelBytes = static_cast<size_t>(needed);
    return DibError::None;
}
