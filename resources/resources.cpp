#include "resources/resources.h"

#include <QtGlobal>

void init_resources()
{
    Q_INIT_RESOURCE(resources);
}
