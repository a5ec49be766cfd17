// Picture storage and colour blending.
#include "tools/assetgen/Picture.h"

#include <cmath>

namespace velmora::assetgen {

namespace {

std::uint8_t mixChannel(std::uint8_t a, std::uint8_t b, double t) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
}

} // namespace

Rgba mix(const Rgba& a, const Rgba& b, double t) {
    return {mixChannel(a.red, b.red, t), mixChannel(a.green, b.green, t),
            mixChannel(a.blue, b.blue, t), mixChannel(a.alpha, b.alpha, t)};
}

Picture::Picture(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

} // namespace velmora::assetgen
