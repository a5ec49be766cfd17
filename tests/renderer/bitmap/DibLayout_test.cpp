// Header reading and bounds checks of the bitmap reader: accepted layouts, damaged and hostile
// files, and the working header handed to the platform conversion.
#include "base/LittleEndian.h"
#include "renderer/bitmap/core/DibLayout.h"
#include "tests/renderer/bitmap/BmpBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::bitmap {
namespace {

// The pixels of a 1 x 1 picture under a header that claims another size.
std::vector<uint8_t> claimedSize(int32_t width, int32_t height) {
    BmpFields s = rgb24(1, 1);
    s.width = width;
    s.height = height;
    return buildBmp(s);
}

BmpFields paletted8(uint32_t coloursUsed, size_t entries) {
    BmpFields s;
    s.width = 4;
    s.height = 2;
    s.bitCount = 8;
    s.coloursUsed = coloursUsed;
    s.palette.assign(entries, 0x112233);
    s.pixels.assign(8, 1);
    return s;
}

BmpFields rle8(uint32_t imageSize, int32_t height) {
    BmpFields s = paletted8(2, 2);
    s.compression = base::kBmpRle8;
    s.height = height;
    s.imageSize = imageSize;
    s.pixels = {4, 1, 0, 0, 4, 1, 0, 1};
    return s;
}

BmpFields bitFields565(bool fileHeader) {
    BmpFields s;
    s.fileHeader = fileHeader;
    s.width = 2;
    s.height = 1;
    s.bitCount = 16;
    s.compression = base::kBmpBitFields;
    s.masks = {0xF800, 0x07E0, 0x001F};
    s.pixels = {0x00, 0xF8, 0xE0, 0x07};
    return s;
}

std::vector<uint8_t> truncated(std::vector<uint8_t> bytes, size_t drop) {
    bytes.resize(bytes.size() - drop);
    return bytes;
}

struct LayoutCase {
    std::string name;
    std::vector<uint8_t> file;
    DibError error;
    size_t pixelOffset = 0;
    size_t pixelBytes = 0;
    uint16_t colourCount = 0;
};

std::vector<LayoutCase> layoutCases() {
    return {
        {"Good24Bit", buildBmp(rgb24(32, 32)), DibError::None, 54, 32 * 96, 0},
        {"ThreeWideRowsPadded", buildBmp(rgb24(3, 2)), DibError::None, 54, 2 * 12, 0},
        {"TopDownCountsRows", buildBmp(rgb24(3, -2)), DibError::None, 54, 2 * 12, 0},
        {"PackedDibPixelsAfterTable",
         buildBmp(with(paletted8(3, 3), [](BmpFields& s) { s.fileHeader = false; })),
         DibError::None, 40 + 12, 8, 3},
        {"ColoursUsedZeroMeans256", buildBmp(paletted8(0, 256)), DibError::None, 54 + 1024, 8, 256},
        {"CoreHeaderPackedThreeByteEntries",
         buildBmp(with(paletted8(0, 256),
                       [](BmpFields& s) {
                           s.fileHeader = false;
                           s.size = 12;
                       })),
         DibError::None, 12 + 768, 8, 256},
        {"BitFieldsMasksBeforePixels", buildBmp(bitFields565(false)), DibError::None, 52, 4, 0},
        {"PixelOffsetFromFileHeader",
         buildBmp(with(rgb24(1, 1), [](BmpFields& s) { s.offBitsAdjust = -2; })), DibError::None,
         52, 4, 0},
        {"RunLengthSizeCappedByFile", buildBmp(rle8(1000, 2)), DibError::None, 62, 8, 2},
        {"RunLengthSizeZeroTakesRest", buildBmp(rle8(0, 2)), DibError::None, 62, 8, 2},
        {"RunLengthSizeKeptWhenInside", buildBmp(rle8(6, 2)), DibError::None, 62, 6, 2},

        {"Empty", {}, DibError::ConversionError},
        {"OnlyMagic", {'B', 'M'}, DibError::ConversionError},
        {"FileHeaderOnly", truncated(buildBmp(rgb24(1, 1)), 44), DibError::ConversionError},
        {"HeaderCut", truncated(buildBmp(rgb24(1, 1)), 20), DibError::ConversionError},
        {"PixelsOneByteShort", truncated(buildBmp(rgb24(3, 2)), 1), DibError::ConversionError},
        {"PaletteCut", truncated(buildBmp(paletted8(0, 256)), 100), DibError::ConversionError},
        {"MasksCut", truncated(buildBmp(bitFields565(false)), 8), DibError::ConversionError},
        {"OffBitsPastEnd", buildBmp(with(rgb24(1, 1), [](BmpFields& s) { s.offBitsAdjust = 5; })),
         DibError::ConversionError},
        {"OffBitsLargest",
         buildBmp(with(rgb24(1, 1), [](BmpFields& s) { s.offBitsAdjust = 0xFFFFFFFFLL - 54; })),
         DibError::ConversionError},
        {"ColoursUsedBeyond16Bits", buildBmp(paletted8(0x12340003, 3)), DibError::ConversionError},
        {"NegativeWidth", claimedSize(-1, 1), DibError::ConversionError},
        {"ZeroHeight", claimedSize(1, 0), DibError::ConversionError},
        {"RunLengthTopDown", buildBmp(rle8(8, -2)), DibError::ConversionError},
        {"RunLengthWrongDepth",
         buildBmp(with(rle8(8, 2), [](BmpFields& s) { s.compression = base::kBmpRle4; })),
         DibError::ConversionError},
        {"SixtyFourBitPixels", buildBmp(with(rgb24(1, 1), [](BmpFields& s) { s.bitCount = 64; })),
         DibError::ConversionError},
        {"EmbeddedJpeg", buildBmp(with(rgb24(1, 1), [](BmpFields& s) { s.compression = 4; })),
         DibError::ConversionError},
        {"BitFieldsOn24Bit",
         buildBmp(with(rgb24(1, 1), [](BmpFields& s) { s.compression = base::kBmpBitFields; })),
         DibError::ConversionError},

        {"SizeOverflowsInt32", claimedSize(0x7FFFFFFF, -0x7FFFFFFF - 1), DibError::OutOfMemory},
        {"JustAboveThePixelCap", claimedSize(4097, 4096), DibError::OutOfMemory},
        {"AtThePixelCapButNoData", claimedSize(4096, 4096), DibError::ConversionError},

        {"Header108", buildBmp(with(rgb24(1, 1), [](BmpFields& s) { s.size = 108; })),
         DibError::UnknownFormat},
        {"Header124", buildBmp(with(rgb24(1, 1), [](BmpFields& s) { s.size = 124; })),
         DibError::UnknownFormat},
        {"HeaderSizeZero", buildBmp(with(rgb24(1, 1), [](BmpFields& s) { s.size = 0; })),
         DibError::UnknownFormat},
    };
}

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.name;
}

class DibLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(DibLayoutTest, ChecksHeadersAndBounds) {
    const LayoutCase& c = GetParam();
    DibLayout layout;
    ASSERT_EQ(readDibLayout(c.file, layout), c.error);
    if (c.error != DibError::None) {
        return;
    }
    EXPECT_EQ(layout.pixelOffset, c.pixelOffset);
    EXPECT_EQ(layout.pixelBytes, c.pixelBytes);
    EXPECT_EQ(layout.colourCount, c.colourCount);
    EXPECT_LE(layout.pixelOffset + layout.pixelBytes, c.file.size());
}

INSTANTIATE_TEST_SUITE_P(Files, DibLayoutTest, ::testing::ValuesIn(layoutCases()),
                         [](const auto& info) { return info.param.name; });

TEST(DibColourCountTest, FollowsHeaderKindColoursUsedAndDepth) {
    struct Case {
        uint32_t size;
        uint16_t bitCount;
        uint32_t coloursUsed;
        uint16_t expected;
    };
    const Case cases[] = {
        {40, 1, 0, 2},       {40, 4, 0, 16},  {40, 8, 0, 256}, {40, 16, 0, 0},
        {40, 24, 0, 0},      {40, 32, 0, 0},  {40, 8, 12, 12}, {40, 24, 300, 300},
        {40, 8, 0x10005, 5}, {12, 8, 5, 256}, {12, 24, 0, 0},
    };
    for (const Case& c : cases) {
        DibHeader header;
        header.size = c.size;
        header.bitCount = c.bitCount;
        header.coloursUsed = c.coloursUsed;
        EXPECT_EQ(dibColourCount(header), c.expected)
            << "size " << c.size << ", bits " << c.bitCount << ", used " << c.coloursUsed;
    }
}

std::vector<uint8_t> workingHeaderOf(const std::vector<uint8_t>& file) {
    DibLayout layout;
    EXPECT_EQ(readDibLayout(file, layout), DibError::None);
    return buildWorkingHeader(file, layout);
}

TEST(WorkingHeaderTest, WidensCoreHeaderAndItsColourTable) {
    BmpFields s = paletted8(0, 0);
    s.size = 12;
    s.width = 300;
    s.height = 2;
    s.palette = {0xAABBCC, 0x010203};
    s.bitCount = 1;
    s.pixels.assign(2 * 40, 0);
    const auto block = workingHeaderOf(buildBmp(s));

    ASSERT_EQ(block.size(), 40u + 2 * 4 + 4);
    EXPECT_EQ(base::readLe32(block, 0), 40u);
    EXPECT_EQ(base::readLe32(block, 4), 300u);
    EXPECT_EQ(base::readLe32(block, 8), 2u);
    EXPECT_EQ(base::readLe16(block, 12), 1);
    EXPECT_EQ(base::readLe16(block, 14), 1);
    EXPECT_EQ(base::readLe32(block, 16), 0u);
    EXPECT_EQ(base::readLe32(block, 20), 80u);
    EXPECT_EQ(base::readLe32(block, 32), 2u);
    EXPECT_EQ(base::readLe32(block, 36), 2u);
    const std::vector<uint8_t> table(block.begin() + 40, block.begin() + 48);
    EXPECT_EQ(table, (std::vector<uint8_t>{0xCC, 0xBB, 0xAA, 0, 0x03, 0x02, 0x01, 0}));
}

TEST(WorkingHeaderTest, CarriesBitFieldMasksWhereTheTableBegins) {
    BmpFields s = bitFields565(true);
    s.coloursUsed = 1;
    s.palette = {0x445566};
    const auto block = workingHeaderOf(buildBmp(s));

    ASSERT_EQ(block.size(), 40u + 12 + 4 + 4);
    EXPECT_EQ(base::readLe32(block, 16), base::kBmpBitFields);
    EXPECT_EQ(base::readLe32(block, 40), 0xF800u);
    EXPECT_EQ(base::readLe32(block, 44), 0x07E0u);
    EXPECT_EQ(base::readLe32(block, 48), 0x001Fu);
    EXPECT_EQ(base::readLe32(block, 52), 0x445566u);
}

TEST(WorkingHeaderTest, SizeFieldsDescribeOnlyCheckedData) {
    // The file claims far more run-length data and colours than it holds.
    const auto block = workingHeaderOf(buildBmp(rle8(0x7FFFFFFF, 2)));
    EXPECT_EQ(base::readLe32(block, 20), 8u);
    EXPECT_EQ(base::readLe32(block, 32), 2u);
}

} // namespace
} // namespace velmora::bitmap
