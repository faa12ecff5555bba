#pragma once

namespace resources {

// The program's pictures, compiled in and found under ":/NAME".

void init_resources();

} // namespace resources
