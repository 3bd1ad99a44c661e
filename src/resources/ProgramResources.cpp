#include "resources/ProgramResources.h"

#include <QFileInfo>
#include <QImageReader>
#include <QtGlobal>
#include <mutex>

// Outside any namespace, as the resource initialiser needs.
static void InitResourcesOnce() {
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(platforms);
}

void InitProgramResources() {
    static std::once_flag once;
    std::call_once(once, InitResourcesOnce);
}

QImage ReadProgramPicture(const QString& resource, const char* format) {
    InitProgramResources();
    const QByteArray named =
        format != nullptr ? QByteArray(format) : QFileInfo(resource).suffix().toLatin1();
    QImageReader reader(resource, named.toLower());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
