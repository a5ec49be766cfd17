// The configure mode's entry into the settings dialog.
#include "saver/dialog/SettingsDialog.h"

#include "saver/dialog/Vantri_P.h"
#include "saver/forms/ModalShow.h"

namespace velmora::dialog {

void showSettingsDialog(settings::SettingsRecord& record) {
    Vantri_P dialog(record);
    forms::showModal(dialog.form());
}

} // namespace velmora::dialog
