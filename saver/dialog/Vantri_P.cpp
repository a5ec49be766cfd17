// The settings dialog's event handlers: loading, painting the background, choosing the music
// source and file, storing the choice and opening the web page; its modal showing, its zoom
// and the platform's file chooser as it asks for a music file.
#include "saver/dialog/Vantri_P.h"

#include <commdlg.h>
#include <shellapi.h>

#include "base/win32/PlatformText.h"
#include "saver/dialog/core/DialogLayout.h"
#include "saver/dialog/core/DialogValues.h"
#include "saver/dialog/core/SineGradient.h"
#include "saver/forms/Program.h"
#include "saver/settings/Settings.h"
#include "saver/settings/core/SettingsPlace.h"
#include "saver/settings/core/SettingsRecord.h"

namespace velmora::dialog {

namespace {

constexpr int kMarkOff = 0;
constexpr int kMarkOn = 1;
constexpr char kUnstorableFileMessage[] =
    "このファイルの名前は保存できません。別の場所のファイルを選んでください。";
constexpr char kNotSavedMessage[] = "設定を保存できませんでした。";
constexpr char kMessageCaption[] = "Velmora";
// Both buffers of the file chooser hold 255 characters; the request is told so, so a longer path
// cannot overrun.
constexpr DWORD kPathCapacity = 255;

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
    MessageBoxW(owner, win32::toWide(text).c_str(), win32::toWide(kMessageCaption).c_str(), MB_OK);
}

// The open-file request: one filter entry, the old-style record size and no flags, in UTF-16
// so that any file name comes back as it is. Shows "ﾌｧｲﾙを開く" owned by owner, starting in
// startFolder; nothing when the user cancelled or the chooser failed.
std::optional<std::string> chooseMusicFile(HWND owner, const std::string& startFolder) {
    // The filter is a description and a pattern, each NUL-ended, and a final NUL to close it.
    std::wstring filter = win32::toWide("BGMﾌｧｲﾙ (MP3 WAV)");
    filter.push_back(L'\0');
    filter += L"*.MP3;*.WAV";
    filter.push_back(L'\0');
    const std::wstring folder = win32::toWide(startFolder);
    const std::wstring title = win32::toWide("ﾌｧｲﾙを開く");
    wchar_t file[kPathCapacity + 1] = {};
    wchar_t fileTitle[kPathCapacity + 1] = {};

    OPENFILENAMEW request = {};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    request.hwndOwner = owner;
    request.hInstance = GetModuleHandleW(nullptr);
    request.lpstrFilter = filter.c_str();
    request.lpstrFile = file;
    request.nMaxFile = kPathCapacity;
    request.lpstrFileTitle = fileTitle;
    request.nMaxFileTitle = kPathCapacity;
    request.lpstrInitialDir = folder.c_str();
    request.lpstrTitle = title.c_str();
    request.Flags = 0;

    if (GetOpenFileNameW(&request) <= 0) {
        return std::nullopt;
    }
    return win32::fromWide(file);
}

// The zoom over DrawAnimatedRects. A window rectangle that cannot be read counts as all zero,
// so the outline then runs to or from the screen's top-left corner.
void zoom(HWND window, ZoomDirection direction, const base::PixelRect& anchor) {
    RECT screen{};
    if (!GetWindowRect(window, &screen)) {
        screen = RECT{};
    }
    const ZoomPath path =
        zoomPath(direction, anchor,
                 {screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top});
    const RECT from = forms::windowRect(path.from);
    const RECT to = forms::windowRect(path.to);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void Zoom_Open(HWND window, const base::PixelRect& anchor) {
    zoom(window, ZoomDirection::Open, anchor);
}

void Zoom_Close(HWND window, const base::PixelRect& anchor) {
    zoom(window, ZoomDirection::Close, anchor);
}

} // namespace

void showSettingsDialog(settings::SettingsRecord& record) {
    Vantri_P dialog(record);
    forms::showModal(dialog.form());
}

void Vantri_P::Form_Load() {
    const forms::TwipsSize screen = forms::screenSizeTwips();
    const forms::TwipsSize window = form_.windowSizeTwips();
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
    paintSineGradient(back.surface(), back.scaleSize(), formRowColour);
    back.refresh();
    forms::PictureBox& panel = Pic_C(0);
    paintSineGradient(panel.surface(), panel.scaleSize(), panelRowColour);
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
    const std::optional<base::PathForm> storable =
        win32::ansiUsablePath(*file, settings::kSettingsValueBytes);
    if (!storable) {
        showMessage(form_.hwnd(), kUnstorableFileMessage);
        return;
    }
    record_.BgmFile = storable->path;
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
    ShellExecuteW(form_.hwnd(), L"open", win32::toWide(lbl_URL->Caption()).c_str(), L"", L"",
                  SW_SHOWNORMAL);
    forms::setScreenPointer(forms::ScreenPointer::Default);
}

} // namespace velmora::dialog
