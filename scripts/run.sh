#!/usr/bin/env bash
# Sets up, builds and starts the students manager on the bundled sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec build/bin/students_manager
