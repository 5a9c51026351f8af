#!/usr/bin/env bash
# Builds the static libraries that the Windows cross build needs and Debian does
# not ship for MinGW: libpng and libjpeg (JUCE's image loaders), Google Benchmark
# and GoogleTest. libpng, libjpeg-turbo and benchmark come from Debian's own source
# packages, fetched with a private apt configuration whose source lines are the
# machine's own enabled apt sources turned into "deb-src" (the machine's apt
# configuration is left untouched); GoogleTest comes from /usr/src/googletest.
# zlib is Debian's libz-mingw-w64-dev.
#
#   scripts/mingw-libs.sh [PREFIX]     (default: build/mingw-libs/prefix)
#
# Every library is built once; later runs find its stamp and skip it.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."

triple=x86_64-w64-mingw32
work=$PWD/build/mingw-libs
prefix=${1:-$work/prefix}
jobs=${VIZEVA_JOBS:-$(nproc)}
toolchain=$PWD/cmake/windows/MingwToolchain.cmake
mkdir -p "$work" "$prefix"

# Private apt state, its source lines taken from the machine's own apt sources.
source scripts/apt-sources.sh
apt_dir=$work/apt
apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list"
          -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
          -o "Dir::State::Lists=$apt_dir/lists"
          -o "Dir::Cache=$apt_dir/cache"
          -o "APT::Sandbox::User=$(id -un)")

# Fails, before anything is fetched or changed, when the machine has no usable source.
prepare_apt() {
    local machine_list=/etc/apt/sources.list machine_parts=/etc/apt/sources.list.d
    eval "$(apt-config shell machine_list Dir::Etc::sourcelist/f machine_parts Dir::Etc::sourceparts/d)"
    local lines read_files
    lines=$(mktemp -d)
    if ! read_files=$(apt_write_source_lines "$machine_list" "${machine_parts%/}" "$lines"); then
        rm -rf "$lines"
        echo "mingw-libs: cannot fetch the source packages of libpng, libjpeg-turbo and Google Benchmark" >&2
        return 1
    fi
    echo "mingw-libs: apt sources from ${read_files//$'\n'/ }"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    rm -rf "$apt_dir/sources.list.d"
    mv "$lines" "$apt_dir/sources.list.d"
    : > "$apt_dir/sources.list"
    apt-get "${apt_opts[@]}" update -qq
}

# The mark file of the source package $1 once unpacked into $work/src/$1.
unpacked() { echo "$work/src/$1/.unpacked"; }

# Unpacks the source package $1 into $work/src/$1 (once) and prints its folder.
fetch_source() {
    local package=$1 dir=$work/src/$1
    if [ ! -f "$(unpacked "$package")" ]; then
        rm -rf "$dir"
        mkdir -p "$dir"
        # Newest version first; a mirror may list a version it cannot serve yet.
        local version ok=0
        for version in $(apt-cache "${apt_opts[@]}" showsrc "$package" \
                         | sed -n 's/^Version: //p' | sort -u -r -V); do
            if (cd "$dir" && apt-get "${apt_opts[@]}" source -qq "$package=$version" >&2 2>/dev/null); then
                ok=1
                break
            fi
            rm -rf "${dir:?}"/*
        done
        [ "$ok" -eq 1 ] || { echo "could not fetch the source of $package" >&2; return 1; }
        touch "$(unpacked "$package")"
    fi
    find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n1
}

cmake_build() {
    local source=$1 build=$2; shift 2
    cmake -S "$source" -B "$build" -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_POSITION_INDEPENDENT_CODE=OFF \
        "$@" > "$build.log" 2>&1 || { cat "$build.log"; return 1; }
    cmake --build "$build" -j"$jobs" >> "$build.log" 2>&1 || { tail -n 50 "$build.log"; return 1; }
    cmake --install "$build" >> "$build.log" 2>&1
}

stamp() { echo "$prefix/.built-$1"; }

# apt is set up only when a library still needs its source package.
for lib in png:libpng1.6 jpeg:libjpeg-turbo benchmark:benchmark; do
    if [ ! -f "$(stamp "${lib%%:*}")" ] && [ ! -f "$(unpacked "${lib#*:}")" ]; then
        prepare_apt
        break
    fi
done

if [ ! -f "$(stamp png)" ]; then
    echo "mingw-libs: libpng"
    src=$(fetch_source libpng1.6)
    cmake_build "$src" "$work/build-png" \
        -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DSKIP_INSTALL_PROGRAMS=ON -DSKIP_INSTALL_FILES=ON
    touch "$(stamp png)"
fi

if [ ! -f "$(stamp jpeg)" ]; then
    echo "mingw-libs: libjpeg-turbo"
    src=$(fetch_source libjpeg-turbo)
    cmake_build "$src" "$work/build-jpeg" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
        -DWITH_JPEG8=ON -DCMAKE_INSTALL_DEFAULT_LIBDIR=lib
    # JUCE's loader defines JPEG_INTERNALS, which needs the private headers too.
    cp "$src/jpegint.h" "$src/jerror.h" "$prefix/include/"
    # jconfig.h declares boolean only while rpcndr.h has not been read, but JUCE
    # includes it inside a namespace after <windows.h> and then names
    # that namespace's boolean: declare it always (the same type rpcndr.h uses).
    sed -i '/^#ifndef __RPCNDR_H__/{N;N;s/^#ifndef __RPCNDR_H__[^\n]*\n\(typedef unsigned char boolean;\)\n#endif/\1/}' \
        "$prefix/include/jconfig.h"
    grep -q '^typedef unsigned char boolean;' "$prefix/include/jconfig.h"
    touch "$(stamp jpeg)"
fi

if [ ! -f "$(stamp benchmark)" ]; then
    echo "mingw-libs: Google Benchmark"
    src=$(fetch_source benchmark)
    cmake_build "$src" "$work/build-benchmark" -DGIT_VERSION="$(basename "$src" | sed 's/^benchmark-//')" \
        -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF \
        -DBENCHMARK_ENABLE_WERROR=OFF -DBENCHMARK_ENABLE_INSTALL=ON -DBUILD_SHARED_LIBS=OFF
    touch "$(stamp benchmark)"
fi

if [ ! -f "$(stamp gtest)" ]; then
    echo "mingw-libs: GoogleTest"
    cmake_build /usr/src/googletest "$work/build-gtest" \
        -DBUILD_GMOCK=OFF -DBUILD_SHARED_LIBS=OFF -Dgtest_disable_pthreads=OFF
    touch "$(stamp gtest)"
fi

echo "mingw-libs: ready in $prefix"
