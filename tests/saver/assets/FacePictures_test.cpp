// The committed button faces: exact file format, frame and ring colours in the border band,
// rounded corners, and HighLightSelect drawn with the HighLight pixels.
#include <gtest/gtest.h>

#include <string>

#include "tests/saver/assets/AssetFileReader.h"
#include "tools/assetgen/Picture.h"

namespace velmora::assetgen {
namespace {

struct FaceCase {
    const char* file;
    int frameInset; // pixels from the outside to the frame
    Rgba frame;
    Rgba topRing;    // just inside the frame at the top
    Rgba bottomRing; // just inside the frame at the bottom
};

const FaceCase kFaces[] = {
    {"face_normal.bmp", 1, rgb(0x003C74), rgb(0xF3F3EE), rgb(0xD6D0C5)},
    {"face_highlight.bmp", 1, rgb(0x003C74), rgb(0xFFF0CF), rgb(0xE59700)},
    {"face_highlightselect.bmp", 1, rgb(0x003C74), rgb(0xFFF0CF), rgb(0xE59700)},
    {"face_selected.bmp", 1, rgb(0x003C74), rgb(0xCEE7FF), rgb(0x6982EE)},
    {"face_pressed.bmp", 2, rgb(0x003C74), rgb(0xD1CCC1), rgb(0xE2E1D9)},
    {"face_disable.bmp", 1, rgb(0xC9C7BA), rgb(0xF5F4EA), rgb(0xF5F4EA)},
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const FaceCase& c, std::ostream* os) {
    *os << c.file;
}

class FacePictureTest : public ::testing::TestWithParam<FaceCase> {
protected:
    std::vector<std::uint8_t> bytes = readAssetFile(GetParam().file);
    BitmapFile face = decodeBitmap(bytes);
};

TEST_P(FacePictureTest, IsA4854ByteUncompressed24BitBitmapOf64By25) {
    EXPECT_EQ(bytes.size(), 4854u);
    EXPECT_EQ(face.declaredSize, 4854u);
    EXPECT_EQ(face.pixelOffset, 54u);
    EXPECT_EQ(face.size, 40u);
    EXPECT_EQ(face.width, 64);
    EXPECT_EQ(face.height, 25);
    EXPECT_EQ(face.bitCount, 24u);
    EXPECT_EQ(face.compression, 0u);
}

TEST_P(FacePictureTest, FrameRunsRoundAllFourEdges) {
    const int in = GetParam().frameInset;
    const Rgba frame = GetParam().frame;
    for (int x = 6; x < 58; ++x) {
        EXPECT_EQ(face.pixels.at(x, in), frame) << "top, x " << x;
        EXPECT_EQ(face.pixels.at(x, 24 - in), frame) << "bottom, x " << x;
    }
    for (int y = 6; y < 19; ++y) {
        EXPECT_EQ(face.pixels.at(in, y), frame) << "left, y " << y;
        EXPECT_EQ(face.pixels.at(63 - in, y), frame) << "right, y " << y;
    }
}

TEST_P(FacePictureTest, RingInsideTheFrameHasTheFaceColours) {
    const int in = GetParam().frameInset + 1;
    EXPECT_EQ(face.pixels.at(32, in), GetParam().topRing);
    EXPECT_EQ(face.pixels.at(32, 24 - in), GetParam().bottomRing);
}

TEST_P(FacePictureTest, OutermostRingIsLightAndCornersAreRounded) {
    for (int x = 0; x < 64; ++x) {
        for (int y : {0, 24}) {
            const Rgba& p = face.pixels.at(x, y);
            EXPECT_GE(std::min({p.red, p.green, p.blue}), 0xC2) << x << "," << y;
        }
    }
    // The frame does not reach the corner pixel of its own ring.
    const int in = GetParam().frameInset;
    EXPECT_NE(face.pixels.at(in, in), GetParam().frame);
    EXPECT_NE(face.pixels.at(63 - in, 24 - in), GetParam().frame);
}

INSTANTIATE_TEST_SUITE_P(AllFaces, FacePictureTest, ::testing::ValuesIn(kFaces),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST(FacePictures, HighLightSelectHasTheSameBytesAsHighLight) {
    EXPECT_EQ(readAssetFile("face_highlightselect.bmp"), readAssetFile("face_highlight.bmp"));
}

TEST(FacePictures, InteriorShowsTheFaceColour) {
    EXPECT_EQ(decodeBitmap(readAssetFile("face_normal.bmp")).pixels.at(32, 12), rgb(0xF3F3EE));
    EXPECT_EQ(decodeBitmap(readAssetFile("face_pressed.bmp")).pixels.at(32, 12), rgb(0xE2E1D9));
    EXPECT_EQ(decodeBitmap(readAssetFile("face_disable.bmp")).pixels.at(32, 12), rgb(0xF5F4EA));
}

} // namespace
} // namespace velmora::assetgen
