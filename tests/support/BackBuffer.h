// The back buffer of the current GL context read back as packed RGB rows, bottom row first, for
// the scene tests of both renderers.
#pragma once

#include <vector>

namespace velmora::testing {

std::vector<unsigned char> readBackBuffer(int width, int height);

} // namespace velmora::testing
