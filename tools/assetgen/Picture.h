// Picture: a small in-memory image of the asset generator, top row first, with an alpha channel
// that only the icon and cursor files use (0 is see-through, 255 opaque).
#pragma once

#include <cstdint>
#include <vector>

namespace velmora::assetgen {

struct Rgba {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// A colour from its #RRGGBB value, fully opaque.
constexpr Rgba rgb(std::uint32_t hex) {
    return {static_cast<std::uint8_t>(hex >> 16), static_cast<std::uint8_t>(hex >> 8),
            static_cast<std::uint8_t>(hex), 255};
}

// The colour a fraction t (0 to 1) of the way from a to b, rounded per channel.
Rgba mix(const Rgba& a, const Rgba& b, double t);

class Picture {
public:
    Picture(int width, int height, Rgba fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    Rgba& at(int x, int y) { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    const Rgba& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

private:
    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

} // namespace velmora::assetgen
