// Whole-file reads and writes in binary mode (see Files.h).
#include "tests/support/Files.h"

#include <fstream>
#include <iterator>

namespace velmora::testing {

std::filesystem::path utf8Path(std::string_view path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string utf8String(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::string temporaryPath(const std::string& name) {
    return utf8String(std::filesystem::temp_directory_path() / utf8Path(name));
}

std::vector<uint8_t> readBytes(const std::string& path) {
    const std::string text = readText(path);
    return {text.begin(), text.end()};
}

std::string readText(const std::string& path) {
    std::ifstream file(utf8Path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

bool writeBytes(const std::string& path, std::span<const uint8_t> bytes) {
    return writeText(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

bool writeText(const std::string& path, std::string_view text) {
    std::ofstream file(utf8Path(path), std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    return file.good();
}

} // namespace velmora::testing
