// The generator against the committed files: every file the resource script names is
// generated, and generating again gives the committed bytes exactly.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "tests/saver/assets/AssetFileReader.h"
#include "tools/assetgen/AssetSet.h"

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

TEST(AssetSet, TwoRunsInOneProcessAgree) {
    const auto first = makeAssetFiles();
    const auto second = makeAssetFiles();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_TRUE(first[i].content == second[i].content) << first[i].name;
    }
}

} // namespace
