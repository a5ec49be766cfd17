// File helpers of the Wine tests: whole-file reads and writes, the shared test data and a
// scratch folder.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace velmora::bitmap {

inline std::vector<uint8_t> readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline std::string environmentOr(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value ? value : fallback;
}

inline std::string bmpSuiteFolder(const char* kind) {
    return environmentOr("VELMORA_TESTDATA_DIR", ".") + "\\bmpsuite\\" + kind + "\\";
}

} // namespace velmora::bitmap
