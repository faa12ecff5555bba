#!/usr/bin/env bash
# Sets up, builds and runs every test: the unit and GUI tests (ctest), then
# the fuzz targets under libFuzzer with ASan and UBSan, all at once, each for
# WINTOLA_FUZZ_SECONDS (15) after replaying its kept inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2 --timeout 300)

export WINTOLA_FUZZ_SECONDS=${WINTOLA_FUZZ_SECONDS:-15}
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DWINTOLA_FUZZ=ON > build-fuzz-configure.log || { cat build-fuzz-configure.log; exit 1; }
cmake --build build-fuzz -j 2
# All targets at once: the run takes one target's time, whatever their number.
(cd build-fuzz && ctest --output-on-failure -j 64 --timeout 600)
