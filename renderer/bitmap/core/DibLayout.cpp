// Header reading and bounds checks for bitmap files, the colour-table rule, the message texts and
// the working header (core headers widened, info headers copied, the size fields replaced by the
// checked ones). All sizes are computed in 64 bits so that hostile header values cannot wrap
// around.
#include "renderer/bitmap/core/DibLayout.h"

#include "base/LittleEndian.h"

#include <algorithm>

namespace velmora::bitmap {

namespace {

struct ErrorText {
    DibError error;
    std::string_view text;
};

constexpr ErrorText kFixedTexts[] = {
    {DibError::UnknownFormat, "Unknown DIB file format."},
    {DibError::OutOfMemory, "Out of memory."},
    {DibError::ConversionError, "Image file conversion error."},
};

} // namespace

uint16_t dibColourCount(const DibHeader& header) {
    if (header.size != base::kBmpCoreHeaderSize && header.coloursUsed != 0) {
        return static_cast<uint16_t>(header.coloursUsed);
    }
    // Only the palette depths have a table: one entry for each value a pixel can take.
    const uint16_t bits = header.bitCount;
    return bits == 1 || bits == 4 || bits == 8 ? static_cast<uint16_t>(1u << bits) : 0;
}

std::string dibErrorText(DibError error, std::string_view path) {
    if (error == DibError::OpenFailed) {
        return "Failed to open DIB file " + std::string(path) + ".\n";
    }
    for (const ErrorText& entry : kFixedTexts) {
        if (entry.error == error) {
            return std::string(entry.text);
        }
    }
    return {};
}

namespace {

constexpr size_t kMaskBytes = 12;

bool fitsIn(std::span<const uint8_t> file, uint64_t offset, uint64_t length) {
    return offset <= file.size() && length <= file.size() - offset;
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
    const bool core = header.size == base::kBmpCoreHeaderSize;
    switch (header.compression) {
    case base::kBmpRgb:
        return isPlainBitCount(header.bitCount, core);
    case base::kBmpRle8:
        return header.bitCount == 8 && header.height > 0;
    case base::kBmpRle4:
        return header.bitCount == 4 && header.height > 0;
    case base::kBmpBitFields:
        return !core && (header.bitCount == 16 || header.bitCount == 32);
    default:
        return false;
    }
}

bool isRunLength(const DibHeader& header) {
    return header.compression == base::kBmpRle8 || header.compression == base::kBmpRle4;
}

} // namespace

DibError readDibLayout(std::span<const uint8_t> file, DibLayout& layout) {
    layout = DibLayout{};
    const bool hasFileHeader = base::startsWithBmpFileHeader(file);
    if (hasFileHeader) {
        if (!fitsIn(file, 0, base::kBmpFileHeaderSize)) {
            return DibError::ConversionError;
        }
        layout.headerOffset = base::kBmpFileHeaderSize;
    }
    if (!fitsIn(file, layout.headerOffset, 4)) {
        return DibError::ConversionError;
    }
    const uint32_t headerSize = base::readLe32(file, layout.headerOffset);
    if (headerSize != base::kBmpInfoHeaderSize && headerSize != base::kBmpCoreHeaderSize) {
        return DibError::UnknownFormat;
    }
    if (!fitsIn(file, layout.headerOffset, headerSize)) {
        return DibError::ConversionError;
    }
    DibHeader& header = layout.header;
    header = base::readBmpInfoHeader(file.subspan(layout.headerOffset, headerSize));

    // A colours-used value beyond 16 bits would be cut to a count that disagrees with the field.
    if (header.coloursUsed > 0xFFFF || header.width <= 0 || header.height == 0 ||
        !isConvertible(header)) {
        return DibError::ConversionError;
    }
    const int64_t rows = header.height < 0 ? -int64_t{header.height} : header.height;
    if (int64_t{header.width} * rows > kMaxDibPixels) {
        return DibError::OutOfMemory;
    }

    layout.colourTableOffset = layout.headerOffset + headerSize;
    if (header.compression == base::kBmpBitFields) {
        layout.maskOffset = layout.colourTableOffset;
        layout.maskCount = 3;
        layout.colourTableOffset += kMaskBytes;
    }
    layout.colourEntrySize = headerSize == base::kBmpCoreHeaderSize ? 3 : 4;
    layout.colourCount = dibColourCount(header);
    const uint64_t tableBytes = uint64_t{layout.colourCount} * layout.colourEntrySize;
    if (!fitsIn(file, layout.maskOffset, layout.maskCount * 4) ||
        !fitsIn(file, layout.colourTableOffset, tableBytes)) {
        return DibError::ConversionError;
    }

    const uint64_t pixelOffset = hasFileHeader ? base::readBmpFileHeader(file).pixelOffset
                                               : layout.colourTableOffset + tableBytes;
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
    const uint64_t needed = base::bmpRowStride(header.width, header.bitCount) * rows;
    if (needed > available) {
        return DibError::ConversionError;
    }
    layout.pixelBytes = static_cast<size_t>(needed);
    return DibError::None;
}

std::vector<uint8_t> buildWorkingHeader(std::span<const uint8_t> file, const DibLayout& layout) {
    base::BmpInfoHeader info = layout.header;
    info.size = base::kBmpInfoHeaderSize;
    info.imageSize = static_cast<uint32_t>(layout.pixelBytes);
    info.coloursUsed = layout.colourCount;
    if (layout.header.size == base::kBmpCoreHeaderSize) {
        info.coloursImportant = layout.colourCount;
    }
    const size_t maskBytes = layout.maskCount * 4;
    std::vector<uint8_t> block;
    base::appendBmpInfoHeader(block, info);
    block.resize(base::kBmpInfoHeaderSize + maskBytes + size_t{layout.colourCount} * 4 + 4, 0);
    std::span<uint8_t> out(block);

    std::copy_n(file.begin() + static_cast<ptrdiff_t>(layout.maskOffset), maskBytes,
                out.begin() + base::kBmpInfoHeaderSize);
    const size_t tableStart = base::kBmpInfoHeaderSize + maskBytes;
    for (size_t i = 0; i < layout.colourCount; ++i) {
        const size_t from = layout.colourTableOffset + i * layout.colourEntrySize;
        std::copy_n(file.begin() + static_cast<ptrdiff_t>(from), 3,
                    out.begin() + static_cast<ptrdiff_t>(tableStart + i * 4));
        out[tableStart + i * 4 + 3] =
            layout.colourEntrySize == 4 ? file[from + 3] : static_cast<uint8_t>(0);
    }
    return block;
}

} // namespace velmora::bitmap
