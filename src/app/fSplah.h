#pragma once

#include <memory>

#include "app/DialogFrame.h"

class QComboBox;
class QFrame;
class QLabel;
class TBitBtn;
class TClickLabel;

// The information window: the product picture, the program's name, description, website
// link and author line; in information mode also the language choice and a close button.
// Without information mode it is the splash shown while the program starts.
class TFormSplash : public TDialogFrame {
    Q_OBJECT

public:
    // Shows the program's `language` and changes it; owned by `parent`, the main window.
    TFormSplash(TWindowLanguage& language, QWidget* parent);

    // Set right after creation, before the window is shown.
    void SetInformationMode(bool informationMode) { InformationMode = informationMode; }

    void ComboBoxLanguageChange(int index);
    void Label4Click();
    void Image1Click();

    TClickLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    TClickLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* lbxLanguage = nullptr;
    QComboBox* ComboBoxLanguage = nullptr;
    TBitBtn* butClose = nullptr;
    bool InformationMode = false;

private:
    void CreateControls();
    void ConnectHandlers();
    void FormShow() override;
    void FitDescriptionAndLink();
};

// Shows the splash over `parent` without waiting and returns once it is on the screen, painted.
std::unique_ptr<TFormSplash> ShowSplash(TWindowLanguage& language, QWidget* parent);
