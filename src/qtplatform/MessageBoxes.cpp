#include "qtplatform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "qtplatform/AnsiQt.h"
#include "qtplatform/ApplicationTitle.h"

namespace {

TMessageBoxes& RealMessageBoxes() {
    static TMessageBoxes real;
    return real;
}

TMessageBoxes* current = nullptr;

void ShowBox(QMessageBox::Icon icon, const QString& title, const std::string& text) {
    QMessageBox box(icon, title, ToQString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

}  // namespace

void TMessageBoxes::ShowMessage(const std::string& text) {
    ShowBox(QMessageBox::NoIcon, ToQString(ApplicationTitle()), text);
}

void TMessageBoxes::MessageDlg(const std::string& text, TMsgDlgType type) {
    switch (type) {
        case TMsgDlgType::mtWarning:
            ShowBox(QMessageBox::Warning, QStringLiteral("Warnung"), text);
            break;
        case TMsgDlgType::mtError:
            ShowBox(QMessageBox::Critical, QStringLiteral("Fehler"), text);
            break;
        case TMsgDlgType::mtInformation:
            ShowBox(QMessageBox::Information, QStringLiteral("Informationen"), text);
            break;
    }
}

void TMessageBoxes::ErrorBox(const std::string& text) {
    ShowBox(QMessageBox::Critical, ToQString(ApplicationTitle()), text);
}

bool TMessageBoxes::Confirm(const std::string& text, const std::string& yes,
                            const std::string& no) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Warnung"), ToQString(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(ToQString(yes));
    box.button(QMessageBox::No)->setText(ToQString(no));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

TMessageBoxes& MessageBoxes() {
    return current != nullptr ? *current : RealMessageBoxes();
}

ScopedMessageBoxes::ScopedMessageBoxes(TMessageBoxes& replacement) : previous_(current) {
    current = &replacement;
}

ScopedMessageBoxes::~ScopedMessageBoxes() {
    current = previous_;
}
