#!/usr/bin/env bash
# Configures and builds the program and its tests in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWINTOLA_WERROR=ON > build-configure.log || { cat build-configure.log; exit 1; }
cmake --build build -j 2
