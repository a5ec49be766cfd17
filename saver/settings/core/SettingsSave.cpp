// The order in which the settings files are tried (see SettingsSave.h).
#include "saver/settings/core/SettingsSave.h"

#include <vector>

namespace velmora::settings {

namespace {

bool writeAll(SettingsStore& store, const std::string& path, std::span<const IniEntry> entries) {
    for (const IniEntry& entry : entries) {
        if (!store.write(entry.key, entry.value, path)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool saveSettingsTo(SettingsStore& store, const SettingsFiles& files,
                    std::span<const IniEntry> entries) {
    const bool hasPerUser = !files.perUser.empty();
    std::vector<std::string> order;
    // A value stored beside the programs would stay hidden behind an existing per-user file.
    if (hasPerUser && store.fileExists(files.perUser)) {
        order = {files.perUser};
    } else {
        order = {files.besideProgram};
        if (hasPerUser) {
            order.push_back(files.perUser);
        }
    }
    for (const std::string& path : order) {
        const bool ready = path != files.perUser || store.makeFolder(files.perUserFolder);
        if (ready && writeAll(store, path, entries)) {
            return true;
        }
    }
    return false;
}

} // namespace velmora::settings
