// The name the screensaver host lists Velmora.scr under: string 1 of the program's resources,
// read as the host reads it, from the file loaded as data.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/BuiltFile.h"

namespace velmora::packaging {
namespace {

TEST(SaverName, StringOneOfTheSaverIsItsName) {
    const std::string path = testing::builtFile("Velmora.scr");
    HMODULE saver = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(saver) << path;
    wchar_t name[64] = {};
    const int length = LoadStringW(saver, 1, name, 64);
    FreeLibrary(saver);
    EXPECT_EQ(length, 7);
    EXPECT_STREQ(name, L"Velmora");
}

} // namespace
} // namespace velmora::packaging
