// LoadSettings: the loading rules fed by the real settings file and file system.
#include "saver/settings/IniFile.h"
#include "saver/settings/Paths.h"
#include "saver/settings/core/SettingsLoader.h"

namespace velmora::settings {

namespace {

class ProfileSettingsSource : public SettingsSource {
public:
    std::string readKey(const std::string& key) override {
        return INI_Read(kSettingsSection, key, path_);
    }
    bool fileExists(const std::string& path) override { return FileExists(path); }
    std::string programFolder() override { return settings::programFolder(); }

private:
    static std::string fileToRead() {
        const SettingsFiles files = settingsFiles();
        return settingsFileToRead(files, FileExists(files.perUser));
    }

    std::string path_ = fileToRead();
};

} // namespace

SettingsRecord LoadSettings() {
    ProfileSettingsSource source;
    SettingsRecord record;
    loadSettingsFrom(source, record);
    return record;
}

} // namespace velmora::settings
