// The settings record of the saver program: the music choice loaded from and written to the
// settings file, and the file's section and key names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace velmora::settings {

// The music sources the BgmKind setting names. The setting itself stays a number: a file may
// hold any other value, which plays nothing and marks no source in the dialog.
enum BgmKind : int16_t { kNoMusic = 0, kAudioCd = 1, kMusicFile = 2 };

// Section and keys of the settings file; the key names are the file's established ones.
inline constexpr char kSettingsSection[] = "Section";
inline constexpr char kBgmKindKey[] = "BGM区分";
inline constexpr char kBgmRepeatKey[] = "BGMﾘﾋﾟｰﾄ";
inline constexpr char kBgmFileKey[] = "BGMﾌｧｲﾙ";
// A value is read back cut to this many bytes of the ANSI code page.
inline constexpr size_t kSettingsValueBytes = 255;

// BgmKind: the stored number of a BgmKind source. BgmRepeat: CD track to loop, 0 none.
// BgmFolder is where the file chooser starts; it is not stored.
struct SettingsRecord {
    int16_t BgmKind = kNoMusic;
    int16_t BgmRepeat = 0;
    std::string BgmFile;
    std::string BgmFolder;
};

} // namespace velmora::settings
