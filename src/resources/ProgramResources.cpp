#include "resources/ProgramResources.h"

#include <QtGlobal>

// Outside any namespace, as the resource initialiser needs.
static void InitResourcesOnce() {
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(platforms);
}

void InitProgramResources() {
    static const bool initialised = (InitResourcesOnce(), true);
    (void)initialised;
}
