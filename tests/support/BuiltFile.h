// Where the Wine tests find the deliverables and the source tree: the folders named by
// VELMORA_BIN_DIR and VELMORA_SOURCE_DIR.
#pragma once

#include <string>

namespace velmora::testing {

// The Windows path of a file in the build folder that holds Velmora.scr and Velmora.dll.
std::string builtFile(const char* name);

// Copies that file into a folder (UTF-8) under the same name; false when it could not.
bool copyBuiltFile(const char* name, const std::string& folder);

// The Windows path of a file of the source tree, relative with backslashes
// ("saver\\assets\\star.bmp").
std::string sourceFile(const char* relative);

} // namespace velmora::testing
