// Where the settings files are, the folder of a path as a place, joins, and the names of the
// scratch copies a save leaves when it is stopped.
#include "saver/settings/core/SettingsPlace.h"

#include <gtest/gtest.h>

namespace velmora::settings {
namespace {

const SettingsFiles kFiles =
    settingsFilesFor("C:\\Windows\\System32", "C:\\Users\\u\\AppData\\Roaming");

TEST(SettingsFiles, BesideTheProgramsAndInTheUsersOwnFolder) {
    EXPECT_EQ(kFiles.besideProgram, "C:\\Windows\\System32\\Velmora.ini");
    EXPECT_EQ(kFiles.perUserFolder, "C:\\Users\\u\\AppData\\Roaming\\Velmora");
    EXPECT_EQ(kFiles.perUser, "C:\\Users\\u\\AppData\\Roaming\\Velmora\\Velmora.ini");
    EXPECT_EQ(settingsFilesFor("C:\\vel", "D:\\").perUser, "D:\\Velmora\\Velmora.ini");
    // Programs at a drive's root: the folder is the root, the file right in it.
    EXPECT_EQ(settingsFilesFor("C:\\", "").besideProgram, "C:\\Velmora.ini");
    const SettingsFiles noAppData = settingsFilesFor("C:\\vel", "");
    EXPECT_EQ(noAppData.perUser, "");
    EXPECT_EQ(settingsFileToRead(noAppData, true), "C:\\vel\\Velmora.ini");
    EXPECT_EQ(settingsFileToRead(kFiles, true), kFiles.perUser);
    EXPECT_EQ(settingsFileToRead(kFiles, false), kFiles.besideProgram);
}

// A folder is used as a place (the file chooser starts there, the renderer is beside it): a
// drive's root keeps its backslash, since C: alone is the current folder of drive C:.
TEST(FolderOf, CutsAtTheLastColonOrBackslashKeepingARootsOwn) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Music\\a.mp3", "C:\\Music"},
        {"C:\\a.mp3", "C:\\"},
        {"C:a.mp3", "C:"},
        {"a.mp3", ""},
        {"\\a.mp3", "\\"},
        {"C:\\", "C:\\"},
        {"", ""},
        {"C:\\Music\\", "C:\\Music"},
        {"C:\\Music\\\\a.mp3", "C:\\Music\\"},
        {"\\\\server\\share\\a.wav", "\\\\server\\share"},
        {"C:\\表\\ソ.mp3", "C:\\表"},
        {"C:\\x:y\\a.mp3", "C:\\x:y"},
    };
    for (const auto& [path, folder] : cases) {
        EXPECT_EQ(FolderOf(path), folder) << path;
    }
}

TEST(JoinPath, OneBackslashBetweenFolderAndName) {
    const struct {
        const char* folder;
        const char* joined;
    } cases[] = {
        {"C:\\vel", "C:\\vel\\Velmora.dll"},
        {"C:\\", "C:\\Velmora.dll"},
        {"\\\\server\\share", "\\\\server\\share\\Velmora.dll"},
        {"", "Velmora.dll"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(joinPath(c.folder, "Velmora.dll"), c.joined) << c.folder;
    }
    // The program folder of a program at the root, joined: never a doubled backslash.
    EXPECT_EQ(joinPath(FolderOf("C:\\Velmora.scr"), "Velmora.dll"), "C:\\Velmora.dll");
}

TEST(ScratchFiles, OnlyTheCopiesOfTheSettingsFileAreItsScratch) {
    EXPECT_EQ(scratchFileFor("C:\\vel\\Velmora.ini", 0x1A2B), "C:\\vel\\Velmora.ini.00001A2B.tmp");
    const std::pair<const char*, bool> names[] = {
        {"Velmora.ini.FFFFFFFF.tmp", true},
        {"Velmora.ini.00000000.tmp", true},
        {"vel1A2B.tmp", false},              // another program's temporary file
        {"Velmora.ini", false},              // the settings themselves
        {"Velmora.ini.1A2B.tmp", false},     // too few digits
        {"Velmora.ini.0000001G.tmp", false}, // not a number
        {"Velmora.ini.0000001a.tmp", false}, // not as a save writes it
        {"Velmora.ini.00001A2B.bak", false},
        {"Velmora.ini.00001A2B.tmp.txt", false},
        {"Other.ini.00001A2B.tmp", false},
        {"xVelmora.ini.00001A2B.tmp", false},
    };
    for (const auto& [name, scratch] : names) {
        EXPECT_EQ(isScratchFileOf(name, "Velmora.ini"), scratch) << name;
    }
}

} // namespace
} // namespace velmora::settings
