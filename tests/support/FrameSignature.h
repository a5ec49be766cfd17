// FrameSignature: a frame boiled down to the mean brightness of its 16 x 16 blocks, so that the
// Windows and the X11 renderer can be compared through one committed reference although the
// rasterizer may place a few edge pixels differently on either side.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmora::testing {

struct FrameSignature {
    int columns = 0;
    int rows = 0;
    // Mean of red, green and blue over each block, 0 to 255, rows of blocks from the bottom.
    std::vector<double> blocks;
};

inline constexpr int kSignatureBlock = 16;
// The largest block difference two renderings of one frame may show.
inline constexpr double kSameFrameBlockDifference = 2.0;

// From packed RGB rows, bottom row first, as glReadPixels gives them; the sides must be
// multiples of the block size.
FrameSignature frameSignature(std::span<const std::uint8_t> rgb, int width, int height);

// "COLUMNS ROWS" and then every block, rounded to a tenth, as the reference file holds it.
std::string signatureText(const FrameSignature& signature);

// The signature of a reference file; empty when it cannot be read.
FrameSignature readSignatureFile(const std::string& path);

// The largest difference of one block between the two; infinity for signatures of other sizes.
double largestBlockDifference(const FrameSignature& a, const FrameSignature& b);

} // namespace velmora::testing
