// The file encoders on pictures whose rows need padding, which none of the committed pictures
// do: row order, byte order of the channels, padding and the header sizes that follow from it.
#include <gtest/gtest.h>

#include "base/LittleEndian.h"
#include "tests/saver/assets/AssetFileReader.h"
#include "tools/assetgen/PictureFiles.h"

namespace velmora::assetgen {
namespace {

Picture threeByTwo() {
    Picture p(3, 2);
    p.at(0, 0) = rgb(0x102030);
    p.at(2, 0) = rgb(0x405060);
    p.at(1, 1) = {0x70, 0x80, 0x90, 0};
    return p;
}

TEST(BitmapFileEncoder, PadsRowsToFourBytesAndStoresThemBottomUp) {
    const Bytes bytes = encodeBitmapFile(threeByTwo());
    ASSERT_EQ(bytes.size(), 54u + 2 * 12);
    EXPECT_EQ(base::readLe32(bytes, 2), bytes.size());
    EXPECT_EQ(base::readLe32(bytes, 34), 24u); // image bytes
    // The bottom row comes first: its middle pixel, blue first, then three padding zeros.
    EXPECT_EQ(bytes[54 + 3], 0x90);
    EXPECT_EQ(bytes[54 + 4], 0x80);
    EXPECT_EQ(bytes[54 + 5], 0x70);
    EXPECT_EQ(bytes[54 + 9], 0);
    EXPECT_EQ(bytes[54 + 11], 0);
    const BitmapFile decoded = decodeBitmap(bytes);
    EXPECT_EQ(decoded.pixels.at(0, 0), rgb(0x102030));
    EXPECT_EQ(decoded.pixels.at(2, 0), rgb(0x405060));
    EXPECT_EQ(decoded.pixels.at(1, 1), rgb(0x708090)); // alpha is not stored
}

TEST(IconFileEncoders, MaskMarksTheSeeThroughPixelsInPaddedRows) {
    for (const Bytes& bytes :
         {encodeIconFile(threeByTwo()), encodeCursorFile(threeByTwo(), 2, 1)}) {
        const IconEntry entry = decodeIcon(bytes);
        EXPECT_EQ(entry.imageWidth, 3);
        EXPECT_EQ(entry.imageHeight, 2);
        // 40 + 3 * 2 * 4 colour bytes + 2 mask rows of 4 bytes.
        EXPECT_EQ(base::readLe32(bytes, 14), 40u + 24 + 8);
        EXPECT_EQ(bytes.size(), 22u + 40 + 24 + 8);
        EXPECT_EQ(entry.seeThrough, (std::vector<bool>{false, false, false, false, true, false}));
        EXPECT_EQ(entry.colours.at(2, 0), rgb(0x405060));
    }
}

TEST(IconFileEncoders, IconCarriesPlanesAndDepthWhereTheCursorCarriesItsHotSpot) {
    const IconEntry icon = decodeIcon(encodeIconFile(threeByTwo()));
    EXPECT_EQ(icon.type, 1u);
    EXPECT_EQ(icon.hotX, 1u);  // planes
    EXPECT_EQ(icon.hotY, 32u); // bits per pixel
    const IconEntry cursor = decodeIcon(encodeCursorFile(threeByTwo(), 2, 1));
    EXPECT_EQ(cursor.type, 2u);
    EXPECT_EQ(cursor.hotX, 2u);
    EXPECT_EQ(cursor.hotY, 1u);
}

} // namespace
} // namespace velmora::assetgen
