// Builds the working header: core headers are widened, info headers copied, and the size fields
// replaced by the checked ones.
#include "renderer/bitmap/WorkingHeader.h"

#include "renderer/bitmap/LittleEndian.h"

#include <algorithm>

std::vector<uint8_t> buildWorkingHeader(std::span<const uint8_t> file, const DibLayout& layout) {
    const DibHeader& h = layout.header;
    const size_t maskBytes = layout.maskCount * 4;
    std::vector<uint8_t> block(kInfoHeaderSize + maskBytes + size_t{layout.colorCount} * 4 + 4);
    std::span<uint8_t> out(block);

    writeLe32(out, 0, kInfoHeaderSize);
    writeLe32(out, 4, static_cast<uint32_t>(h.width));
    writeLe32(out, 8, static_cast<uint32_t>(h.height));
    writeLe16(out, 12, h.planes);
    writeLe16(out, 14, h.bitCount);
    writeLe32(out, 16, h.compression);
    writeLe32(out, 20, static_cast<uint32_t>(layout.pixelBytes));
    writeLe32(out, 24, static_cast<uint32_t>(h.xPelsPerMeter));
    writeLe32(out, 28, static_cast<uint32_t>(h.yPelsPerMeter));
    writeLe32(out, 32, layout.colorCount);
    writeLe32(out, 36, h.size == kCoreHeaderSize ? layout.colorCount : h.colorsImportant);

    std::copy_n(file.begin() + static_cast<ptrdiff_t>(layout.maskOffset), maskBytes,
                out.begin() + kInfoHeaderSize);
    const size_t tableStart = kInfoHeaderSize + maskBytes;
    for (size_t i = 0; i < layout.colorCount; ++i) {
        const size_t from = layout.colorTableOffset + i * layout.colorEntrySize;
        std::copy_n(file.begin() + static_cast<ptrdiff_t>(from), 3,
                    out.begin() + static_cast<ptrdiff_t>(tableStart + i * 4));
        out[tableStart + i * 4 + 3] =
            layout.colorEntrySize == 4 ? file[from + 3] : static_cast<uint8_t>(0);
    }
    return block;
}
