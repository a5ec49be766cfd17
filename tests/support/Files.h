// Whole files read and written at UTF-8 paths, as bytes or as text, always unconverted.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::testing {

// A UTF-8 path in the form the file system calls take (UTF-16 on Windows).
std::filesystem::path utf8Path(std::string_view path);
std::string utf8String(const std::filesystem::path& path);

// The UTF-8 path of a name in the temporary folder (%TEMP% on Windows).
std::string temporaryPath(const std::string& name);

// The whole file; empty when it cannot be read.
std::vector<uint8_t> readBytes(const std::string& path);
std::string readText(const std::string& path);

// Replaces the file; false when it could not be written.
bool writeBytes(const std::string& path, std::span<const uint8_t> bytes);
bool writeText(const std::string& path, std::string_view text);

} // namespace velmora::testing
