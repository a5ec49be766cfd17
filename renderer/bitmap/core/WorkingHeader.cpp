// Builds the working header: core headers are widened, info headers copied, and the size fields
// replaced by the checked ones.
#include "renderer/bitmap/core/WorkingHeader.h"

#include "base/BmpFile.h"

#include <algorithm>

namespace velmora::bitmap {

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
