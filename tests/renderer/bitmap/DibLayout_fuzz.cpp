// Fuzz target over the header reading and bounds checks: whatever the bytes, an accepted layout
// must describe data inside the file and a picture within the size cap, and building the working
// header from it must stay inside the file (the sanitizers watch every read).
#include "renderer/bitmap/core/DibLayout.h"

#include <cstdlib>

namespace velmora::bitmap {

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    DibLayout layout;
    if (readDibLayout(file, layout) != DibError::None) {
        return 0;
    }
    const DibHeader& h = layout.header;
    const int64_t rows = h.height < 0 ? -int64_t{h.height} : h.height;
    if (layout.pixelOffset > size || layout.pixelBytes > size - layout.pixelOffset ||
        h.width <= 0 || rows == 0 || h.width * rows > kMaxDibPixels) {
        std::abort();
    }
    const std::vector<uint8_t> block = buildWorkingHeader(file, layout);
    if (block.size() != 40 + layout.maskCount * 4 + size_t{layout.colourCount} * 4 + 4) {
        std::abort();
    }
    return 0;
}

} // namespace velmora::bitmap
