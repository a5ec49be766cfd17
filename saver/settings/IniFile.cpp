// INI_Read and INI_Write over the ANSI private-profile functions.
#include "saver/settings/IniFile.h"

#include "saver/text/AnsiText.h"

#include <array>
#include <string_view>
#include <windows.h>

namespace {

// A value cut at 255 bytes may end in the first byte of a double-byte character; that byte
// alone would turn into a stray replacement character, so it is left out.
std::string_view withoutSplitCharacter(std::string_view ansi) {
    size_t pos = 0;
    while (pos < ansi.size()) {
        pos += IsDBCSLeadByte(static_cast<BYTE>(ansi[pos])) ? 2 : 1;
    }
    return pos > ansi.size() ? ansi.substr(0, ansi.size() - 1) : ansi;
}

// The first `count` characters of a UTF-8 text.
std::string firstCharacters(const std::string& utf8, size_t count) {
    size_t characters = 0;
    for (size_t pos = 0; pos < utf8.size(); ++pos) {
        const bool startsCharacter = (static_cast<unsigned char>(utf8[pos]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count) {
            return utf8.substr(0, pos);
        }
    }
    return utf8;
}

constexpr size_t kReadBufferSize = 256;
constexpr size_t kNameBufferSize = 128;

} // namespace

std::string INI_Read(const std::string& section, const std::string& key, const std::string& path) {
    std::array<char, kReadBufferSize> buffer{};
    GetPrivateProfileStringA(toAnsi(section).c_str(), toAnsi(key).c_str(), "", buffer.data(),
                             static_cast<DWORD>(buffer.size()), toAnsi(path).c_str());
    buffer.back() = '\0';
    return fromAnsi(withoutSplitCharacter(buffer.data()));
}

void INI_Write(const std::string& section, const std::string& key, const std::string& value,
               const std::string& path) {
    const std::string sectionName = toAnsi(firstCharacters(section, kNameBufferSize - 1));
    const std::string keyName = toAnsi(firstCharacters(key, kNameBufferSize - 1));
    WritePrivateProfileStringA(sectionName.c_str(), keyName.c_str(), toAnsi(value).c_str(),
                               toAnsi(path).c_str());
}
