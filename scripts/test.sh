#!/usr/bin/env bash
# Runs every test: a Release build and a Debug build with AddressSanitizer and
# UndefinedBehaviorSanitizer, each with its whole suite under a virtual display,
# and between them a bounded libFuzzer run of the state reader under ASan (clang);
# then the Windows module's build and its suite under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${VIZEVA_JOBS:-$(nproc)}

run_suite() {
    local dir=$1; shift
    cmake -S . -B "$dir" "$@"
    cmake --build "$dir" -j"$jobs"
    (cd "$dir" && xvfb-run -a -s "-screen 0 1280x1024x24" ctest -j"$jobs" --output-on-failure)
}

# Fails when the fuzzer finds a crash, a hang (over 10 s for one input), memory use
# past 2 GiB or a saved block that does not restore to itself.
run_fuzz() {
    local dir=build/fuzz seconds=${VIZEVA_FUZZ_SECONDS:-60}
    CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIZEVA_FUZZ=ON -DVIZEVA_TESTS=OFF
    cmake --build "$dir" -j"$jobs" --target VizevaStateFuzzer

    local corpus log="$dir/fuzz.log"
    corpus=$(mktemp -d)
    mkdir -p "$dir/artifacts"
    echo "Fuzzing the state reader for ${seconds} s (log: $log)"
    if ASAN_OPTIONS=detect_leaks=0:halt_on_error=1 "$dir/fuzz/VizevaStateFuzzer" \
            -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
            -dict=fuzz/state.dict -artifact_prefix="$dir/artifacts/" -print_final_stats=1 \
            "$corpus" fuzz/seeds >"$log" 2>&1; then
        grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
        rm -rf "$corpus"
    else
        tail -n 80 "$log"
        echo "The fuzzer failed; the input is in $dir/artifacts/" >&2
        rm -rf "$corpus"
        return 1
    fi
}

run_suite build/release -DCMAKE_BUILD_TYPE=Release
run_fuzz
ASAN_OPTIONS=detect_leaks=0:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVIZEVA_SANITIZE=ON

# The Windows module, cross-built with MinGW-w64, and its tests under Wine.
scripts/windows.sh
