#!/usr/bin/env bash
# Builds and tests both ways: with the GUI, and the core alone without any
# Qt (so a Qt include that creeps into the core breaks the build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
for variant in gui core; do
  dir=build/$variant
  gui=ON; [[ $variant == core ]] && gui=OFF
  cmake -S . -B "$dir" -DVELDRIN_GUI=$gui -DVELDRIN_BENCHMARKS=OFF > /dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")
done
