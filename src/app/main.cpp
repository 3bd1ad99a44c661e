// Lumbrafix: looks up file extensions in an offline database.

#include "app/SearchMain.h"
#include "app/Startup.h"
#include "app/fFileInfo.h"
#include "platform/Application.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    InstallFontSubstitutes();
    SetApplicationTitle("Lumbrafix v1.2");
    SetProgramIcon();
    const std::unique_ptr<TLumbrafixForm> form = StartLumbrafix();
    QObject::connect(form.get(), &QDialog::finished, &application, &QApplication::quit);
    form->show();
    // "lumbrafix FILE", as the file managers' context-menu entry starts it.
    if (const QStringList arguments = QCoreApplication::arguments(); arguments.size() > 1) {
        form->LookUpExtensionOf(arguments.at(1));
        OpenFileWindow(*form, arguments.at(1));
    }
    return TApplication::exec();
}
