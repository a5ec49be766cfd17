// AssetSet: every file the generator writes into saver/assets, by file name.
#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/Bytes.h"

namespace velmora::assetgen {

struct AssetFile {
    std::string name;
    Bytes content;
};

std::vector<AssetFile> makeAssetFiles();

} // namespace velmora::assetgen
