// The rules that fill a settings record from the settings file.
#include "saver/settings/core/SettingsLoader.h"

#include "saver/settings/core/FolderOf.h"
#include "saver/text/core/VbNumber.h"

namespace velmora::settings {

void loadSettingsFrom(SettingsSource& source, SettingsRecord& record) {
    // Unusable numbers leave the 0 of a fresh record rather than a value from an earlier load.
    record = SettingsRecord{};
    record.BgmKind = text::floorToInt16(source.readKey(kBgmKindKey));
    record.BgmRepeat = text::floorToInt16(source.readKey(kBgmRepeatKey));

    record.BgmFile = source.readKey(kBgmFileKey);
    if (!record.BgmFile.empty() && !source.fileExists(record.BgmFile)) {
        record.BgmFile.clear();
    }
    if (record.BgmFile.empty() && record.BgmKind == kMusicFile) {
        record.BgmKind = kNoMusic;
    }
    record.BgmFolder = record.BgmFile.empty() ? source.programFolder() : FolderOf(record.BgmFile);
}

} // namespace velmora::settings
