#include "resources/resources.h"

#include <QtGlobal>

// Qt's resource initialiser must be named from the global namespace.
static void init_compiled_resources()
{
    Q_INIT_RESOURCE(resources);
}

namespace resources {

void init_resources()
{
    init_compiled_resources();
}

} // namespace resources
