#!/usr/bin/env bash
# Builds the desktop program and the headless command (installing what is
# missing) and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/gui -DVELDRIN_GUI=ON -DVELDRIN_BENCHMARKS=OFF > /dev/null
cmake --build build/gui -j"$(nproc)" --target veldrin veldrin-report
exec build/gui/app/veldrin "$@"
