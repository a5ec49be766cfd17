// Reading and writing single keys of a private-profile (INI) file; texts are UTF-8 here and in
// the system's ANSI code page in the file.
#pragma once

#include <string>

namespace velmora::settings {

// The value, at most 255 bytes in the ANSI code page; empty when file, section or key is missing.
std::string INI_Read(const std::string& section, const std::string& key, const std::string& path);

// Creates the file and section as needed and replaces the key's value. Section and key are cut
// to 127 characters. False, with nothing written, when the file cannot be written or a text
// has no exact ANSI form.
bool INI_Write(const std::string& section, const std::string& key, const std::string& value,
               const std::string& path);

} // namespace velmora::settings
