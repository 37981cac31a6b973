#!/usr/bin/env bash
# Sets the machine up, then builds and runs every test twice: a normal build
# with warnings as errors, and a build under AddressSanitizer and
# UndefinedBehaviorSanitizer. Tests run headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_build() {
  local dir=$1; shift
  cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

echo "== normal build (warnings as errors)"
run_build "$root/build/ci" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRM_WERROR=ON -DRM_BENCH=ON

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
run_build "$root/build/ci-asan" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DRM_WERROR=ON -DRM_SANITIZE=ON -DRM_BENCH=OFF
