// Reading and writing single keys of a private-profile (INI) file; texts are UTF-8 here and in
// the system's ANSI code page in the file.
#pragma once

#include <string>

#include "saver/settings/core/SettingsStore.h"

namespace velmora::settings {

// The value, at most 255 bytes in the ANSI code page; empty when file, section or key is missing.
// Section and key are looked for in the system's form, as INI_Write stores them.
std::string INI_Read(const std::string& section, const std::string& key, const std::string& path);

// Creates the file and section as needed and replaces the key's value. Section and key are cut
// to 127 characters and stored in the system's form (see AnsiRule). False, with nothing
// written, when the file cannot be written or the value has no exact ANSI form.
bool INI_Write(const std::string& section, const std::string& key, const std::string& value,
               const std::string& path);

// The same for texts already in the ANSI code page.
bool INI_WriteAnsi(const AnsiEntry& entry, const std::string& path);

// The code page of this system: names as its ANSI functions convert them, values exactly.
class SystemCodePage : public AnsiCodePage {
public:
    std::optional<std::string> form(const std::string& text, AnsiRule rule) const override;
};

} // namespace velmora::settings
