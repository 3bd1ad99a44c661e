#include "MainWindowFixture.h"

#include <QApplication>
#include <QTest>
#include <fstream>

#include "app/Startup.h"
#include "controls/Edit.h"
#include "db/DatabaseKey.h"

void RecordingMessageBoxes::MessageDlg(const std::string& text, TMsgDlgType type) {
    const char* kind = type == TMsgDlgType::mtWarning ? "warning"
                       : type == TMsgDlgType::mtError ? "error"
                                                      : "information";
    shown.push_back({kind, text});
}

MainWindowFixture::MainWindowFixture() {
    static int counter = 0;
    folder_ = std::filesystem::temp_directory_path() /
              ("lumbrafix app " + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(folder_);
}

MainWindowFixture::~MainWindowFixture() {
    form.reset();
    std::filesystem::remove_all(folder_);
}

void MainWindowFixture::WriteDatabase(const std::string& plainText) const {
    TMemoryStream plain;
    plain.WriteBuffer(plainText.data(), plainText.size());
    plain.SetPosition(0);
    TFileStream file(DatabasePath().string(), TFileMode::fmCreate);
    TLbBlowfish cipher;
    cipher.AssignKey(BuildDatabaseKey());
    cipher.EncipherStream(plain, file);
}

void MainWindowFixture::WriteRawDatabase(const std::string& bytes) const {
    std::ofstream(DatabasePath(), std::ios::binary) << bytes;
}

TLumbrafixForm& MainWindowFixture::OpenWindow() {
    form = StartLumbrafix(Folder());
    form->show();
    QApplication::setActiveWindow(form.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    return *form;
}

void MainWindowFixture::Search(const QString& extension, const QString& fileType,
                               const QString& program) {
    form->edExtension->setText(extension);
    form->edFileType->setText(fileType);
    form->edApp->setText(program);
    form->butSearchClick();
}
