// assetgen: writes the pictures of the saver into the folder given on the command line
// (saver/assets), the same bytes on every run.
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/assetgen/AssetSet.h"

int main(int argc, char** argv) {
    using namespace velmora::assetgen;
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    for (const AssetFile& file : makeAssetFiles()) {
        const std::string path = folder + "/" + file.name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.content.data()),
                  static_cast<std::streamsize>(file.content.size()));
        if (!out) {
            std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
