// Starting Velmora.dll like the saver (a new process, shown normally, not waited for) and
// looking for its windows by process, class and title.
#include "tests/renderer/window/RendererProcess.h"
#include "contract/SharedNames.h"

#include "tests/support/BuiltFile.h"
#include "tests/support/Files.h"

namespace velmora::window {

bool writeTextureBitmap() {
    return CopyFileA(testing::sourceFile("saver\\assets\\star.bmp").c_str(), contract::kTexturePath,
                     FALSE) != 0;
}

void removeTextureBitmaps() {
    DeleteFileA(contract::kTexturePath);
    DeleteFileA(testing::temporaryPath(contract::kTextureFileName).c_str());
}

DEVMODEA currentDisplayMode() {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
    return mode;
}

RendererProcess::RendererProcess()
    : ChildProcess(
          {.program = testing::builtFile(contract::kRendererFileName), .showNormal = true}) {}

HWND RendererProcess::findWindow(testing::WindowQuery query) const {
    query.processId = id();
    return testing::findWindow(query);
}

HWND RendererProcess::waitForWindow(testing::WindowQuery query, testing::Millis timeout) const {
    query.processId = id();
    return started() ? testing::waitForWindow(query, timeout, handle()) : nullptr;
}

} // namespace velmora::window
