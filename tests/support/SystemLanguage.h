// Names in the language of the system the Wine tests run in, told by its ANSI code page.
#pragma once

#include <string>

namespace velmora::testing {

// A music folder named in this system's language ("Música" on code page 1252, "Музыка" on
// 1251, "音乐" on 936, "음악" on 949, "音楽" on 932; "Music" elsewhere): it has an exact form in
// the code page.
std::string musicFolderName();

// A name with no form in any of those code pages (Devanagari).
inline constexpr char kNameOutsideTheCodePages[] = "संगीत";

} // namespace velmora::testing
