// The design of the settings dialog: the window and every control at its place, with its
// texts, fonts, colours and tab order, and the events wired to the form's handlers.
#include "contract/SharedNames.h"
#include "saver/assets/AssetIds.h"
#include "saver/dialog/Vantri_P.h"
#include "saver/dialog/core/DialogLayout.h"
#include "saver/forms/Screen.h"
#include "saver/forms/TabOrder.h"
#include "saver/forms/VisibleForm.h"

using namespace velmora::dialog;

namespace {

// Our own credit line and web page.
constexpr char kCredit[] = "Velmora  2026  Velmora Dev";
constexpr char kWebPage[] = "https://velmora.example/";

constexpr COLORREF kFormBack = RGB(192, 192, 192);
constexpr COLORREF kPanelBack = RGB(224, 224, 224);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

PixelRect pixelsOf(const ControlPlace& control) {
    return toPixels(control.twips, screenTwipsPerPixelX(), screenTwipsPerPixelY());
}

HICON dialogIcon() {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VELMORA),
                                         IMAGE_ICON, 32, 32, 0));
}

FormDesign dialogDesign() {
    return fixedSingleFormDesign(velmora::contract::kDialogTitle, kClientWidthTwips,
                                 kClientHeightTwips, kFormBack, dialogIcon());
}

ControlArray<PictureBox> panelArray(Form& form) {
    ControlArray<PictureBox> panels;
    const TwipsRect& at = place::kPanel.twips;
    panels.load(place::kPanel.index, form,
                PictureBoxDesign{at.left, at.top, at.width, at.height, true, kPanelBack, 0});
    return panels;
}

LabelDesign labelAt(const ControlPlace& control, std::string caption, COLORREF colour,
                    bool autoSize) {
    const PixelRect at = pixelsOf(control);
    LabelDesign design;
    design.left = at.left;
    design.top = at.top;
    design.width = at.width;
    design.height = at.height;
    design.caption = std::move(caption);
    design.font = japaneseUiFont();
    design.colour = colour;
    design.autoSize = autoSize;
    return design;
}

PictureImageDesign imageAt(const ControlPlace& control, std::shared_ptr<Picture> picture) {
    const PixelRect at = pixelsOf(control);
    return {at.left, at.top, at.width, at.height, std::move(picture)};
}

// The buttons were saved with their caption and the dialog's font; the rest is at the defaults.
CommandDesign buttonAt(const ControlPlace& control, const std::string& caption) {
    return {control.twips, velmora::button::captionedProperties(caption)};
}

} // namespace

Vantri_P::Vantri_P()
    : form_(dialogDesign()), surface_(form_, kFormBack, kClientWidthTwips, kClientHeightTwips),
      formControls_(form_, inside(surface_.box())), Pic_C(panelArray(form_)),
      panelControls_(form_, inside(Pic_C(0))) {
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
    const PixelRect frame = pixelsOf(place::kHeadingFrame);
    Shape3.load(place::kHeadingFrame.index, panelControls_, ShapeRectDesign{frame, kBlack});
    LabelDesign heading = labelAt(place::kHeading, "BGM", kBlack, false);
    heading.alignment = TextAlignment::Centre;
    lbl.load(place::kHeading.index, panelControls_, heading);

    const ControlPlace marks[] = {place::kMarkNone, place::kMarkCd, place::kMarkFile};
    const ControlPlace sourceLabels[] = {place::kLabelNone, place::kLabelCd, place::kLabelFile};
    const char* sourceNames[] = {"なし", "音楽CD", "MP3、WAV"};
    for (int index = 0; index < 3; ++index) {
        PictureImage& mark = Img_BGM.load(index, panelControls_, imageAt(marks[index], nullptr));
        mark.onMouseDown = [this, index](MouseButton button) { Img_BGM_MouseDown(index, button); };
        Label& name = lbl_BGM.load(index, panelControls_,
                                   labelAt(sourceLabels[index], sourceNames[index], kBlack, true));
        name.onMouseDown = [this, index](MouseButton button) { lbl_BGM_MouseDown(index, button); };
    }
    lbl.load(place::kRepeatCaption.index, panelControls_,
             labelAt(place::kRepeatCaption, "曲目をﾘﾋﾟｰﾄ", kBlack, true));

    const PixelRect repeat = pixelsOf(place::kRepeat);
    BGM_Repeat =
        std::make_unique<ComboBox>(form_, inside(Pic_C(0)),
                                   ComboBoxDesign{repeat.left, repeat.top, repeat.width,
                                                  repeat.height, japaneseUiFont(), kWhite});

    LabelDesign fileName = labelAt(place::kFileName, "", kBlack, false);
    fileName.border = true;
    lbl_Fname.load(place::kFileName.index, panelControls_, fileName);
    const int fileButton = place::kFileButton.index;
    Command& chooser =
        Cmd_File.load(fileButton, form_, inside(Pic_C(0)), buttonAt(place::kFileButton, "..."));
    chooser.onClick = [this, fileButton] { Cmd_File_Click(fileButton); };

    // Form: credit, web page, the two closing buttons and the hidden mark pictures.
    lbl.load(place::kCredit.index, formControls_, labelAt(place::kCredit, kCredit, kWhite, true));
    LabelDesign link = labelAt(place::kUrl, kWebPage, kWhite, true);
    link.font.underline = true;
    link.pointer = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_POINTER));
    lbl_URL = std::make_unique<Label>(formControls_, link);
    lbl_URL->onClick = [this] { lbl_URL_Click(); };

    Cmd_Set = std::make_unique<Command>(form_, onForm(), buttonAt(place::kSet, "設定"));
    Cmd_Set->onClick = [this] { Cmd_Set_Click(); };
    Cmd_Can = std::make_unique<Command>(form_, onForm(), buttonAt(place::kCancel, "ｷｬﾝｾﾙ"));
    Cmd_Can->onClick = [this] { Cmd_Can_Click(); };
    buttons_ = {&chooser, Cmd_Set.get(), Cmd_Can.get()};

    Img_Ra.load(place::kMarkOff.index, formControls_,
                imageAt(place::kMarkOff, loadPicture(IDB_MARK_OFF)));
    Img_Ra.load(place::kMarkOn.index, formControls_,
                imageAt(place::kMarkOn, loadPicture(IDB_MARK_ON)));
}

void Vantri_P::applyDesignTabOrder() {
    applyTabOrder({{place::kPanel.tabIndex, Pic_C(0).hwnd()},
                   {place::kRepeat.tabIndex, BGM_Repeat->hwnd()},
                   {place::kFileButton.tabIndex, Cmd_File(0).hwnd()},
                   {place::kSet.tabIndex, Cmd_Set->hwnd()},
                   {place::kCancel.tabIndex, Cmd_Can->hwnd()}});
}
