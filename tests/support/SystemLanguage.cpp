// Names in the system's language (see SystemLanguage.h).
#include "tests/support/SystemLanguage.h"

#include <windows.h>

namespace velmora::testing {

std::string musicFolderName() {
    switch (GetACP()) {
    case 932:
        return "音楽";
    case 936:
        return "音乐";
    case 949:
        return "음악";
    case 1251:
        return "Музыка";
    case 1252:
        return "Música";
    default:
        return "Music";
    }
}

} // namespace velmora::testing
