#!/usr/bin/env bash
# Measures how much of the product the tests run: builds everything with gcc
# --coverage at -O0 into build-coverage/, runs the whole ctest there, and
# prints gcovr's summary of lines, functions and branches.
#
# Counted: every source of the product (every folder but tests/, bench/,
# fuzz/ and the build folders: the libraries, the programs, tools/), in every
# program that ran, the students tool and the tutor started by the tests
# included. Not counted: tests/, bench/, fuzz/ and generated sources (moc,
# resources) in the build folders, nor the compiler check of the
# configuration. Branches are all gcc makes, those of exception handling
# included, but not those gcc itself marks unreachable. The build takes no
# precompiled headers, so it also shows every file including what it uses.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-coverage
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWINTOLA_BENCH=OFF \
  -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON \
  -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS=--coverage \
  -DCMAKE_SHARED_LINKER_FLAGS=--coverage -DCMAKE_MODULE_LINKER_FLAGS=--coverage \
  > "$build-configure.log" || { cat "$build-configure.log"; exit 1; }
cmake --build "$build" -j 2
# Counts of an earlier run would add up with this one's.
find "$build" -name '*.gcda' -delete
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j 2 --timeout 300 --output-on-failure) || status=$?

gcovr --root . --object-directory "$build" -j 2 \
  --exclude 'tests/' --exclude 'bench/' --exclude 'fuzz/' --exclude 'build[^/]*/' \
  --exclude-directories "$build/CMakeFiles" --exclude-unreachable-branches \
  --print-summary --output "$build/coverage.txt"
echo "per file: $build/coverage.txt"
exit "${status:-0}"
