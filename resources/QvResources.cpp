#include "resources/QvResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares a function at global scope, so it must not be
// used inside a namespace.
void initQvResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(translations);
}
