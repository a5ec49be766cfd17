// ByteWriter: appends little-endian integers to a byte buffer, the byte order of every Windows
// picture file the generator writes.
#pragma once

#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

class ByteWriter {
public:
    explicit ByteWriter(Bytes& out) : out_(out) {}

    void u8(std::uint32_t value) { out_.push_back(static_cast<std::uint8_t>(value)); }
    void u16(std::uint32_t value) {
        u8(value);
        u8(value >> 8);
    }
    void u32(std::uint32_t value) {
        u16(value);
        u16(value >> 16);
    }

private:
    Bytes& out_;
};
