// Vantri_P: the settings dialog. The user picks the background music (none, an audio CD with a
// track to repeat, or an MP3 / WAV file); "設定" stores the choice in the settings file and
// closes, "ｷｬﾝｾﾙ" and the close box close without storing. It works on the settings record it
// is given, opens and closes with the zoom animation and paints its own sine gradients.
#pragma once

#include <vector>

#include "saver/button/Command.h"
#include "saver/forms/ComboBox.h"
#include "saver/forms/Form.h"
#include "saver/forms/Image.h"
#include "saver/forms/Label.h"
#include "saver/forms/PictureBox.h"
#include "saver/forms/Windowless.h"
#include "saver/settings/core/SettingsRecord.h"

namespace velmora::dialog {

// The dialog of the configure mode: shown modally, with no owner window, it returns once it has
// closed. It edits record, and writes the settings file when the user confirms.
void showSettingsDialog(settings::SettingsRecord& record);

class Vantri_P {
public:
    explicit Vantri_P(settings::SettingsRecord& record);
    Vantri_P(const Vantri_P&) = delete;
    Vantri_P& operator=(const Vantri_P&) = delete;

    forms::Form& form() { return form_; }

private:
    void makeControls();
    void applyDesignTabOrder();

    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    // Every button control of the form gets Initialize: its machine starts and its poll runs.
    void SetButtonsState();
    void Img_BGM_MouseDown(int index, forms::MouseButton button);
    void lbl_BGM_MouseDown(int index, forms::MouseButton button);
    void chooseSource(int index);
    void showSource();
    void Cmd_File_Click(int index);
    void Cmd_Set_Click();
    void Cmd_Can_Click();
    void lbl_URL_Click();

    settings::SettingsRecord& record_;
    // Where the pointer was at the load (0, 0 when unknown): the zoom starts and ends there.
    base::PixelRect zoomPoint_;
    forms::Form form_;
    forms::FormSurface surface_;
    forms::WindowlessHost formControls_; // labels and images drawn on the form
    forms::ControlArray<forms::PictureBox> Pic_C;
    forms::WindowlessHost panelControls_; // labels, marks and the frame drawn on Pic_C(0)

    forms::ControlArray<forms::ShapeRect> Shape3;
    forms::ControlArray<forms::Label> lbl;
    forms::ControlArray<forms::PictureImage> Img_BGM;
    forms::ControlArray<forms::Label> lbl_BGM;
    forms::ControlArray<forms::PictureImage> Img_Ra;
    forms::ControlArray<forms::Label> lbl_Fname;
    forms::ControlArray<button::Command> Cmd_File;
    std::unique_ptr<forms::ComboBox> BGM_Repeat;
    std::unique_ptr<forms::Label> lbl_URL;
    std::unique_ptr<button::Command> Cmd_Set;
    std::unique_ptr<button::Command> Cmd_Can;
    // Every button control of the form, in the order they were made.
    std::vector<button::Command*> buttons_;
};

} // namespace velmora::dialog
