#!/usr/bin/env bash
# Cross-builds the Windows x64 module with MinGW-w64 into build/windows and runs
# the Windows test programs under Wine (CTest label "wine"), under a virtual
# display so that the editor can be opened.
#
#   scripts/windows.sh            build and test
#   scripts/windows.sh --build    build only
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${VIZEVA_JOBS:-$(nproc)}
build=build/windows

scripts/mingw-libs.sh "$PWD/build/mingw-libs/prefix"

cmake -S . -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/windows/MingwToolchain.cmake" \
    -DJUCE_DIR=/usr/lib/x86_64-linux-gnu/cmake/JUCE-7.0.5 \
    -DVIZEVA_MINGW_PREFIX="$PWD/build/mingw-libs/prefix" \
    -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j"$jobs"
echo "Windows module: $build/Vizeva_artefacts/Release/VST3/Vizeva.vst3"

[ "${1:-}" = "--build" ] && exit 0

# A Wine prefix of the build's own, set up once.
export WINEPREFIX=$PWD/$build/wineprefix WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.initialised" ]; then
    wineboot --init
    wineserver -w
    touch "$WINEPREFIX/.initialised"
fi

# The prefix's wineserver is stopped before the virtual display goes away.
(cd "$build" && xvfb-run -a -s "-screen 0 1280x1024x24" \
    sh -c 'ctest -j"$1" -L wine --output-on-failure; status=$?; wineserver -k; exit $status' sh "$jobs")
