#!/usr/bin/env bash
# Runs every test: a Release build and a Debug build with AddressSanitizer and
# UndefinedBehaviorSanitizer, each with its whole suite under a virtual display,
# then the Windows module's build and its suite under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

run_suite() {
    local dir=$1; shift
    cmake -S . -B "$dir" "$@"
    cmake --build "$dir" -j"$jobs"
    (cd "$dir" && xvfb-run -a -s "-screen 0 1280x1024x24" ctest -j"$jobs" --output-on-failure)
}

run_suite build/release -DCMAKE_BUILD_TYPE=Release
ASAN_OPTIONS=detect_leaks=0:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVIZEVA_SANITIZE=ON

# The Windows module, cross-built with MinGW-w64, and its tests under Wine.
scripts/windows.sh
