#pragma once

#include <QDialog>
#include <memory>
#include <string>

class QComboBox;
class QFrame;
class QLabel;
class TBitBtn;
class TClickLabel;
class TLumbrafixForm;

// The information window: the product picture, the program's name, description, website
// link and author line; in information mode also the language choice and a close button.
// Without information mode it is the splash shown while the program starts.
class TFormSplash : public QDialog {
    Q_OBJECT

public:
    // Owned by the main window, whose language the window shows and changes.
    explicit TFormSplash(TLumbrafixForm& mainWindow);

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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void FormShow();
    void FitDescriptionAndLink();
    std::string Text(int offset) const;

    TLumbrafixForm& mainWindow_;
};

// Shows the splash without waiting and returns once it is on the screen, painted.
std::unique_ptr<TFormSplash> ShowSplash(TLumbrafixForm& mainWindow);
