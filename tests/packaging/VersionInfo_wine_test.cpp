// Both programs' version information as Windows reads it: the numbers and texts carry the
// project's one version, under the product name, in the language block the file announces.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/BuiltFile.h"

namespace velmora::packaging {
namespace {

struct VersionInfo {
    VS_FIXEDFILEINFO fixed{};
    std::string fileVersion;
    std::string productVersion;
    std::string productName;
};

// A text of the first language block listed under Translation; empty when missing.
std::string queryText(const std::vector<char>& data, const char* key) {
    struct Translation {
        WORD language;
        WORD codePage;
    };
    void* value = nullptr;
    UINT size = 0;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &value, &size) ||
        size < sizeof(Translation)) {
        return {};
    }
    const Translation* first = static_cast<const Translation*>(value);
    char path[64];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", first->language,
                  first->codePage, key);
    if (!VerQueryValueA(data.data(), path, &value, &size) || size == 0) {
        return {};
    }
    return static_cast<const char*>(value);
}

// The version information of a built program; false when it has none.
bool readVersionInfo(const char* name, VersionInfo& info) {
    const std::string path = testing::builtFile(name);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) {
        return false;
    }
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) {
        return false;
    }
    void* fixed = nullptr;
    UINT fixedSize = 0;
    if (!VerQueryValueA(data.data(), "\\", &fixed, &fixedSize) || fixedSize < sizeof info.fixed) {
        return false;
    }
    info.fixed = *static_cast<const VS_FIXEDFILEINFO*>(fixed);
    info.fileVersion = queryText(data, "FileVersion");
    info.productVersion = queryText(data, "ProductVersion");
    info.productName = queryText(data, "ProductName");
    return true;
}

TEST(VersionInfo, BothProgramsCarryTheProjectVersionAndProductName) {
    const DWORD high = MAKELONG(VELMORA_VERSION_MINOR, VELMORA_VERSION_MAJOR);
    const DWORD low = MAKELONG(0, VELMORA_VERSION_PATCH);
    for (const char* name : {"Velmora.scr", "Velmora.dll"}) {
        SCOPED_TRACE(name);
        VersionInfo info;
        ASSERT_TRUE(readVersionInfo(name, info));
        EXPECT_EQ(info.fixed.dwSignature, VS_FFI_SIGNATURE);
        EXPECT_EQ(info.fixed.dwFileVersionMS, high);
        EXPECT_EQ(info.fixed.dwFileVersionLS, low);
        EXPECT_EQ(info.fixed.dwProductVersionMS, high);
        EXPECT_EQ(info.fixed.dwProductVersionLS, low);
        EXPECT_EQ(info.fileVersion, VELMORA_VERSION);
        EXPECT_EQ(info.productVersion, VELMORA_VERSION);
        EXPECT_EQ(info.productName, "Velmora (ScreenSaver)");
    }
}

} // namespace
} // namespace velmora::packaging
