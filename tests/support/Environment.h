// Values the test runner hands the tests through the environment (build and data folders).
#pragma once

#include <cstdlib>
#include <string>

namespace velmora::testing {

inline std::string environmentOr(const char* name, const char* fallback = "") {
    const char* value = std::getenv(name);
    return value ? value : fallback;
}

} // namespace velmora::testing
