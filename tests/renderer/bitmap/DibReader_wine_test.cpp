// readDibFile with the platform's conversion: the good test images against independent
// references made by ImageMagick, the questionable and bad ones for clean refusal, and small
// files written here for the edge cases of the reader.
#include "renderer/bitmap/DibReader.h"
#include "tests/renderer/bitmap/BmpSuite.h"
#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

namespace velmora::bitmap {
namespace {

const std::string kUnknown = "Unknown DIB file format.";
const std::string kOutOfMemory = "Out of memory.";
const std::string kConversion = "Image file conversion error.";

// Largest difference of any byte, or 256 when the sizes differ.
int largestDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    if (a.size() != b.size()) {
        return 256;
    }
    int largest = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        largest = std::max(largest, std::abs(a[i] - b[i]));
    }
    return largest;
}

// kRejected: a header kind the reader refuses. Otherwise the largest allowed byte difference
// from the reference; only 16-bit pixels get one, since GDI and ImageMagick widen 5- and 6-bit
// channels to 8 bits by different roundings.
constexpr int kRejected = -1;

struct GoodImage {
    const char* name;
    int tolerance;
};

const GoodImage kGoodImages[] = {
    {"pal1", 0},        {"pal1bg", 0},         {"pal1wb", 0},         {"pal4", 0},
    {"pal4gs", 0},      {"pal4rle", 0},        {"pal8-0", 0},         {"pal8", 0},
    {"pal8gs", 0},      {"pal8nonsquare", 0},  {"pal8os2", 0},        {"pal8rle", 0},
    {"pal8topdown", 0}, {"pal8v4", kRejected}, {"pal8v5", kRejected}, {"pal8w124", 0},
    {"pal8w125", 0},    {"pal8w126", 0},       {"rgb16-565", 2},      {"rgb16-565pal", 2},
    {"rgb16", 2},       {"rgb16bfdef", 2},     {"rgb24", 0},          {"rgb24pal", 0},
    {"rgb32", 0},       {"rgb32bf", 0},        {"rgb32bfdef", 0},
};

void PrintTo(const GoodImage& image, std::ostream* out) {
    *out << image.name;
}

class GoodImageTest : public ::testing::TestWithParam<GoodImage> {};

TEST_P(GoodImageTest, GivesReferencePixelsOrRefusesHeaderKind) {
    const GoodImage& image = GetParam();
    const DibReading reading = readDibFile((bmpSuiteFolder("g") + image.name + ".bmp").c_str());
    const std::optional<RgbImage>& result = reading.image;
    if (image.tolerance == kRejected) {
        EXPECT_FALSE(result);
        EXPECT_EQ(reading.message, kUnknown);
        return;
    }
    ASSERT_TRUE(result);
    EXPECT_EQ(reading.message, "");
    const auto reference =
        testing::readBytes(std::string(BITMAP_REFERENCE_DIR "/") + image.name + ".rgb");
    ASSERT_FALSE(reference.empty()) << "reference missing";
    EXPECT_EQ(result->pixels.size(), size_t(result->width) * result->height * 3);
    EXPECT_LE(largestDifference(result->pixels, reference), image.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Suite, GoodImageTest, ::testing::ValuesIn(kGoodImages),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// Questionable and bad images: a picture without message, or exactly one of the reader's own
// messages; where the fault is plain, the fitting one.
void expectCleanOutcome(const char* kind, const std::map<std::string, std::string>& pinned) {
    const std::set<std::string> texts = {kUnknown, kOutOfMemory, kConversion};
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(bmpSuiteFolder(kind))) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const DibReading reading = readDibFile(entry.path().string().c_str());
        const std::optional<RgbImage>& result = reading.image;
        ++files;
        if (result) {
            EXPECT_EQ(reading.message, "");
            EXPECT_EQ(result->pixels.size(), size_t(result->width) * result->height * 3);
        } else {
            EXPECT_TRUE(texts.count(reading.message)) << reading.message;
        }
        if (const auto it = pinned.find(name); it != pinned.end()) {
            EXPECT_EQ(reading.message, it->second);
        }
    }
    EXPECT_GT(files, 10u);
}

TEST(SuiteImageTest, QuestionableImagesGivePictureOrOneMessage) {
    expectCleanOutcome("q", {{"pal8os2v2.bmp", kUnknown}, {"rgba64.bmp", kConversion}});
}

TEST(SuiteImageTest, BadImagesGivePictureOrOneMessage) {
    expectCleanOutcome("b", {{"badheadersize.bmp", kUnknown},
                             {"reallybig.bmp", kOutOfMemory},
                             {"shortfile.bmp", kConversion},
                             {"badpalettesize.bmp", kConversion},
                             {"badbitcount.bmp", kConversion},
                             {"badwidth.bmp", kConversion},
                             {"rletopdown.bmp", kConversion}});
}

} // namespace
} // namespace velmora::bitmap
