// Little-endian field access for the Windows file formats, independent of the host's byte order.
// Callers check the bounds; these only assemble and split the bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velmora::base {

inline uint16_t readLe16(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline uint32_t readLe32(std::span<const uint8_t> bytes, size_t offset) {
    return readLe16(bytes, offset) | (static_cast<uint32_t>(readLe16(bytes, offset + 2)) << 16);
}

inline void writeLe16(std::span<uint8_t> bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

inline void writeLe32(std::span<uint8_t> bytes, size_t offset, uint32_t value) {
    writeLe16(bytes, offset, static_cast<uint16_t>(value));
    writeLe16(bytes, offset + 2, static_cast<uint16_t>(value >> 16));
}

inline void appendLe16(std::vector<uint8_t>& out, uint16_t value) {
    out.resize(out.size() + 2);
    writeLe16(out, out.size() - 2, value);
}

inline void appendLe32(std::vector<uint8_t>& out, uint32_t value) {
    out.resize(out.size() + 4);
    writeLe32(out, out.size() - 4, value);
}

} // namespace velmora::base
