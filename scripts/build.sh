#!/usr/bin/env bash
# Configures and builds one configuration: native, sanitize, tsan or windows.
# Usage: build.sh KIND [targets]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
usage() { echo "usage: $0 native|sanitize|tsan|windows [targets]" >&2; exit 2; }
[ $# -ge 1 ] || usage
kind=$1
shift
case "$kind" in
  native)
    dir="$root/build/native"
    args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQV_BENCH=ON) ;;
  sanitize)
    dir="$root/build/sanitize"
    args=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQV_SANITIZE=ON -DQV_FUZZ=ON) ;;
  tsan)
    # Only the tests of code that runs on worker threads, with ThreadSanitizer.
    dir="$root/build/tsan"
    args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQV_TSAN=ON)
    [ $# -gt 0 ] || set -- qv_launch_tests ;;
  windows)
    dir="$root/build/windows"
    args=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-w64.cmake") ;;
  *) usage ;;
esac
cmake -S "$root" -B "$dir" -G Ninja "${args[@]}" >/dev/null
ninja -C "$dir" "$@"
