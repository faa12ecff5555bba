#!/usr/bin/env bash
# Sets up, builds and starts the students manager on the bundled sample data:
# a demo folder under build/ with a few students that have results. Only
# what the run needs is built (the manager with its data files, and the
# demo writer); scripts/build.sh builds everything, tests included.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > build-configure.log || { cat build-configure.log; exit 1; }
cmake --build build -j 2 --target students_manager make_demo_students shipped_data
mkdir -p build/demo
cd build/demo
../bin/make_demo_students .
exec ../bin/students_manager
