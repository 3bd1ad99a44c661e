// Lumbrafix: looks up file extensions in an offline database.

#include <QFile>

#include "app/DialogFrame.h"
#include "app/ProgramArguments.h"
#include "app/SearchMain.h"
#include "app/Startup.h"
#include "app/fFileInfo.h"
#include "qtplatform/Application.h"
#include "qtplatform/ApplicationTitle.h"
#include "text/ProgramVersion.h"

int main(int argc, char** argv) {
    const TProgramArguments arguments = ParseProgramArguments({argv + 1, argv + argc});
    if (const std::optional<int> status = AnswerWithoutWindow(arguments)) {
        return *status;
    }
    int windowArguments = 1;  // the windowing library sees the program name only
    ExplainStartFailureAs(kNoDisplayMessage);
    TApplication application(windowArguments, argv);
    EndStartFailureExplanation();
    // Every window is laid out in the designed font; as the default it also spares the set-up
    // of the system font, which a line edit would otherwise load for its first empty layout.
    QApplication::setFont(DesignedFont(11));
    SetApplicationTitle(LUMBRAFIX_TITLE);
    SetProgramIcon();
    const std::unique_ptr<TLumbrafixForm> form = StartLumbrafix();
    QObject::connect(form.get(), &QDialog::finished, &application, &QApplication::quit);
    form->show();
    // "lumbrafix FILE", as the file managers' context-menu entry starts it.
    if (!arguments.file.empty()) {
        const QString file = QFile::decodeName(arguments.file.c_str());
        form->LookUpExtensionOf(file);
        OpenFileWindow(*form, file);
    }
    return TApplication::exec();
}
