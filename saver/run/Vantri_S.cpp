// Vantri_S: the form, its picture and timers around the run's machine (see Vantri_S.h).
#include "saver/run/Vantri_S.h"

#include <windows.h>

#include "base/win32/TextureHandOff.h"
#include "contract/SharedNames.h"
#include "saver/assets/AssetIds.h"
#include "saver/forms/Bitmaps.h"

namespace velmora::run {

namespace {

forms::FormDesign saverFormDesign() {
    forms::FormDesign design;
    design.caption =
        contract::kSaverFormTitle; // what a second copy's single-instance guard looks for
    return design;
}

// 480 twips square: 32 x 32 pixels at 96 dots per inch, the size of the star picture.
forms::PictureBoxDesign displayDesign() {
    forms::PictureBoxDesign design;
    design.rect.width = 480;
    design.rect.height = 480;
    design.visible = false;
    design.backColour = RGB(0, 0, 0);
    design.pictureResource = IDB_STAR;
    return design;
}

forms::Timer makeTimer(forms::Form& form, RunTimer timer) {
    const RunTimerDesign design = runTimerDesign(timer);
    return forms::Timer(form, design.intervalMs, design.enabled);
}

} // namespace

Vantri_S::Vantri_S(music::MusicPlayer& music, const settings::SettingsRecord& record,
                   bool hideCursor, std::function<void()> endRun)
    : endRun_(std::move(endRun)), machine_(*this, renderer_, music, clock_, record, hideCursor),
      form_(saverFormDesign()), Display(form_, displayDesign()),
      Timer1(makeTimer(form_, RunTimer::Timer1)), Timer2(makeTimer(form_, RunTimer::Timer2)),
      Timer3(makeTimer(form_, RunTimer::Timer3)) {
    form_.onLoad = [this] { machine_.Form_Load(); };
    form_.onQueryUnload = [this](bool&, forms::UnloadMode) { machine_.Form_QueryUnload(); };
    Timer1.onTick = [this] { machine_.Timer1_Timer(); };
    Timer2.onTick = [this] { machine_.Timer2_Timer(); };
    Timer3.onTick = [this] { machine_.Timer3_Timer(); };
}

void Vantri_S::setTimerEnabled(RunTimer timer, bool on) {
    switch (timer) {
    case RunTimer::Timer1:
        Timer1.setEnabled(on);
        return;
    case RunTimer::Timer2:
        Timer2.setEnabled(on);
        return;
    case RunTimer::Timer3:
        Timer3.setEnabled(on);
        return;
    }
}

void Vantri_S::saveTexture() {
    win32::saveTextureBitmap(
        [this](const std::string& path) { return forms::savePicture(Display.image(), path); });
}

void Vantri_S::hideCursor() {
    ShowCursor(FALSE);
}

void Vantri_S::showCursor() {
    ShowCursor(TRUE);
}

} // namespace velmora::run
