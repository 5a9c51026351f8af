#!/usr/bin/env bash
# Installs what the build needs on Debian 12, builds the plug-in in Release,
# installs Vizeva.vst3 into ~/.vst3 and renders a short demo through it.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

"${sudo_cmd[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends \
    build-essential cmake pkg-config juce-modules-source libgtest-dev libbenchmark-dev \
    clang libclang-rt-14-dev xvfb xauth fonts-dejavu-core
# The test command also cross-builds the Windows module and runs its tests under Wine.
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends \
    g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev dpkg-dev \
    debian-archive-keyring wine wine64

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j"$(nproc)"

mkdir -p "$HOME/.vst3"
rm -rf "$HOME/.vst3/Vizeva.vst3"
cp -r build/release/Vizeva_artefacts/Release/VST3/Vizeva.vst3 "$HOME/.vst3/"
echo "Installed $HOME/.vst3/Vizeva.vst3"

if [ -x build/release/host/vizeva-render ]; then
    build/release/host/vizeva-render "$HOME/.vst3/Vizeva.vst3" "$PWD/demo.wav"
fi
