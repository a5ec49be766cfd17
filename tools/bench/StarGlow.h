// A stand-in for the saver's star picture: a 32 x 32, 24-bit Windows bitmap of a white glow on
// black, made in code so that the renderer can be run and measured without the saver.
#pragma once

#include <string>
#include <vector>

namespace velmora::bench {

// The complete bitmap file: "BM" header, 40-byte information header, rows bottom-up.
std::vector<unsigned char> starGlowBitmap();

// Writes the bitmap to the path; false when the file cannot be written.
bool writeStarGlowBitmap(const std::string& path);

} // namespace velmora::bench
