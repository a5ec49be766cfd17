// Block means of a frame and their text form.
#include "tests/support/FrameSignature.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>

namespace velmora::testing {

FrameSignature frameSignature(std::span<const std::uint8_t> rgb, int width, int height) {
    FrameSignature signature;
    signature.columns = width / kSignatureBlock;
    signature.rows = height / kSignatureBlock;
    signature.blocks.assign(static_cast<std::size_t>(signature.columns * signature.rows), 0.0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t at = static_cast<std::size_t>((y * width + x) * 3);
            const double level = (rgb[at] + rgb[at + 1] + rgb[at + 2]) / 3.0;
            signature.blocks[static_cast<std::size_t>((y / kSignatureBlock) * signature.columns +
                                                      x / kSignatureBlock)] += level;
        }
    }
    for (double& block : signature.blocks) {
        block /= kSignatureBlock * kSignatureBlock;
    }
    return signature;
}

std::string signatureText(const FrameSignature& signature) {
    std::string text = std::to_string(signature.columns) + " " + std::to_string(signature.rows);
    for (std::size_t i = 0; i < signature.blocks.size(); ++i) {
        char block[16];
        std::snprintf(block, sizeof block, "%.1f", signature.blocks[i]);
        text += (i % static_cast<std::size_t>(signature.columns) == 0 ? "\n" : " ");
        text += block;
    }
    return text + "\n";
}

FrameSignature readSignatureFile(const std::string& path) {
    std::ifstream file(path);
    FrameSignature signature;
    if (!(file >> signature.columns >> signature.rows)) {
        return {};
    }
    for (double block; file >> block;) {
        signature.blocks.push_back(block);
    }
    if (signature.blocks.size() != static_cast<std::size_t>(signature.columns * signature.rows)) {
        return {};
    }
    return signature;
}

double largestBlockDifference(const FrameSignature& a, const FrameSignature& b) {
    if (a.columns != b.columns || a.rows != b.rows || a.blocks.empty()) {
        return std::numeric_limits<double>::infinity();
    }
    double largest = 0.0;
    for (std::size_t i = 0; i < a.blocks.size(); ++i) {
        largest = std::max(largest, std::abs(a.blocks[i] - b.blocks[i]));
    }
    return largest;
}

} // namespace velmora::testing
