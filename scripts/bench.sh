#!/usr/bin/env bash
# Builds the native benchmarks and runs each; every one prints its ratios against a floor measured
# in the same run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" native
for b in "$root"/build/native/bench/*_bench; do
  echo "=== $(basename "$b")"
  "$b" --benchmark_counters_tabular=true "$@"
done
