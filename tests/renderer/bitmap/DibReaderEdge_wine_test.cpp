// readDibFile and loadTextureBitmap on small files written here: the layouts the reader must
// convert exactly, the damaged files it must refuse with one fitting message, and missing files.
#include "renderer/bitmap/DibReader.h"
#include "tests/renderer/bitmap/BmpBuilder.h"
#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>

namespace velmora::bitmap {
namespace {

std::string scratchPath(const std::string& name) {
    return testing::temporaryPath("velmora-bitmap-" + name + ".bmp");
}

struct EdgeCase {
    std::string name;
    BmpFields fields;
    std::string message; // empty: a picture
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels = {};
};

std::vector<EdgeCase> edgeCases() {
    BmpFields topDown = rgb24(2, -3);
    // Stored top row first: stored row i is bottom-up row 2 - i.
    topDown.pixels = bgrRows(2, 3, [](int row, int x) { return gradient(2 - row, x); });

    BmpFields bitFields;
    bitFields.width = 3;
    bitFields.height = 1;
    bitFields.bitCount = 16;
    bitFields.compression = 3;
    bitFields.masks = {0xF800, 0x07E0, 0x001F};
    bitFields.pixels = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0};

    BmpFields packed;
    packed.fileHeader = false;
    packed.width = 2;
    packed.height = 1;
    packed.bitCount = 8;
    packed.coloursUsed = 2;
    packed.palette = {0x112233, 0x445566};
    packed.pixels = {1, 0, 0, 0};

    BmpFields full8 = packed;
    full8.fileHeader = true;
    full8.coloursUsed = 0;
    full8.palette.assign(256, 0);
    full8.palette[255] = 0xA0B0C0;
    full8.pixels = {255, 0, 0, 0};

    BmpFields core = rgb24(2, 2);
    core.size = 12;

    BmpFields rle;
    rle.width = 4;
    rle.height = 2;
    rle.bitCount = 8;
    rle.compression = 1;
    rle.imageSize = 0x7FFFFFFF;
    rle.coloursUsed = 2;
    rle.palette = {0x000000, 0xFF8000};
    rle.pixels = {4, 1, 0, 0, 4, 0, 0, 1};

    const std::vector<uint8_t> orange = {0xFF, 0x80, 0};
    std::vector<uint8_t> rlePixels;
    for (int i = 0; i < 4; ++i) {
        rlePixels.insert(rlePixels.end(), orange.begin(), orange.end());
    }
    rlePixels.resize(24, 0);

    return {
        {"Square32", rgb24(32, 32), "", 32, 32, rgbRows(32, 32, gradient)},
        {"ThreeWide", rgb24(3, 2), "", 3, 2, rgbRows(3, 2, gradient)},
        {"TopDown", topDown, "", 2, 3, rgbRows(2, 3, gradient)},
        {"BitFields565", bitFields, "", 3, 1, {255, 0, 0, 0, 255, 0, 0, 0, 255}},
        {"PackedDib", packed, "", 2, 1, {0x44, 0x55, 0x66, 0x11, 0x22, 0x33}},
        {"ColoursUsedZeroTakes256", full8, "", 2, 1, {0xA0, 0xB0, 0xC0, 0, 0, 0}},
        {"CoreHeader", core, "", 2, 2, rgbRows(2, 2, gradient)},
        {"RunLengthSizeBeyondFile", rle, "", 4, 2, rlePixels},

        {"Header108", with(rgb24(1, 1), [](BmpFields& s) { s.size = 108; }),
         "Unknown DIB file format."},
        {"Header124", with(rgb24(1, 1), [](BmpFields& s) { s.size = 124; }),
         "Unknown DIB file format."},
        {"PixelsCut", with(rgb24(3, 2), [](BmpFields& s) { s.pixels.pop_back(); }),
         "Image file conversion error."},
        {"OffBitsPastEnd", with(rgb24(1, 1), [](BmpFields& s) { s.offBitsAdjust = 100; }),
         "Image file conversion error."},
        {"AbsurdSize",
         with(rgb24(1, 1),
              [](BmpFields& s) {
                  s.width = 100000;
                  s.height = 100000;
              }),
         "Out of memory."},
    };
}

void PrintTo(const EdgeCase& c, std::ostream* out) {
    *out << c.name;
}

class EdgeCaseTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(EdgeCaseTest, ConvertsOrRefusesWithOneMessage) {
    const EdgeCase& c = GetParam();
    const std::string path = scratchPath(c.name);
    testing::writeBytes(path, buildBmp(c.fields));
    const DibReading reading = readDibFile(path.c_str());
    const std::optional<RgbImage>& image = reading.image;
    EXPECT_TRUE(DeleteFileA(path.c_str())) << "file still held open";

    EXPECT_EQ(reading.message, c.message);
    if (!c.message.empty()) {
        EXPECT_FALSE(image);
        return;
    }
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, c.width);
    EXPECT_EQ(image->height, c.height);
    EXPECT_EQ(image->pixels, c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Files, EdgeCaseTest, ::testing::ValuesIn(edgeCases()),
                         [](const auto& info) { return info.param.name; });

TEST(OpenFailureTest, EmptyOrMissingFileReportsPathOnce) {
    const std::string empty = scratchPath("empty");
    testing::writeBytes(empty, {});
    const std::string missing = scratchPath("missing");
    for (const std::string& path : {empty, missing}) {
        const DibReading reading = readDibFile(path.c_str());
        EXPECT_FALSE(reading.image);
        EXPECT_EQ(reading.message, "Failed to open DIB file " + path + ".\n");
    }
    DeleteFileA(empty.c_str());
    EXPECT_EQ(readDibFile(nullptr).message, "Failed to open DIB file .\n");
}

TEST(OpenFailureTest, LoadTextureBitmapIsSilentWithoutFile) {
    for (const std::string& path : {std::string(), scratchPath("missing")}) {
        const DibReading reading = loadTextureBitmap(path.empty() ? nullptr : path.c_str());
        EXPECT_FALSE(reading.image);
        EXPECT_EQ(reading.message, "");
    }
}

} // namespace
} // namespace velmora::bitmap
