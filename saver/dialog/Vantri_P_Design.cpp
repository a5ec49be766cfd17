// The design of the settings dialog: the window and every control at its place, with its
// texts, fonts, colours and tab order, and the events wired to the form's handlers.
#include "contract/SharedNames.h"
#include "saver/assets/AssetIds.h"
#include "saver/dialog/Vantri_P.h"
#include "saver/dialog/core/DialogLayout.h"
#include "saver/forms/TabOrder.h"
#include "saver/forms/VisibleForm.h"
#include "saver/forms/WindowPlace.h"

namespace velmora::dialog {

namespace {

// Our own credit line and web page.
constexpr char kCredit[] = "Velmora  2026  Velmora Dev";
constexpr char kWebPage[] = "https://velmora.example/";

constexpr COLORREF kFormBack = RGB(192, 192, 192);
constexpr COLORREF kPanelBack = RGB(224, 224, 224);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

base::PixelRect pixelsOf(const ControlPlace& control) {
    return forms::screenPixels(control.twips);
}

HICON dialogIcon() {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VELMORA),
                                         IMAGE_ICON, 32, 32, 0));
}

forms::FormDesign dialogDesign() {
    return forms::fixedSingleFormDesign(contract::kDialogTitle, kClientWidthTwips,
                                        kClientHeightTwips, kFormBack, dialogIcon());
}

forms::ControlArray<forms::PictureBox> panelArray(forms::Form& form) {
    forms::ControlArray<forms::PictureBox> panels;
    panels.load(place::kPanel.index, form,
                forms::PictureBoxDesign{place::kPanel.twips, true, kPanelBack, 0});
    return panels;
}

forms::LabelDesign labelAt(const ControlPlace& control, std::string caption, COLORREF colour,
                           bool autoSize) {
    forms::LabelDesign design;
    design.place = pixelsOf(control);
    design.caption = std::move(caption);
    design.colour = colour;
    design.autoSize = autoSize;
    return design;
}

forms::PictureImageDesign imageAt(const ControlPlace& control,
                                  std::shared_ptr<forms::Picture> picture) {
    return {pixelsOf(control), std::move(picture)};
}

// The buttons were saved with their caption and the dialog's font; the rest is at the defaults.
button::CommandDesign buttonAt(const ControlPlace& control, const std::string& caption) {
    return {control.twips, button::captionedProperties(caption)};
}

} // namespace

Vantri_P::Vantri_P(settings::SettingsRecord& record)
    : record_(record), form_(dialogDesign()),
      surface_(form_, kFormBack, kClientWidthTwips, kClientHeightTwips),
      formControls_(form_, forms::inside(surface_.box())), Pic_C(panelArray(form_)),
      panelControls_(form_, forms::inside(Pic_C(0))) {
    makeControls();
    form_.onLoad = [this] {
        applyDesignTabOrder();
        Form_Load();
    };
    form_.onUnload = [this] { Form_Unload(); };
    surface_.onResize = [this] { Form_Resize(); };
}

void Vantri_P::makeControls() {
    // Panel: the heading in its frame, the three sources, the repeat box and the chosen file.
    const base::PixelRect frame = pixelsOf(place::kHeadingFrame);
    Shape3.load(place::kHeadingFrame.index, panelControls_, forms::ShapeRectDesign{frame, kBlack});
    forms::LabelDesign heading = labelAt(place::kHeading, "BGM", kBlack, false);
    heading.alignment = forms::TextAlignment::Centre;
    lbl.load(place::kHeading.index, panelControls_, heading);

    const ControlPlace marks[] = {place::kMarkNone, place::kMarkCd, place::kMarkFile};
    const ControlPlace sourceLabels[] = {place::kLabelNone, place::kLabelCd, place::kLabelFile};
    const char* sourceNames[] = {"なし", "音楽CD", "MP3、WAV"};
    for (int index = 0; index < 3; ++index) {
        forms::PictureImage& mark =
            Img_BGM.load(index, panelControls_, imageAt(marks[index], nullptr));
        mark.onMouseDown = [this, index](forms::MouseButton button) {
            Img_BGM_MouseDown(index, button);
        };
        forms::Label& name = lbl_BGM.load(
            index, panelControls_, labelAt(sourceLabels[index], sourceNames[index], kBlack, true));
        name.onMouseDown = [this, index](forms::MouseButton button) {
            lbl_BGM_MouseDown(index, button);
        };
    }
    lbl.load(place::kRepeatCaption.index, panelControls_,
             labelAt(place::kRepeatCaption, "曲目をﾘﾋﾟｰﾄ", kBlack, true));

    BGM_Repeat = std::make_unique<forms::ComboBox>(
        form_, forms::inside(Pic_C(0)),
        forms::ComboBoxDesign{pixelsOf(place::kRepeat), forms::designFont(), kWhite});

    forms::LabelDesign fileName = labelAt(place::kFileName, "", kBlack, false);
    fileName.border = true;
    lbl_Fname.load(place::kFileName.index, panelControls_, fileName);
    const int fileButton = place::kFileButton.index;
    button::Command& chooser = Cmd_File.load(fileButton, form_, forms::inside(Pic_C(0)),
                                             buttonAt(place::kFileButton, "..."));
    chooser.onClick = [this, fileButton] { Cmd_File_Click(fileButton); };

    // Form: credit, web page, the two closing buttons and the hidden mark pictures.
    lbl.load(place::kCredit.index, formControls_, labelAt(place::kCredit, kCredit, kWhite, true));
    forms::LabelDesign link = labelAt(place::kUrl, kWebPage, kWhite, true);
    link.font.underline = true;
    link.pointer = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_POINTER));
    lbl_URL = std::make_unique<forms::Label>(formControls_, link);
    lbl_URL->onClick = [this] { lbl_URL_Click(); };

    Cmd_Set =
        std::make_unique<button::Command>(form_, forms::onForm(), buttonAt(place::kSet, "設定"));
    Cmd_Set->onClick = [this] { Cmd_Set_Click(); };
    Cmd_Can = std::make_unique<button::Command>(form_, forms::onForm(),
                                                buttonAt(place::kCancel, "ｷｬﾝｾﾙ"));
    Cmd_Can->onClick = [this] { Cmd_Can_Click(); };
    buttons_ = {&chooser, Cmd_Set.get(), Cmd_Can.get()};

    Img_Ra.load(place::kMarkOff.index, formControls_,
                imageAt(place::kMarkOff, forms::loadPicture(IDB_MARK_OFF)));
    Img_Ra.load(place::kMarkOn.index, formControls_,
                imageAt(place::kMarkOn, forms::loadPicture(IDB_MARK_ON)));
}

void Vantri_P::applyDesignTabOrder() {
    forms::applyTabOrder({{place::kPanel.tabIndex, Pic_C(0).hwnd()},
                          {place::kRepeat.tabIndex, BGM_Repeat->hwnd()},
                          {place::kFileButton.tabIndex, Cmd_File(0).hwnd()},
                          {place::kSet.tabIndex, Cmd_Set->hwnd()},
                          {place::kCancel.tabIndex, Cmd_Can->hwnd()}});
}

} // namespace velmora::dialog
