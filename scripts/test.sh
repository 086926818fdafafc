#!/usr/bin/env bash
# Builds and runs every test tier: native (plain and with sanitizers and fuzzing), the Win32 back
# end under Wine, and end to end under Wine. Exits non-zero when any tier fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" || exit 1

status=0
tier() {
  local name=$1
  shift
  echo "=== $name"
  if ! "$@"; then
    echo "=== $name FAILED"
    status=1
  fi
}

jobs=$(nproc)
tier "native build" "$root/scripts/build.sh" native
tier "native tests" ctest --test-dir "$root/build/native" --output-on-failure -j "$jobs"
tier "sanitizer build" "$root/scripts/build.sh" sanitize
tier "sanitizer and fuzz tests" ctest --test-dir "$root/build/sanitize" --output-on-failure -j "$jobs"
tier "windows build" "$root/scripts/build.sh" windows
tier "win32 and end-to-end tests" ctest --test-dir "$root/build/windows" --output-on-failure
if [ $status -eq 0 ]; then echo "=== all tiers passed"; fi
exit $status
