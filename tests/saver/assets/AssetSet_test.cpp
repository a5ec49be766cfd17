// The generator against the committed files: every file the resource script names is
// generated, and generating again gives the committed bytes exactly, in a new process or not.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "tests/saver/assets/AssetFileReader.h"
#include "tools/assetgen/AssetSet.h"
#include "tools/assetgen/PictureFiles.h"
#include "tools/assetgen/PreviewPicture.h"
#include "tools/assetgen/StarPicture.h"

namespace velmora::assetgen {
namespace {

std::set<std::string> filesNamedByResourceScript() {
    std::ifstream in(std::string(VELMORA_ASSET_DIR) + "/assets.rc");
    std::stringstream text;
    text << in.rdbuf();
    const std::string script = text.str();
    std::set<std::string> names;
    const std::regex quoted("\"([^\"]+)\"");
    for (auto it = std::sregex_iterator(script.begin(), script.end(), quoted);
         it != std::sregex_iterator(); ++it) {
        const std::string name = (*it)[1];
        if (name.find('.') != std::string::npos && name.find(".h") == std::string::npos) {
            names.insert(name);
        }
    }
    return names;
}

TEST(AssetSet, GeneratesExactlyTheFilesTheResourceScriptNames) {
    std::set<std::string> generated;
    for (const AssetFile& file : makeAssetFiles()) {
        EXPECT_TRUE(generated.insert(file.name).second) << "twice: " << file.name;
    }
    EXPECT_EQ(generated, filesNamedByResourceScript());
}

TEST(AssetSet, RegeneratesTheCommittedFilesByteForByte) {
    for (const AssetFile& file : makeAssetFiles()) {
        EXPECT_TRUE(file.content == readAssetFile(file.name)) << file.name << " differs";
    }
}

TEST(AssetSet, SceneFramesRepeatWithinOneProcess) {
    // The scene draws from the process's random sequence; a second picture must not continue
    // where the first left off.
    const Picture star = makeStarPicture();
    const Bytes first = encodeBitmapFile(renderSceneFrame(30, 64, 48, star));
    const Bytes second = encodeBitmapFile(renderSceneFrame(30, 64, 48, star));
    EXPECT_TRUE(first == second);
    EXPECT_NE(std::count(first.begin() + 54, first.end(), 0), first.end() - first.begin() - 54)
        << "nothing drawn";
}

} // namespace
} // namespace velmora::assetgen
