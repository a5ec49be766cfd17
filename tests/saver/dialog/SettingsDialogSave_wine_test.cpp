// What the settings dialog saves: the chosen music file, where the settings file goes when the
// program's folder cannot take it or has an unusual name, a save that cannot be written, and in
// every system language the choice saved, shown again and the music file's name stored.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "DialogDriver.h"
#include "base/win32/PlatformText.h"
#include "saver/dialog/core/DialogLayout.h"
#include "tests/support/Files.h"
#include "tests/support/KeyTap.h"
#include "tests/support/ScreenCapture.h"
#include "tests/support/SystemLanguage.h"

namespace velmora::dialog {

namespace {

using testing::captureClient;
using testing::Millis;
using testing::readText;
using testing::tapKey;
using testing::writeText;

// Every name below a folder.
std::set<std::string> contentsOf(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(testing::utf8Path(folder))) {
        names.insert(testing::utf8String(entry.path()));
    }
    return names;
}

// The language of the system the test runs in, for the names of its pictures.
std::string languageName() {
    const char* language = std::getenv("VELMORA_WINE_LANG");
    return language ? language : "ja_JP";
}

} // namespace

TEST_F(SettingsDialog, FileChooserStartsInTheMusicFolderAndSavingStoresTheChosenFile) {
    const std::string music = installation.path("music");
    std::filesystem::create_directories(testing::utf8Path(music));
    writeText(music + "\\a.mp3", "ID3");
    writeText(music + "\\曲b.mp3", "ID3");
    const HWND dialog = open(settingsText(" 2", " 0", music + "\\a.mp3"));
    ASSERT_NE(dialog, nullptr);
    expectSourceLook(dialog, {2, false, true}, "dialog-music-file-loaded");

    // Cancelling the chooser leaves the shown file as it was.
    const forms::PixelImage loaded = captureClient(dialog);
    click(dialog, pointIn(layout::kFileButton));
    const HWND cancelled = waitForShown("ﾌｧｲﾙを開く");
    ASSERT_NE(cancelled, nullptr);
    settle(300);
    tapKey(VK_ESCAPE);
    settle();
    settle(300);
    ASSERT_FALSE(IsWindow(cancelled));
    // (The button itself keeps the focus it took, and shows it.)
    const forms::PixelImage afterCancel = captureClient(dialog);
    const RECT fileName = areaOf(layout::kFileName);
    for (int y = fileName.top; y < fileName.bottom; ++y) {
        for (int x = fileName.left; x < fileName.right; ++x) {
            ASSERT_EQ(afterCancel.at(x, y), loaded.at(x, y)) << "file name at " << x << ", " << y;
        }
    }

    click(dialog, pointIn(layout::kFileButton));
    const HWND chooser = waitForShown("ﾌｧｲﾙを開く");
    ASSERT_NE(chooser, nullptr);
    settle(500);
    keepScreenshot(captureClient(chooser), "dialog-file-chooser");
    // Only the name: the chooser must already be in the music folder for it to be found there.
    typeText(L"曲b.mp3");
    tapKey(VK_RETURN);
    settle();
    settle(500);
    ASSERT_FALSE(IsWindow(chooser));
    const forms::PixelImage shot = captureClient(dialog);
    keepScreenshot(shot, "dialog-file-chosen");
    EXPECT_GT(countNear(shot, areaOf(layout::kFileName), kBlack, 60), 40);

    click(dialog, pointIn(layout::kSet));
    ASSERT_TRUE(run->endsWithin(5000));
    expectSavedFile(savedSettings(), 2, 0, music + "\\曲b.mp3");
}

// Installed in a folder with a character that best-fit mapping would turn into a plain "e":
// the dialog writes its own folder's file, and the other folder's file stays as it was.
TEST(SettingsDialogInstalled, InAnAccentedFolderWritesOnlyItsOwnFile) {
    const testing::ScratchFolder lookAlikeFolder = testing::ScratchFolder::at("C:\\vel-e");
    const std::string lookAlike = lookAlikeFolder / "Velmora.ini";
    const std::string other = settingsText(" 2", " 7", "");
    writeText(lookAlike, other);
    {
        Installation installation("C:\\vel-é");
        writeText(installation.settingsFile(), settingsText(" 0", " 0", ""));
        ConfigureRun run(installation);
        ASSERT_NE(run.dialog(), nullptr);
        EXPECT_EQ(repeatBoxText(run.dialog()), L"") << "read the other folder's file";
        ASSERT_TRUE(chooseCdAndSet(run));
        expectSavedFile(readText(installation.settingsFile()), 1, 0, "");
    }
    EXPECT_EQ(readText(lookAlike), other);
}

TEST(SettingsDialogInstalled, InAFolderOutsideTheCodePageSavesThere) {
    Installation installation("C:\\vel-한글");
    writeText(installation.settingsFile(), settingsText(" 0", " 3", ""));
    ConfigureRun run(installation);
    ASSERT_NE(run.dialog(), nullptr);
    EXPECT_EQ(repeatBoxText(run.dialog()), L"3");
    ASSERT_TRUE(chooseCdAndSet(run));
    expectSavedFile(readText(installation.settingsFile()), 1, 3, "");
}

