#!/usr/bin/env bash
# Builds the program and its Debian package (build/technical-drawing-tutor_*.deb).
# Install it with: apt install ./build/technical-drawing-tutor_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
(cd build && cpack -G DEB)
ls build/*.deb
