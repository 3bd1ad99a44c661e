// The information window opened from the main window's language and information row.

#include "app/SearchMain.h"
#include "app/fSplah.h"
#include "controls/Edit.h"

void TLumbrafixForm::btAboutClick() {
    {
        TFormSplash about(*this, this);
        about.SetInformationMode(true);
        about.exec();
    }
    // The language may have changed while the window was open.
    RefreshCaptions();
    if (AnySearchTerm()) {
        butSearchClick();
    }
    edExtension->setFocus();
}
