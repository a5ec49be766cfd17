// The loading rules of the settings record, apart from the platform: the file, the existence
// test and the program folder come through SettingsSource so the rules can be tested anywhere.
#pragma once

#include "saver/settings/core/SettingsRecord.h"

#include <string>

namespace velmora::settings {

class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    // The value of a key of the settings section; empty when the file, section or key is missing.
    virtual std::string readKey(const std::string& key) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    virtual std::string programFolder() = 0;
};

// Replaces the record with what the source holds; a music file that cannot be opened is dropped
// and file music switched off with it.
void loadSettingsFrom(SettingsSource& source, SettingsRecord& record);

} // namespace velmora::settings
