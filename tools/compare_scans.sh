#!/bin/sh
# Counts the cases whose fingerprint differs between two veldrin-scan outputs
# made with the same count and seed. Usage: tools/compare_scans.sh BEFORE AFTER
awk 'FNR == NR { if ($1 != "#") before[$1] = $0; next }
     $1 != "#" && before[$1] != $0 { changed++ }
     END { print changed + 0, "cases changed fingerprint" }' "$1" "$2"
