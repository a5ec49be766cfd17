// The contents of a file the generator writes.
#pragma once

#include <cstdint>
#include <vector>

namespace velmora::assetgen {

using Bytes = std::vector<std::uint8_t>;

} // namespace velmora::assetgen
