#include "app/CommandLine.h"

#include "app/SearchMain.h"
#include "controls/Edit.h"
#include "lookup/ExactExtension.h"

// The name's "/" and "." are single bytes in UTF-8, so the bytes' rule gives the same part.
QString ExtensionOfFile(const QString& path) {
    return QString::fromStdString(ExtensionOfName(path.toStdString()));
}

void TLumbrafixForm::LookUpExtensionOf(const QString& file) {
    const QString extension = ExtensionOfFile(file);
    if (!extension.isEmpty()) {
        edExtension->setText(extension);
        butSearchClick();
    }
}
