#!/usr/bin/env bash
# Builds the native benchmarks and runs each, then the real window's benchmark under Wine; every
# one prints its ratios against a floor measured in the same run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" native
for b in "$root"/build/native/bench/*_bench; do
  echo "=== $(basename "$b")"
  "$b" --benchmark_counters_tabular=true "$@"
done

"$root/scripts/build.sh" windows
echo "=== real_window_bench (under Wine)"
"$root/scripts/wine-run.sh" --template "$root/build/windows/wine-template" --timeout 1800 \
  "$root/build/windows/bench/wine/qv_real_window_bench.exe" \
  --program "$root/build/windows/Quorvane.exe"
