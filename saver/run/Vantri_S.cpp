// Vantri_S: load, the three watches and the end of a full-screen run (see Vantri_S.h).
#include "saver/run/Vantri_S.h"

#include <windows.h>

#include "contract/SharedNames.h"
#include "saver/assets/AssetIds.h"
#include "saver/run/RendererProcess.h"
#include "saver/run/TextureFile.h"
#include "saver/run/core/MusicSource.h"

namespace {

FormDesign saverFormDesign() {
    FormDesign design;
    design.caption =
        velmora::contract::kSaverFormTitle; // what a second copy's single-instance guard looks for
    return design;
}

// 480 twips square: 32 x 32 pixels at 96 dots per inch, the size of the star picture.
PictureBoxDesign displayDesign() {
    PictureBoxDesign design;
    design.widthTwips = 480;
    design.heightTwips = 480;
    design.visible = false;
    design.backColour = RGB(0, 0, 0);
    design.pictureResource = IDB_STAR;
    return design;
}

} // namespace

Vantri_S::Vantri_S(MusicPlayer& music, const SettingsRecord& record, bool cursorHidden,
                   std::function<void()> endRun)
    : music_(music), settings_(record), cursorHidden_(cursorHidden), endRun_(std::move(endRun)),
      form_(saverFormDesign()), Display(form_, displayDesign()), Timer1(form_, 1000, false),
      Timer2(form_, 200, false), Timer3(form_, 500, true) {
    form_.onLoad = [this] { Form_Load(); };
    form_.onQueryUnload = [this](bool&, UnloadMode) { Form_QueryUnload(); };
    Timer1.onTick = [this] { Timer1_Timer(); };
    Timer2.onTick = [this] { Timer2_Timer(); };
    Timer3.onTick = [this] { Timer3_Timer(); };
}

void Vantri_S::Form_Load() {
    saveTextureBitmap(Display.image());
    renderer_.start();
    switch (musicSourceOf(settings_.BgmKind, settings_.BgmFile)) {
    case MusicSource::Cd:
        music_.CD_Open();
        Timer2.setEnabled(true);
        break;
    case MusicSource::Wav:
        music_.WAV_Play();
        break;
    case MusicSource::Mp3:
        music_.MP3_Open();
        Timer1.setEnabled(true);
        break;
    case MusicSource::None:
        break;
    }
}

void Vantri_S::Timer1_Timer() {
    music_.MP3_Poll();
}

// The CD watch stops itself once the player reports the disc unusable.
void Vantri_S::Timer2_Timer() {
    music_.CD_Poll();
    Timer2.setEnabled(music_.CdActive());
}

// The run ends at the first tick that finds no renderer window, unless the renderer process
// is still on its way to opening it.
void Vantri_S::Timer3_Timer() {
    if (FindWindowA(nullptr, velmora::contract::kRendererWindowTitle)) {
        renderer_.windowSeen();
        return;
    }
    if (renderer_.starting())
        return;
    Timer3.setEnabled(false);
    form_.unload();
}

// A CD watch that has stopped itself left its device alone, so it is not closed either.
void Vantri_S::Form_QueryUnload() {
    if (Timer2.enabled()) {
        Timer2.setEnabled(false);
        music_.CD_Close();
    }
    const MusicSource source = musicSourceOf(settings_.BgmKind, settings_.BgmFile);
    if (source == MusicSource::Wav)
        music_.WAV_Stop();
    if (source == MusicSource::Mp3) {
        Timer1.setEnabled(false);
        music_.MP3_Close();
    }
    if (cursorHidden_)
        ShowCursor(TRUE);
    endRun_();
}
