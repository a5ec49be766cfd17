// The bitmap file that a saved picture becomes: headers, row order, colour order, padding.
#include "saver/forms/core/PixelImage.h"

#include <gtest/gtest.h>

namespace velmora::forms {

namespace {

uint32_t read32(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<uint32_t>(bytes[at + 3]) << 24;
}
uint16_t read16(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

} // namespace

TEST(EncodeBmp24, HeadersDescribeAnUncompressedBottomUpBitmap) {
    PixelImage image{32, 32, std::vector<uint32_t>(32 * 32, 0)};
    const std::vector<uint8_t> bytes = encodeBmp24(image);
    ASSERT_EQ(bytes.size(), 54u + 32 * 32 * 3);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(read32(bytes, 2), bytes.size());
    EXPECT_EQ(read32(bytes, 10), 54u); // pixels follow the two headers
    EXPECT_EQ(read32(bytes, 14), 40u); // information header size
    EXPECT_EQ(read32(bytes, 18), 32u); // width
    EXPECT_EQ(read32(bytes, 22), 32u); // height, positive: bottom-up
    EXPECT_EQ(read16(bytes, 26), 1);   // planes
    EXPECT_EQ(read16(bytes, 28), 24);  // bits per pixel
    EXPECT_EQ(read32(bytes, 30), 0u);  // no compression
    EXPECT_EQ(read32(bytes, 34), 32u * 32 * 3);
}

TEST(EncodeBmp24, RowsRunBottomUpInBlueGreenRedWithPadding) {
    // 3 x 2: each row is 9 bytes of colour and 3 of padding.
    PixelImage image{3,
                     2,
                     {0x112233, 0x445566, 0x778899,   // top row
                      0xAABBCC, 0xDDEEFF, 0x010203}}; // bottom row
    const std::vector<uint8_t> bytes = encodeBmp24(image);
    ASSERT_EQ(bytes.size(), 54u + 2 * 12);
    const std::vector<uint8_t> pixels(bytes.begin() + 54, bytes.end());
    const std::vector<uint8_t> expected{0xCC, 0xBB, 0xAA, 0xFF, 0xEE, 0xDD, 0x03, 0x02,
                                        0x01, 0,    0,    0,    0x33, 0x22, 0x11, 0x66,
                                        0x55, 0x44, 0x99, 0x88, 0x77, 0,    0,    0};
    EXPECT_EQ(pixels, expected);
}

TEST(EncodeBmp24, PaddingForEachRowWidth) {
    for (int width = 1; width <= 8; ++width) {
        PixelImage image{width, 1, std::vector<uint32_t>(width, 0xFFFFFF)};
        const size_t stride = (width * 3 + 3) / 4 * 4;
        EXPECT_EQ(encodeBmp24(image).size(), 54 + stride) << width;
    }
}

TEST(EncodeBmp24, AnImageWithoutAllItsPixelsBecomesAnEmptyBitmap) {
    for (const PixelImage& image :
         {PixelImage{}, PixelImage{4, 4, std::vector<uint32_t>(3, 0)}, PixelImage{-2, 3, {}}}) {
        const std::vector<uint8_t> bytes = encodeBmp24(image);
        ASSERT_EQ(bytes.size(), 54u);
        EXPECT_EQ(read32(bytes, 18), 0u);
        EXPECT_EQ(read32(bytes, 22), 0u);
    }
}

} // namespace velmora::forms