// A folder named "Velmora.ini" makes the file beside the programs unwritable, as System32 is
// for a standard user.
TEST(SettingsDialogInstalled, WhereTheUserCannotWriteTheChoiceGoesToThePerUserFile) {
    Installation installation;
    std::filesystem::create_directories(testing::utf8Path(installation.settingsFile()));
    const std::string song = installation.path("tone.mp3");
    writeText(song, "ID3");
    ConfigureRun run(installation);
    const HWND dialog = run.dialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(chooseFile(dialog, song));
    click(dialog, pointIn(layout::kSet));
    ASSERT_TRUE(run.endsWithin(5000));
    expectSavedFile(readText(installation.perUserSettingsFile()), 2, 0, song);
}

TEST(SettingsDialogInstalled, WhenNoFileCanBeWrittenTheDialogSaysSoAndStaysOpen) {
    Installation installation;
    std::filesystem::create_directories(testing::utf8Path(installation.settingsFile()));
    std::filesystem::create_directories(testing::utf8Path(installation.perUserSettingsFile()));
    const std::set<std::string> before = contentsOf(installation.folder());
    ConfigureRun run(installation);
    const HWND dialog = run.dialog();
    ASSERT_NE(dialog, nullptr);
    click(dialog, pointIn(layout::kSet));
    std::wstring text;
    const HWND box = messageShown(text);
    ASSERT_NE(box, nullptr) << "no message";
    keepScreenshot(captureClient(box), "dialog-not-saved");
    EXPECT_EQ(text, L"設定を保存できませんでした。");
    EXPECT_EQ(testing::findWindow({.className = "Button", .parent = box}), GetDlgItem(box, IDOK))
        << "OK only";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    settle(500);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_FALSE(run.endsWithin(500));
    EXPECT_EQ(contentsOf(installation.folder()), before) << "the failed save left something";
}

// In every system language: "設定" after choosing "音楽CD" saves, a new "/c" shows that choice,
// and a second "設定" leaves the file's bytes as they were.
TEST(SettingsDialogLanguage, TheAudioCdIsSavedShownAgainAndSavedAgainUnchanged) {
    Installation installation;
    writeText(installation.settingsFile(), settingsText(" 0", " 0", ""));
    {
        ConfigureRun run(installation);
        ASSERT_NE(run.dialog(), nullptr);
        ASSERT_TRUE(chooseCdAndSet(run)) << "not saved";
    }
    const std::string saved = readText(installation.settingsFile());
    expectSavedFile(saved, 1, 0, "");
    ConfigureRun again(installation);
    ASSERT_NE(again.dialog(), nullptr);
    expectSourceLook(again.dialog(), {1, true, false}, "dialog-" + languageName());
    click(again.dialog(), pointIn(layout::kSet));
    ASSERT_TRUE(again.endsWithin(5000));
    EXPECT_EQ(readText(installation.settingsFile()), saved);
}

// A music file in a folder named in the system's language is stored as it is; one in a folder
// without a form in the code page by its short name, or refused with the message.
TEST(SettingsDialogLanguage, AMusicFileIsStoredByItsNameOrItsShortNameOrRefused) {
    Installation installation;
    const std::string local = installation.path(testing::musicFolderName());
    const std::string foreign = installation.path(testing::kNameOutsideTheCodePages);
    for (const std::string& folder : {local, foreign}) {
        std::filesystem::create_directories(testing::utf8Path(folder));
        writeText(folder + "\\tone.mp3", "ID3");
    }
    {
        ConfigureRun run(installation);
        ASSERT_NE(run.dialog(), nullptr);
        ASSERT_TRUE(chooseFile(run.dialog(), local + "\\tone.mp3"));
        click(run.dialog(), pointIn(layout::kSet));
        ASSERT_TRUE(run.endsWithin(5000));
    }
    expectSavedFile(readText(installation.settingsFile()), 2, 0, local + "\\tone.mp3");

    ConfigureRun run(installation);
    ASSERT_NE(run.dialog(), nullptr);
    ASSERT_TRUE(chooseFile(run.dialog(), foreign + "\\tone.mp3"));
    std::wstring text;
    const HWND refused = messageShown(text, Millis(1000));
    if (refused) {
        EXPECT_EQ(text,
                  L"このファイルの名前は保存できません。別の場所のファイルを選んでください。");
        PostMessageW(refused, WM_COMMAND, IDOK, 0);
        settle(500);
    }
    click(run.dialog(), pointIn(layout::kSet));
    ASSERT_TRUE(run.endsWithin(5000));
    const std::string stored =
        win32::fromAnsi(iniValue(readText(installation.settingsFile()), "BGMﾌｧｲﾙ"));
    std::printf("[figures] %s: %s stored as it is; one in %s %s\n", languageName().c_str(),
                testing::musicFolderName().c_str(), testing::kNameOutsideTheCodePages,
                refused ? "refused" : ("stored as " + stored).c_str());
    if (refused) {
        EXPECT_EQ(stored, local + "\\tone.mp3");
    } else {
        EXPECT_NE(stored, foreign + "\\tone.mp3");
        EXPECT_NE(GetFileAttributesA(win32::toAnsi(stored).c_str()), INVALID_FILE_ATTRIBUTES)
            << "the short name names no file: " << stored;
    }
}

} // namespace velmora::dialog
