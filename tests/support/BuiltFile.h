// Where the Wine tests find the deliverables: the build folder named by VELMORA_BIN_DIR.
#pragma once

#include <string>

// The Windows path of a file in the build folder that holds Velmora.scr and Velmora.dll.
std::string builtFile(const char* name);
