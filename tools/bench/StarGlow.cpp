// The glow: brightness falls off with the square of the distance from the centre, so the
// additive blending of many stars builds soft light rather than hard squares.
#include "tools/bench/StarGlow.h"

#include <cstdint>
#include <fstream>

namespace {

constexpr int kSide = 32;
constexpr std::uint32_t kHeaderBytes = 14 + 40;
constexpr std::uint32_t kPixelBytes = kSide * kSide * 3;

void put16(std::vector<unsigned char>& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<unsigned char>(value & 0xFF);
    out[at + 1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

void put32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t value) {
    put16(out, at, value & 0xFFFF);
    put16(out, at + 2, value >> 16);
}

unsigned char glowAt(int x, int y) {
    const double dx = (x + 0.5 - kSide / 2.0) / (kSide / 2.0);
    const double dy = (y + 0.5 - kSide / 2.0) / (kSide / 2.0);
    const double fall = 1.0 - (dx * dx + dy * dy);
    return static_cast<unsigned char>(fall <= 0.0 ? 0 : 255.0 * fall * fall);
}

} // namespace

std::vector<unsigned char> starGlowBitmap() {
    std::vector<unsigned char> out(kHeaderBytes + kPixelBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, kHeaderBytes + kPixelBytes);
    put32(out, 10, kHeaderBytes);
    put32(out, 14, 40);
    put32(out, 18, kSide);
    put32(out, 22, kSide);
    put16(out, 26, 1);
    put16(out, 28, 24);
    put32(out, 34, kPixelBytes);
    std::size_t at = kHeaderBytes;
    // 32 pixels of 3 bytes make rows of 96 bytes: no padding.
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const unsigned char level = glowAt(x, y);
            out[at++] = level;
            out[at++] = level;
            out[at++] = level;
        }
    }
    return out;
}

bool writeStarGlowBitmap(const std::string& path) {
    const std::vector<unsigned char> bytes = starGlowBitmap();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
