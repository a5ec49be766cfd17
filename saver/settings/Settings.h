// The settings record of the saver program: the music choice loaded from and written to
// "Velmora.ini" beside the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Section and keys of the settings file; the key names are the file's established ones.
inline constexpr char kSettingsSection[] = "Section";
inline constexpr char kBgmKindKey[] = "BGM区分";
inline constexpr char kBgmRepeatKey[] = "BGMﾘﾋﾟｰﾄ";
inline constexpr char kBgmFileKey[] = "BGMﾌｧｲﾙ";
// A value is read back cut to this many bytes of the ANSI code page.
inline constexpr size_t kSettingsValueBytes = 255;

// BgmKind: 0 no music, 1 audio CD, 2 music file. BgmRepeat: CD track to loop, 0 none.
// BgmFolder is where the file chooser starts; it is not stored.
struct SettingsRecord {
    int16_t BgmKind = 0;
    int16_t BgmRepeat = 0;
    std::string BgmFile;
    std::string BgmFolder;
};

// The one record of the process.
SettingsRecord& settings();

// Fills settings() from the settings file (Windows only).
void LoadSettings();
