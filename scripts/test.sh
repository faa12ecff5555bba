#!/usr/bin/env bash
# Sets up, builds and runs every test: the unit and GUI tests (ctest), then
# each fuzz target for a fixed time under libFuzzer with ASan and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2 --timeout 300)

export WINTOLA_FUZZ_SECONDS=${WINTOLA_FUZZ_SECONDS:-30}
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DWINTOLA_FUZZ=ON > build-fuzz-configure.log || { cat build-fuzz-configure.log; exit 1; }
cmake --build build-fuzz -j 2
(cd build-fuzz && ctest --output-on-failure -j 2 --timeout 600)
