#pragma once

#include "app/DialogFrame.h"

class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;
class TBitBtn;

// The search options dialog: AND or OR linking of the search terms, and whether the search
// field or the hit grid takes the focus after a search. The main window presets the choices,
// shows it modally and reads them back after OK; a fresh dialog serves each opening.
class TFormSerachOpt : public TDialogFrame {
    Q_OBJECT

public:
    TFormSerachOpt(TWindowLanguage& language, QWidget* parent);

    // Puts in the texts of the current language and gives OK the focus.
    void FormShow() override;

    QFrame* Panel1 = nullptr;
    QLabel* lbInfoText = nullptr;
    QGroupBox* gbxANDOR = nullptr;
    QRadioButton* rbANDSearch = nullptr;
    QRadioButton* rbORSearch = nullptr;
    QGroupBox* gbxSelection = nullptr;
    QRadioButton* rbSearchFieldSelected = nullptr;
    QRadioButton* rbHitListSelected = nullptr;
    TBitBtn* btCancel = nullptr;
    TBitBtn* btOK = nullptr;

private:
    void CreateControls();
};
