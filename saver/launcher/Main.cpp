// Velmora.scr's entry and Main, its start-up: the single-instance guard, the mode read from the
// command line, and the preview, the settings dialog or a full-screen run.
#include <windows.h>

#include "base/win32/PlatformText.h"
#include "contract/SharedNames.h"
#include "saver/dialog/Vantri_P.h"
#include "saver/forms/Program.h"
#include "saver/launcher/Vantri_R.h"
#include "saver/launcher/core/Launch.h"
#include "saver/music/WinmmMusicPlatform.h"
#include "saver/music/core/MusicPlayer.h"
#include "saver/run/Vantri_S.h"
#include "saver/settings/Settings.h"

namespace velmora::launcher {

namespace {

constexpr char kNotBesideProgram[] = " が同じﾌｫﾙﾀﾞに見つかりません！";
constexpr char kProgramTitle[] = "Velmora (ScreenSaver)";

// A saver run or a settings dialog of another copy, hidden windows included.
bool anotherCopyIsOpen() {
    return FindWindowA(nullptr, contract::kSaverFormTitle) ||
           FindWindowA(nullptr, contract::kDialogTitle);
}

// A handle of 0 or of no window would leave an invisible preview that nothing ever ends.
int runPreview(int32_t handle) {
    const HWND host = reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
    if (!IsWindow(host)) {
        return 0;
    }
    Vantri_R preview;
    preview.showIn(host);
    return forms::runMessageLoop(preview.form());
}

bool rendererIsThere() {
    if (settings::FileExists(settings::besideProgram(contract::kRendererFileName))) {
        return true;
    }
    const std::string message = contract::kRendererFileName + std::string(kNotBesideProgram);
    MessageBoxW(nullptr, win32::toWide(message).c_str(), win32::toWide(kProgramTitle).c_str(),
                MB_OK);
    return false;
}

int runSaver(const settings::SettingsRecord& record, bool hideCursor) {
    music::WinmmMusicPlatform platform;
    music::MusicPlayer music(platform, record);
    run::Vantri_S saver(music, record, hideCursor, [] { forms::endProgram(); });
    saver.load();
    return forms::runMessageLoop(saver.form());
}

} // namespace

// arguments: the command line after the program path. Returns the program's exit code once
// its last window has gone.
int Main(std::string_view arguments) {
    if (anotherCopyIsOpen()) {
        return 0;
    }
    const LaunchRequest request = parseCommandLine(arguments);
    if (request.mode == LaunchMode::Preview) {
        return runPreview(request.previewHandle);
    }
    settings::SettingsRecord record = settings::LoadSettings();
    if (!rendererIsThere()) {
        return 0;
    }
    switch (request.mode) {
    case LaunchMode::Configure:
        dialog::showSettingsDialog(record);
        return 0;
    case LaunchMode::Saver:
        return runSaver(record, request.hideCursor);
    default:
        return 0;
    }
}

} // namespace velmora::launcher

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace velmora;
    const std::string commandLine = win32::fromWide(GetCommandLineW());
    return launcher::Main(launcher::argumentsOf(commandLine));
}
