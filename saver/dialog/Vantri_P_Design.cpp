// The design of the settings dialog: the window and every control at its rectangle, with its
// texts, fonts, colours and tab order, and the events wired to the form's handlers.
#include "contract/SharedNames.h"
#include "saver/assets/AssetIds.h"
#include "saver/dialog/Vantri_P.h"
#include "saver/dialog/core/DialogLayout.h"
#include "saver/forms/Program.h"

namespace velmora::dialog {

namespace {

// Our own credit line and web page.
constexpr char kCredit[] = "Velmora  2026  Velmora Dev";
constexpr char kWebPage[] = "https://velmora.example/";

constexpr COLORREF kFormBack = RGB(192, 192, 192);
constexpr COLORREF kPanelBack = RGB(224, 224, 224);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

base::PixelRect pixelsOf(const ControlLayout& control) {
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
    panels.load(layout::kPanel.index, form,
                forms::PictureBoxDesign{layout::kPanel.twips, true, kPanelBack, 0});
    return panels;
}

forms::LabelDesign labelAt(const ControlLayout& control, std::string caption, COLORREF colour,
                           bool autoSize) {
    forms::LabelDesign design;
    design.rect = pixelsOf(control);
    design.caption = std::move(caption);
    design.colour = colour;
    design.autoSize = autoSize;
    return design;
}

forms::PictureImageDesign imageAt(const ControlLayout& control,
                                  std::shared_ptr<forms::Picture> picture) {
    return {pixelsOf(control), std::move(picture)};
}

// The buttons were saved with their caption and the dialog's font; the rest is at the defaults.
button::CommandDesign buttonAt(const ControlLayout& control, const std::string& caption) {
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
    const base::PixelRect frame = pixelsOf(layout::kHeadingFrame);
    Shape3.load(layout::kHeadingFrame.index, panelControls_, forms::ShapeRectDesign{frame, kBlack});
    forms::LabelDesign heading = labelAt(layout::kHeading, "BGM", kBlack, false);
    heading.alignment = forms::TextAlignment::Centre;
    lbl.load(layout::kHeading.index, panelControls_, heading);

    const ControlLayout marks[] = {layout::kMarkNone, layout::kMarkCd, layout::kMarkFile};
    const ControlLayout sourceLabels[] = {layout::kLabelNone, layout::kLabelCd, layout::kLabelFile};
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
    lbl.load(layout::kRepeatCaption.index, panelControls_,
             labelAt(layout::kRepeatCaption, "曲目をﾘﾋﾟｰﾄ", kBlack, true));

    BGM_Repeat = std::make_unique<forms::ComboBox>(
        form_, forms::inside(Pic_C(0)),
        forms::ComboBoxDesign{pixelsOf(layout::kRepeat), forms::designFont(), kWhite});

    forms::LabelDesign fileName = labelAt(layout::kFileName, "", kBlack, false);
    fileName.border = true;
    lbl_Fname.load(layout::kFileName.index, panelControls_, fileName);
    const int fileButton = layout::kFileButton.index;
    button::Command& chooser = Cmd_File.load(fileButton, form_, forms::inside(Pic_C(0)),
                                             buttonAt(layout::kFileButton, "..."));
    chooser.onClick = [this, fileButton] { Cmd_File_Click(fileButton); };

    // Form: credit, web page, the two closing buttons and the hidden mark pictures.
    lbl.load(layout::kCredit.index, formControls_, labelAt(layout::kCredit, kCredit, kWhite, true));
    forms::LabelDesign link = labelAt(layout::kUrl, kWebPage, kWhite, true);
    link.font.underline = true;
    link.pointer = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_POINTER));
    lbl_URL = std::make_unique<forms::Label>(formControls_, link);
    lbl_URL->onClick = [this] { lbl_URL_Click(); };

    Cmd_Set =
        std::make_unique<button::Command>(form_, forms::onForm(), buttonAt(layout::kSet, "設定"));
    Cmd_Set->onClick = [this] { Cmd_Set_Click(); };
    Cmd_Can = std::make_unique<button::Command>(form_, forms::onForm(),
                                                buttonAt(layout::kCancel, "ｷｬﾝｾﾙ"));
    Cmd_Can->onClick = [this] { Cmd_Can_Click(); };
    buttons_ = {&chooser, Cmd_Set.get(), Cmd_Can.get()};

    Img_Ra.load(layout::kMarkOff.index, formControls_,
                imageAt(layout::kMarkOff, forms::loadPicture(IDB_MARK_OFF)));
    Img_Ra.load(layout::kMarkOn.index, formControls_,
                imageAt(layout::kMarkOn, forms::loadPicture(IDB_MARK_ON)));
}

void Vantri_P::applyDesignTabOrder() {
    forms::applyTabOrder({{layout::kPanel.tabIndex, Pic_C(0).hwnd()},
                          {layout::kRepeat.tabIndex, BGM_Repeat->hwnd()},
                          {layout::kFileButton.tabIndex, Cmd_File(0).hwnd()},
                          {layout::kSet.tabIndex, Cmd_Set->hwnd()},
                          {layout::kCancel.tabIndex, Cmd_Can->hwnd()}});
}

} // namespace velmora::dialog
