// The settings dialog's event handlers: loading, painting the background, choosing the music
// source and file, storing the choice and opening the web page.
#include "saver/dialog/Vantri_P.h"

#include <shellapi.h>

#include "saver/dialog/MusicFileChooser.h"
#include "saver/dialog/Zoom.h"
#include "saver/dialog/core/DialogLayout.h"
#include "saver/dialog/core/DialogValues.h"
#include "saver/dialog/core/SineGradient.h"
#include "saver/dialog/core/SourceChoice.h"
#include "saver/forms/ScreenPointer.h"
#include "saver/forms/VisibleForm.h"
#include "saver/settings/SaveSettings.h"
#include "saver/settings/core/FolderOf.h"
#include "saver/settings/core/SettingsRecord.h"
#include "saver/text/AnsiPath.h"
#include "saver/text/AnsiText.h"

namespace velmora::dialog {

namespace {

constexpr int kMarkOff = 0;
constexpr int kMarkOn = 1;
constexpr char kUnstorableFileMessage[] =
    "このファイルの名前は保存できません。別の場所のファイルを選んでください。";
constexpr char kNotSavedMessage[] = "設定を保存できませんでした。";
constexpr char kMessageCaption[] = "Velmora";

// One line per pixel row, across the whole width, in the colour of the row's level.
void paintSineGradient(HDC dc, SIZE size, RowColour (*colourOf)(int level)) {
    if (!dc) {
        return;
    }
    const std::vector<int> levels = sineGradientLevels(size.cy);
    for (size_t y = 0; y < levels.size(); ++y) {
        const RowColour colour = colourOf(levels[y]);
        HBRUSH brush = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
        const RECT row{0, static_cast<LONG>(y), size.cx, static_cast<LONG>(y) + 1};
        FillRect(dc, &row, brush);
        DeleteObject(brush);
    }
}

void showMessage(HWND owner, const char* text) {
    MessageBoxW(owner, text::toWide(text).c_str(), text::toWide(kMessageCaption).c_str(), MB_OK);
}

SIZE clientSize(HWND window) {
    RECT client{};
    if (window) {
        GetClientRect(window, &client);
    }
    return {client.right, client.bottom};
}

} // namespace

void Vantri_P::Form_Load() {
    const forms::TwipsSize screen = forms::screenSizeTwips();
    const forms::TwipsSize window = forms::windowSizeTwips(form_);
    const TwipsPoint corner =
        dialogCorner(screen.width, screen.height, window.width, window.height);
    form_.move({corner.x, corner.y, window.width, window.height});

    SetButtonsState();
    showSource();

    BGM_Repeat->setText(repeatText(record_.BgmRepeat));
    for (const std::string& entry : repeatListEntries()) {
        BGM_Repeat->addItem(entry);
    }
    lbl_Fname(0).setCaption(record_.BgmFile);

    POINT pointer{};
    zoomPoint_ = zoomAnchor(
        GetCursorPos(&pointer) ? std::optional<ScreenPoint>({pointer.x, pointer.y}) : std::nullopt);
    Zoom_Open(form_.hwnd(), zoomPoint_);
    forms::setScreenPointer(forms::ScreenPointer::Default);
}

void Vantri_P::Form_Resize() {
    forms::PictureBox& back = surface_.box();
    paintSineGradient(back.surface(), surface_.scaleSize(), formRowColour);
    back.refresh();
    forms::PictureBox& panel = Pic_C(0);
    paintSineGradient(panel.surface(), clientSize(panel.hwnd()), panelRowColour);
    panel.refresh();
}

void Vantri_P::Form_Unload() {
    Zoom_Close(form_.hwnd(), zoomPoint_);
}

void Vantri_P::SetButtonsState() {
    for (button::Command* button : buttons_) {
        button->Initialize();
    }
}

void Vantri_P::Img_BGM_MouseDown(int index, forms::MouseButton) {
    chooseSource(index);
}

void Vantri_P::lbl_BGM_MouseDown(int index, forms::MouseButton) {
    chooseSource(index);
}

void Vantri_P::chooseSource(int index) {
    record_.BgmKind = static_cast<int16_t>(index);
    showSource();
}

// The chosen source's controls on and the others off; all marks off, then the chosen one's on.
void Vantri_P::showSource() {
    const SourceChoice choice(record_.BgmKind);
    BGM_Repeat->setEnabled(choice.repeatListEnabled());
    Cmd_File(0).setEnabled(choice.fileButtonEnabled());
    Img_BGM.forEach(
        [this](int, forms::PictureImage& mark) { mark.setPicture(Img_Ra(kMarkOff).picture()); });
    if (const std::optional<settings::BgmKind> marked = choice.markedSource()) {
        Img_BGM(*marked).setPicture(Img_Ra(kMarkOn).picture());
    }
}

void Vantri_P::Cmd_File_Click(int index) {
    const std::optional<std::string> file = chooseMusicFile(form_.hwnd(), record_.BgmFolder);
    if (!file) {
        return;
    }
    // The file is stored in the ANSI settings file and read back from it: a name it cannot
    // hold exactly would be lost, or found as another file, at the next start.
    const std::optional<std::string> storable =
        text::ansiUsablePath(*file, settings::kSettingsValueBytes);
    if (!storable) {
        showMessage(form_.hwnd(), kUnstorableFileMessage);
        return;
    }
    record_.BgmFile = *storable;
    lbl_Fname(index).setCaption(record_.BgmFile);
    record_.BgmFolder = settings::FolderOf(record_.BgmFile);
}

void Vantri_P::Cmd_Set_Click() {
    settings::SettingsRecord& record = record_;
    const SettingsToSave saved = settingsToSave(record.BgmKind, BGM_Repeat->text(), record.BgmFile);
    record.BgmRepeat = saved.bgmRepeat;
    if (!settings::SaveSettings(saved.entries)) {
        showMessage(form_.hwnd(), kNotSavedMessage);
        return;
    }
    form_.unload();
}

void Vantri_P::Cmd_Can_Click() {
    form_.unload();
}

void Vantri_P::lbl_URL_Click() {
    forms::setScreenPointer(forms::ScreenPointer::Hourglass);
    ShellExecuteW(form_.hwnd(), L"open", text::toWide(lbl_URL->Caption()).c_str(), L"", L"",
                  SW_SHOWNORMAL);
    forms::setScreenPointer(forms::ScreenPointer::Default);
}

} // namespace velmora::dialog
