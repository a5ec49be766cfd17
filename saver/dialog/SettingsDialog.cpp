// The configure mode's entry into the settings dialog.
#include "saver/dialog/SettingsDialog.h"

#include "saver/dialog/Vantri_P.h"
#include "saver/forms/ModalShow.h"

void showSettingsDialog() {
    Vantri_P dialog;
    showModal(dialog.form());
}
