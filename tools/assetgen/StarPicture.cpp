// The star glint: a round glow that falls off with distance plus thin rays along the axes. The
// fall-off is interpolated between a few measured levels so the look is easy to tune.
#include "tools/assetgen/StarPicture.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace velmora::assetgen {

namespace {

struct Level {
    double distance;
    double brightness;
};

// The round glow, as seen along the diagonals.
constexpr Level kGlow[] = {{0.0, 227.0}, {1.0, 175.0}, {2.83, 90.0}, {5.0, 44.0},
                           {7.07, 30.0}, {11.0, 13.0}, {22.7, 4.0}};
// The brightness on the horizontal and vertical lines through the core, glow and ray together.
constexpr Level kAxis[] = {{0.0, 227.0}, {1.0, 190.0}, {2.0, 140.0},
                           {5.0, 50.0},  {11.0, 20.0}, {16.0, 13.0}};
// How far a ray spreads sideways, in pixels.
constexpr double kRaySpread = 0.75;
// The core's slight lilac cast: red 227, green 225, blue 229.
constexpr double kGreenCast = 225.0 / 227.0;
constexpr double kBlueCast = 229.0 / 227.0;

// Interpolates geometrically between levels; beyond the last one the level stays.
double levelAt(std::span<const Level> levels, double distance) {
    for (std::size_t i = 1; i < levels.size(); ++i) {
        const Level& a = levels[i - 1];
        const Level& b = levels[i];
        if (distance <= b.distance) {
            const double t = (distance - a.distance) / (b.distance - a.distance);
            return a.brightness * std::pow(b.brightness / a.brightness, t);
        }
    }
    return levels.back().brightness;
}

// One ray along an axis: the part of the axis brightness that the glow does not give, fading
// with the distance from the axis.
double ray(double along, double across) {
    const double distance = std::abs(along);
    const double strength = std::max(0.0, levelAt(kAxis, distance) - levelAt(kGlow, distance));
    return strength * std::exp(-(across * across) / (2.0 * kRaySpread * kRaySpread));
}

std::uint8_t channel(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

} // namespace

double starBrightness(double dx, double dy) {
    return levelAt(kGlow, std::hypot(dx, dy)) + ray(dx, dy) + ray(dy, dx);
}

Picture makeStarPicture() {
    Picture star(kStarSize, kStarSize);
    for (int y = 0; y < kStarSize; ++y) {
        for (int x = 0; x < kStarSize; ++x) {
            const double v = starBrightness(x - kStarCentre, y - kStarCentre);
            star.at(x, y) = {channel(v), channel(v * kGreenCast), channel(v * kBlueCast), 255};
        }
    }
    return star;
}

} // namespace velmora::assetgen
