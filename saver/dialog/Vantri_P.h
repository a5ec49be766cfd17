// Vantri_P: the settings dialog. The user picks the background music (none, an audio CD with a
// track to repeat, or an MP3 / WAV file); "設定" stores the choice in the settings file and
// closes, "ｷｬﾝｾﾙ" and the close box close without storing. It works on the process's settings
// record, opens and closes with the zoom animation and paints its own sine gradients.
#pragma once

#include <vector>

#include "saver/button/Command.h"
#include "saver/forms/ComboBox.h"
#include "saver/forms/ControlArray.h"
#include "saver/forms/Form.h"
#include "saver/forms/FormSurface.h"
#include "saver/forms/Label.h"
#include "saver/forms/PictureImage.h"
#include "saver/forms/ShapeRect.h"
#include "saver/forms/Windowless.h"

class Vantri_P {
public:
    Vantri_P();
    Vantri_P(const Vantri_P&) = delete;
    Vantri_P& operator=(const Vantri_P&) = delete;

    Form& form() { return form_; }

private:
    void makeControls();
    void applyDesignTabOrder();

    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void SetButtonsState(bool doInitialize, bool enable);
    void Img_BGM_MouseDown(int index, MouseButton button);
    void lbl_BGM_MouseDown(int index, MouseButton button);
    void chooseSource(int index);
    void showSource();
    void Cmd_File_Click(int index);
    void Cmd_Set_Click();
    void Cmd_Can_Click();
    void lbl_URL_Click();

    Form form_;
    FormSurface surface_;
    WindowlessHost formControls_; // labels and images drawn on the form
    ControlArray<PictureBox> Pic_C;
    WindowlessHost panelControls_; // labels, marks and the frame drawn on Pic_C(0)

    ControlArray<ShapeRect> Shape3;
    ControlArray<Label> lbl;
    ControlArray<PictureImage> Img_BGM;
    ControlArray<Label> lbl_BGM;
    ControlArray<PictureImage> Img_Ra;
    ControlArray<Label> lbl_Fname;
    ControlArray<Command> Cmd_File;
    std::unique_ptr<ComboBox> BGM_Repeat;
    std::unique_ptr<Label> lbl_URL;
    std::unique_ptr<Command> Cmd_Set;
    std::unique_ptr<Command> Cmd_Can;
    // Every button control of the form, in the order they were made.
    std::vector<Command*> buttons_;
};
