#!/bin/sh
# Rewrites tests/golden/NAME.txt from NAME.in (+ NAME.args) with a built
# veldrin-report, the way golden_test runs it. Usage: tools/regen_golden.sh BUILD_DIR
# Review every change with git diff before committing it.
set -e
exe="$1/app/veldrin-report"
dir="$(dirname "$0")/../tests/golden"
for in in "$dir"/*.in; do
  name="${in%.in}"
  args=""
  [ -f "$name.args" ] && args="$(head -n 1 "$name.args")"
  # shellcheck disable=SC2086
  "$exe" "$in" $args -o "$name.txt" 2>/dev/null
done
