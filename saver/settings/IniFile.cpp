// INI_Read and INI_Write over the wide private-profile functions. The file path goes to
// Windows as it is; section, keys and values are checked to have an exact form in the ANSI
// code page, which Windows keeps the file in, so the bytes on disk are those of an ANSI file.
#include "saver/settings/IniFile.h"

#include "saver/settings/core/SettingsRecord.h"
#include "saver/text/AnsiText.h"

#include <array>
#include <string_view>
#include <windows.h>

namespace velmora::settings {

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

constexpr size_t kNameBufferSize = 128;

} // namespace

std::string INI_Read(const std::string& section, const std::string& key, const std::string& path) {
    // 255 bytes are at most 255 characters, so this buffer holds every value that is kept.
    std::array<wchar_t, kSettingsValueBytes + 1> buffer{};
    GetPrivateProfileStringW(text::toWide(section).c_str(), text::toWide(key).c_str(), L"",
                             buffer.data(), static_cast<DWORD>(buffer.size()),
                             text::toWide(path).c_str());
    buffer.back() = L'\0';
    const std::string ansi = text::toAnsi(text::fromWide(buffer.data()));
    return text::fromAnsi(
        withoutSplitCharacter(std::string_view(ansi).substr(0, kSettingsValueBytes)));
}

bool INI_Write(const std::string& section, const std::string& key, const std::string& value,
               const std::string& path) {
    const std::string sectionName = firstCharacters(section, kNameBufferSize - 1);
    const std::string keyName = firstCharacters(key, kNameBufferSize - 1);
    for (const std::string* part : {&sectionName, &keyName, &value}) {
        if (!text::toAnsiExact(*part)) {
            return false;
        }
    }
    return WritePrivateProfileStringW(text::toWide(sectionName).c_str(),
                                      text::toWide(keyName).c_str(), text::toWide(value).c_str(),
                                      text::toWide(path).c_str()) != FALSE;
}

} // namespace velmora::settings
