// Where the Wine tests of the reader find the shared bitmap test suite.
#pragma once

#include <string>

#include "tests/support/Environment.h"

namespace velmora::bitmap {

// The folder of one kind of the suite's images ("g" good, "q" questionable, "b" bad), with a
// trailing backslash.
inline std::string bmpSuiteFolder(const char* kind) {
    return testing::environmentOr("VELMORA_TESTDATA_DIR", ".") + "\\bmpsuite\\" + kind + "\\";
}

} // namespace velmora::bitmap
