// The build folder and the source tree from the environment (see BuiltFile.h).
#include "tests/support/BuiltFile.h"

#include "tests/support/Environment.h"
#include "tests/support/Files.h"

#include <filesystem>

namespace velmora::testing {

std::string builtFile(const char* name) {
    return environmentOr("VELMORA_BIN_DIR", ".") + "\\" + name;
}

std::string sourceFile(const char* relative) {
    return environmentOr("VELMORA_SOURCE_DIR", ".") + "\\" + relative;
}

bool copyBuiltFile(const char* name, const std::string& folder) {
    std::error_code error;
    return std::filesystem::copy_file(utf8Path(builtFile(name)), utf8Path(folder + "\\" + name),
                                      std::filesystem::copy_options::overwrite_existing, error);
}

} // namespace velmora::testing
