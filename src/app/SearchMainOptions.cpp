// The main window's handlers for the search options dialog and the context-menu switch.

#include <QCheckBox>
#include <QRadioButton>

#include "app/SearchMain.h"
#include "app/SearchOpt.h"
#include "controls/Edit.h"
#include "platform/ProgramPath.h"
#include "settings/ContextMenu.h"

void TLumbrafixForm::btSearchDetailsClick() {
    TFormSerachOpt dialog(*this, nullptr);
    (AndLinking == 1 ? dialog.rbANDSearch : dialog.rbORSearch)->setChecked(true);
    (HitListFocus == 1 ? dialog.rbHitListSelected : dialog.rbSearchFieldSelected)->setChecked(true);
    if (dialog.exec() == QDialog::Accepted) {
        AndLinking = dialog.rbANDSearch->isChecked() ? 1 : 0;
        HitListFocus = dialog.rbHitListSelected->isChecked() ? 1 : 0;
        // The new options apply at once to the hits on screen.
        if (AnySearchTerm()) {
            butSearchClick();
            return;
        }
    }
    edExtension->setFocus();
}

void TLumbrafixForm::CheckBoxContexMenuClick() {
    SwitchContextMenu(CheckBoxContexMenu->isChecked(), ProgramFile(), LanguageBase);
}
