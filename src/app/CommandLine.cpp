#include "app/CommandLine.h"

#include "app/SearchMain.h"
#include "controls/Edit.h"

QString ExtensionOfFile(const QString& path) {
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == name.size() - 1) {
        return {};
    }
    return name.mid(dot);
}

void TLumbrafixForm::LookUpExtensionOf(const QString& file) {
    const QString extension = ExtensionOfFile(file);
    if (!extension.isEmpty()) {
        edExtension->setText(extension);
        butSearchClick();
    }
}
