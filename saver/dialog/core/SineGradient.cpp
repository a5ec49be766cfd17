// Row levels and colours of the dialog's painted background.
#include "saver/dialog/core/SineGradient.h"

#include <cmath>

namespace velmora::dialog {

namespace {
constexpr double kHalfWaveDivisor = 3.142;
constexpr double kPeakLevel = 220.0;
constexpr int kTint = 30;

uint8_t channel(int value) {
    return static_cast<uint8_t>(value);
}
} // namespace

std::vector<int> sineGradientLevels(double innerHeight) {
    std::vector<int> levels;
    const double d = innerHeight / kHalfWaveDivisor;
    const long lastRow = std::lround(innerHeight);
    if (lastRow < 0 || d == 0.0) {
        return levels;
    }
    levels.reserve(static_cast<size_t>(lastRow) + 1);
    for (long y = 0; y <= lastRow; ++y) {
        // nearbyint rounds halves to even, as the integer conversions of the saver do.
        levels.push_back(static_cast<int>(std::nearbyint(std::fabs(std::sin(y / d) * kPeakLevel))));
    }
    return levels;
}

RowColour formRowColour(int level) {
    return {channel(level), channel(level), channel(level + kTint)};
}

RowColour panelRowColour(int level) {
    return {channel(level + kTint), channel(level + kTint), channel(level + kTint)};
}

} // namespace velmora::dialog
