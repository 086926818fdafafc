#!/usr/bin/env bash
# Builds and runs every test tier: native (plain, with sanitizers and fuzzing, and the worker-thread
# tests with ThreadSanitizer), the Win32 back end under Wine, end to end under Wine, and the setup
# program under Wine. Exits non-zero when any tier fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" || exit 1

status=0
# Runs one step; false when it failed.
tier() {
  local name=$1
  shift
  echo "=== $name"
  if ! "$@"; then
    echo "=== $name FAILED"
    status=1
    return 1
  fi
}
# A tier's tests run only when its build succeeded: tests of stale binaries would say nothing.
build_and_test() {
  local kind=$1 label=$2
  shift 2
  if tier "$kind build" "$root/scripts/build.sh" "$kind"; then
    tier "$label" ctest --test-dir "$root/build/$kind" --output-on-failure "$@"
  else
    echo "=== $label SKIPPED: the build failed"
  fi
}

jobs=$(nproc)
build_and_test native "native tests" -j "$jobs"
build_and_test sanitize "sanitizer and fuzz tests" -j "$jobs"
build_and_test tsan "thread sanitizer tests" -j "$jobs"
build_and_test windows "win32, end-to-end and installer tests"
if [ $status -eq 0 ]; then echo "=== all tiers passed"; fi
exit $status
