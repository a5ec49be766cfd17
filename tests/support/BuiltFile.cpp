// The build folder from the environment (see BuiltFile.h).
#include "tests/support/BuiltFile.h"

#include <cstdlib>

std::string builtFile(const char* name) {
    const char* folder = std::getenv("VELMORA_BIN_DIR");
    return std::string(folder ? folder : ".") + "\\" + name;
}
