// INI_Read and INI_Write over the wide private-profile functions. The file path goes to
// Windows as it is; section, keys and values go as their ANSI forms widened again, so Windows,
// which keeps the file in the ANSI code page, stores exactly the bytes its ANSI functions would.
#include "saver/settings/IniFile.h"

#include "base/win32/PlatformText.h"
#include "saver/settings/core/SettingsRecord.h"

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

// The name as the ANSI profile functions find it: its system form, widened for the wide ones.
std::wstring profileNameOf(const std::string& utf8) {
    return win32::wideFromAnsi(win32::toAnsi(profileName(utf8)));
}

} // namespace

std::string INI_Read(const std::string& section, const std::string& key, const std::string& path) {
    // 255 bytes are at most 255 characters, so this buffer holds every value that is kept.
    std::array<wchar_t, kSettingsValueBytes + 1> buffer{};
    GetPrivateProfileStringW(profileNameOf(section).c_str(), profileNameOf(key).c_str(), L"",
                             buffer.data(), static_cast<DWORD>(buffer.size()),
                             win32::toWide(path).c_str());
    buffer.back() = L'\0';
    const std::string ansi = win32::toAnsi(win32::fromWide(buffer.data()));
    return win32::fromAnsi(
        withoutSplitCharacter(std::string_view(ansi).substr(0, kSettingsValueBytes)));
}

std::optional<std::string> SystemCodePage::form(const std::string& text, AnsiRule rule) const {
    return rule == AnsiRule::Replaced ? win32::toAnsi(text) : win32::toAnsiExact(text);
}

bool INI_WriteAnsi(const AnsiEntry& entry, const std::string& path) {
    return WritePrivateProfileStringW(
               win32::wideFromAnsi(entry.section).c_str(), win32::wideFromAnsi(entry.key).c_str(),
               win32::wideFromAnsi(entry.value).c_str(), win32::toWide(path).c_str()) != FALSE;
}

bool INI_Write(const std::string& section, const std::string& key, const std::string& value,
               const std::string& path) {
    const IniEntry entry{key, value};
    const std::optional<std::vector<AnsiEntry>> record =
        ansiRecord(SystemCodePage(), section, std::span(&entry, 1));
    return record && INI_WriteAnsi(record->front(), path);
}

} // namespace velmora::settings
