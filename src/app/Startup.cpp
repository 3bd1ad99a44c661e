#include "app/Startup.h"

#include <QApplication>
#include <QIcon>

#include "app/SearchMain.h"
#include "app/fSplah.h"
#include "qtplatform/Application.h"
#include "resources/ProgramResources.h"

namespace {

// Restores the cursor when the start-up is over, however it ends.
struct DefaultCursorAtEnd {
    DefaultCursorAtEnd() = default;
    DefaultCursorAtEnd(const DefaultCursorAtEnd&) = delete;
    DefaultCursorAtEnd& operator=(const DefaultCursorAtEnd&) = delete;
    ~DefaultCursorAtEnd() { RestoreDefaultCursor(); }
};

}  // namespace

std::unique_ptr<TLumbrafixForm> StartLumbrafix(std::string programFolder) {
    auto form = std::make_unique<TLumbrafixForm>(std::move(programFolder));
    const DefaultCursorAtEnd cursor;
    const std::unique_ptr<TFormSplash> splash = ShowSplash(*form);
    form->FormCreate();
    return form;
}

void SetProgramIcon() {
    InitProgramResources();
    QIcon icon;
    // Window frames and task lists use the small sizes; the launcher takes the large ones from
    // the icon theme. Every size given here is decoded and sent with each window at start-up.
    for (const int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/lumbrafix-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
}
