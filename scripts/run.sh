#!/usr/bin/env bash
# Sets up, builds and starts the students manager on the bundled sample data:
# a demo folder under build/ with a few students that have results.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
mkdir -p build/demo
cd build/demo
../bin/make_demo_students .
exec ../bin/students_manager
