#include "platform/core/canvas.h"

#include <cmath>

namespace platform {

int enlarged_size(int size)
{
    return static_cast<int>(std::nearbyint(size * 1.5));   // the default rounding mode: halves to even
}

} // namespace platform
