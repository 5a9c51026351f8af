#!/usr/bin/env bash
# Tests the private apt configuration of mingw-libs.sh: the machine's apt source
# files turned into source lines, and the error, with nothing of an earlier build
# lost, when the machine has no usable source.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
scripts=$(dirname "$here")
fixture=$here/apt-sources
source "$scripts/apt-sources.sh"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Enabled entries of every form become deb-src lines; disabled files, disabled
# stanzas, comments, other types and names apt skips stay out.
(cd "$fixture" && apt_write_source_lines etc/sources.list etc/sources.list.d "$tmp/out") > "$tmp/read"
for f in machine.list machine.sources; do
    diff -u "$fixture/expected/$f" "$tmp/out/$f" || fail "$f differs from expected/$f"
done
diff -u "$fixture/expected/read" "$tmp/read" || fail "the files read differ from expected/read"

# Only deb822 files: machine.sources alone, no empty machine.list.
mkdir -p "$tmp/deb822-only/parts"
cp "$fixture/etc/sources.list.d/debian.sources" "$tmp/deb822-only/parts/"
apt_write_source_lines "$tmp/deb822-only/none.list" "$tmp/deb822-only/parts" "$tmp/out2" > /dev/null
[ -f "$tmp/out2/machine.sources" ] && [ ! -e "$tmp/out2/machine.list" ] \
    || fail "deb822 sources alone should give machine.sources only"

# No usable source: an error naming what was read and what is needed, and the
# output folder left as it was. The error is left in $message.
check_error() {
    local what=$1 list=$2 parts=$3 out=$tmp/kept
    mkdir -p "$out"
    echo "earlier" > "$out/machine.list"
    if message=$(apt_write_source_lines "$list" "$parts" "$out" 2>&1); then
        fail "$what: should fail"
    fi
    grep -q "no enabled source" <<<"$message" || fail "$what: no error message: $message"
    grep -q "read: " <<<"$message" || fail "$what: the error does not say which files were read: $message"
    grep -q "needed: " <<<"$message" || fail "$what: the error does not say what is needed: $message"
    [ "$(cat "$out/machine.list")" = "earlier" ] || fail "$what: the output folder was changed"
}
mkdir -p "$tmp/empty/sources.list.d"
check_error "empty folder" "$tmp/empty/sources.list" "$tmp/empty/sources.list.d"
grep -q "sources.list is missing" <<<"$message" || fail "empty folder: the error does not name the missing list file"

mkdir -p "$tmp/unusable/sources.list.d"
printf '# deb file:/srv/retired bookworm main\n' > "$tmp/unusable/sources.list"
printf 'Types: deb\nEnabled: no\nURIs: file:/srv/off\nSuites: bookworm\nComponents: main\n' \
    > "$tmp/unusable/sources.list.d/off.sources"
cp "$fixture/etc/sources.list.d/old.list.disabled" "$tmp/unusable/sources.list.d/"
check_error "only disabled entries" "$tmp/unusable/sources.list" "$tmp/unusable/sources.list.d"
grep -q "read: $tmp/unusable/sources.list $tmp/unusable/sources.list.d/off.sources$" <<<"$message" \
    || fail "only disabled entries: the error does not list the files read"

# The whole script, on a machine without sources, with an earlier build in place
# that still lacks one library: it stops before fetching or building anything
# and leaves every file of the earlier build as it was.
repo=$tmp/repo
mkdir -p "$repo/scripts" "$repo/build/mingw-libs/prefix/lib" "$repo/build/mingw-libs/src/libpng1.6/libpng1.6-1.6.39"
cp "$scripts/mingw-libs.sh" "$scripts/apt-sources.sh" "$repo/scripts/"
touch "$repo/build/mingw-libs/prefix/.built-png" "$repo/build/mingw-libs/prefix/.built-gtest" \
      "$repo/build/mingw-libs/src/libpng1.6/.unpacked"
echo "library" > "$repo/build/mingw-libs/prefix/lib/libpng16.a"
mkdir -p "$repo/build/mingw-libs/apt/sources.list.d"
echo "deb-src file:/srv/earlier bookworm main" > "$repo/build/mingw-libs/apt/sources.list.d/machine.list"
listing() { (cd "$repo/build" && find . -print0 | LC_ALL=C sort -z | xargs -0 ls -ld --time-style=+%s.%N | md5sum); }
before=$(listing)
printf 'Dir::Etc::sourcelist "%s";\nDir::Etc::sourceparts "%s";\n' \
    "$tmp/empty/sources.list" "$tmp/empty/sources.list.d" > "$tmp/apt.conf"
if message=$(APT_CONFIG=$tmp/apt.conf "$repo/scripts/mingw-libs.sh" 2>&1); then
    fail "mingw-libs.sh should fail without apt sources"
fi
grep -q "no enabled source" <<<"$message" || fail "mingw-libs.sh: no clear error: $message"
grep -q "mingw-libs: libjpeg" <<<"$message" && fail "mingw-libs.sh went on to a library: $message"
[ "$(listing)" = "$before" ] || fail "mingw-libs.sh changed the earlier build"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "apt source lines: all checks passed"
