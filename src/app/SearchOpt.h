#pragma once

#include <QDialog>
#include <string>

class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;
class TBitBtn;

// The search options dialog: AND or OR linking of the search terms, and whether the search
// field or the hit grid takes the focus after a search. The main window presets the choices,
// shows it modally and reads them back after OK; a fresh dialog serves each opening.
class TFormSerachOpt : public QDialog {
    Q_OBJECT

public:
    explicit TFormSerachOpt(QWidget* parent = nullptr);

    // Puts in the texts of the main window's current language.
    void FormShow();

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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    static std::string Text(int offset);
};
