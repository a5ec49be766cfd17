// Main: single-instance guard, mode dispatch and the three modes (see Main.h).
#include "saver/launcher/Main.h"

#include <windows.h>

#include "contract/SharedNames.h"
#include "saver/dialog/SettingsDialog.h"
#include "saver/forms/Program.h"
#include "saver/launcher/Vantri_R.h"
#include "saver/launcher/core/CommandLine.h"
#include "saver/music/WinmmMusicPlatform.h"
#include "saver/music/core/MusicPlayer.h"
#include "saver/run/Vantri_S.h"
#include "saver/settings/Paths.h"
#include "saver/settings/Settings.h"
#include "saver/text/AnsiText.h"

namespace {

constexpr char kNotBesideProgram[] = " が同じﾌｫﾙﾀﾞに見つかりません！";
constexpr char kProgramTitle[] = "Velmora (ScreenSaver)";

// A saver run or a settings dialog of another copy, hidden windows included.
bool anotherCopyIsOpen() {
    return FindWindowA(nullptr, velmora::contract::kSaverFormTitle) ||
           FindWindowA(nullptr, velmora::contract::kDialogTitle);
}

// A handle of 0 or of no window would leave an invisible preview that nothing ever ends.
int runPreview(int32_t handle) {
    const HWND host = reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
    if (!IsWindow(host)) {
        return 0;
    }
    Vantri_R preview;
    preview.showIn(host);
    return velmora::forms::runMessageLoop();
}

bool rendererIsThere() {
    if (FileExists(programFolder() + "\\" + velmora::contract::kRendererFileName)) {
        return true;
    }
    const std::string message =
        velmora::contract::kRendererFileName + std::string(kNotBesideProgram);
    MessageBoxW(nullptr, toWide(message).c_str(), toWide(kProgramTitle).c_str(), MB_OK);
    return false;
}

int runSaver(bool hideCursor) {
    if (hideCursor) {
        ShowCursor(FALSE);
    }
    velmora::music::WinmmMusicPlatform platform;
    velmora::music::MusicPlayer music(platform, settings());
    velmora::run::Vantri_S saver(music, settings(), hideCursor,
                                 [] { velmora::forms::endProgram(); });
    saver.load();
    return velmora::forms::runMessageLoop();
}

} // namespace

int Main(std::string_view arguments) {
    if (anotherCopyIsOpen()) {
        return 0;
    }
    const LaunchRequest request = parseCommandLine(arguments);
    if (request.mode == LaunchMode::Preview) {
        return runPreview(request.previewHandle);
    }
    LoadSettings();
    if (!rendererIsThere()) {
        return 0;
    }
    switch (request.mode) {
    case LaunchMode::Configure:
        velmora::dialog::showSettingsDialog();
        return 0;
    case LaunchMode::Saver:
        return runSaver(true);
    case LaunchMode::SaverCursorShown:
        return runSaver(false);
    default:
        return 0;
    }
}
