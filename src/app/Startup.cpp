#include "app/Startup.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "app/SearchMain.h"
#include "db/DatabaseFile.h"
#include "db/DatabaseLoad.h"
#include "resources/ProgramResources.h"

std::unique_ptr<TLumbrafixForm> StartLumbrafix(std::filesystem::path programFolder) {
    // The file is read on the other core while the window's controls are built.
    auto load = StartDatabaseLoad(DatabaseFileToRead(programFolder));
    auto form = std::make_unique<TLumbrafixForm>(std::move(programFolder));
    form->FormCreate(std::move(load));
    return form;
}

void SetProgramIcon() {
    QIcon icon;
    // Window frames and task lists use the small sizes; the launcher takes the large ones from
    // the icon theme. Every size given here is decoded and sent with each window at start-up.
    for (const int size : {16, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(
            ReadProgramPicture(QStringLiteral(":/icons/lumbrafix-%1.png").arg(size))));
    }
    QApplication::setWindowIcon(icon);
}
