// The glow: brightness falls off with the square of the distance from the centre, so the
// additive blending of many stars builds soft light rather than hard squares.
#include "tools/bench/StarGlow.h"

#include "base/BmpFile.h"

#include <cstdint>
#include <fstream>

namespace velmora::bench {

namespace {

constexpr int kSide = 32;

unsigned char glowAt(int x, int y) {
    const double dx = (x + 0.5 - kSide / 2.0) / (kSide / 2.0);
    const double dy = (y + 0.5 - kSide / 2.0) / (kSide / 2.0);
    const double fall = 1.0 - (dx * dx + dy * dy);
    return static_cast<unsigned char>(fall <= 0.0 ? 0 : 255.0 * fall * fall);
}

} // namespace

std::vector<unsigned char> starGlowBitmap() {
    base::BmpInfoHeader info;
    info.width = kSide;
    info.height = kSide;
    return base::encodeBmp24File(info, [](int x, int y) { return glowAt(x, y) * 0x010101u; });
}

bool writeStarGlowBitmap(const std::string& path) {
    const std::vector<unsigned char> bytes = starGlowBitmap();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace velmora::bench
