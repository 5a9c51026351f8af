# Source lines for a private apt configuration, derived from the machine's own
# enabled apt sources, so that source packages come from wherever the machine's
# apt is set up to fetch from (a mirror, a proxy, a snapshot).
# Sourced by mingw-libs.sh and by its test; defines functions only.

# Prints the files apt itself reads for sources, in apt's order: the list file,
# then the parts folder's *.list and *.sources files, sorted. apt skips other
# extensions (".disabled", ".save", ...) and names with other characters.
apt_source_files() {
    local list=$1 parts=$2 f name
    [ -f "$list" ] && printf '%s\n' "$list"
    [ -d "$parts" ] || return 0
    while IFS= read -r f; do
        name=${f##*/}
        [[ $name =~ ^[A-Za-z0-9_.-]+\.(list|sources)$ ]] && [ -f "$f" ] && printf '%s\n' "$f"
    done < <(find "$parts" -mindepth 1 -maxdepth 1 | LC_ALL=C sort)
}

# One-line entries ("deb ..." or "deb-src ...") turned into "deb-src ...", the
# options and the rest of the line kept; comments and other types dropped.
apt_one_line_sources() {
    awk '
        { sub(/(^|[ \t])#.*/, "") }
        $1 == "deb" || $1 == "deb-src" {
            sub(/^[ \t]*deb(-src)?[ \t]+/, "")
            sub(/[ \t]+$/, "")
            line = "deb-src " $0
            if (!(line in seen)) { seen[line] = 1; print line }
        }' "$@"
}

# deb822 stanzas with a "deb" or "deb-src" type, their Types field set to
# "deb-src" and every other field (Signed-By, continuation lines) kept. Stanzas
# with "Enabled: no" and comment lines are dropped.
apt_deb822_sources() {
    awk '
        function flush(   i) {
            if (n > 0 && wanted && enabled) {
                if (printed) print ""
                for (i = 1; i <= n; i++) print kept[i]
                printed = 1
            }
            n = 0; wanted = 0; enabled = 1; skipping = 0
        }
        FNR == 1 { flush() }
        /^#/ { next }
        /^[ \t]*$/ { flush(); next }
        /^[ \t]/ { if (!skipping) kept[++n] = $0; next }
        {
            skipping = 0
            field = tolower($0); sub(/:.*/, "", field)
            value = $0; sub(/^[^:]*:[ \t]*/, "", value)
            if (field == "types") {
                if (value ~ /(^|[ \t])deb(-src)?([ \t]|$)/) wanted = 1
                kept[++n] = "Types: deb-src"
                skipping = 1
                next
            }
            if (field == "enabled" && tolower(value) ~ /^[ \t]*(no|false|off|without|disable)[ \t]*$/)
                enabled = 0
            kept[++n] = $0
        }
        END { flush() }' "$@"
}

# Writes machine.list and machine.sources into the folder $3 from the list file
# $1 and the parts folder $2. With no usable entry it says which files it read
# and what is needed, and fails, leaving $3 as it was.
apt_write_source_lines() {
    local list=$1 parts=$2 out=$3
    local files=() one=() deb822=() f one_text deb822_text
    mapfile -t files < <(apt_source_files "$list" "$parts")
    for f in "${files[@]}"; do
        case $f in
            *.sources) deb822+=("$f") ;;
            *) one+=("$f") ;;
        esac
    done
    one_text=$([ ${#one[@]} -eq 0 ] || apt_one_line_sources "${one[@]}")
    deb822_text=$([ ${#deb822[@]} -eq 0 ] || apt_deb822_sources "${deb822[@]}")

    if [ -z "$one_text" ] && [ -z "$deb822_text" ]; then
        {
            echo "error: the machine's apt configuration has no enabled source to fetch Debian source packages from."
            if [ ${#files[@]} -eq 0 ]; then
                echo "  read: no file ($list is missing, and $parts has no *.list or *.sources file)"
            else
                echo "  read: ${files[*]}"
            fi
            echo "  needed: an enabled \"deb\" or \"deb-src\" entry for a Debian 12 (bookworm) archive that"
            echo "  also serves source packages, as a line in $list or a *.list file in $parts,"
            echo "  or a stanza in a *.sources file there."
        } >&2
        return 1
    fi

    mkdir -p "$out"
    rm -f "$out/machine.list" "$out/machine.sources"
    [ -z "$one_text" ] || printf '%s\n' "$one_text" > "$out/machine.list"
    [ -z "$deb822_text" ] || printf '%s\n' "$deb822_text" > "$out/machine.sources"
    printf '%s\n' "${files[@]}"
}
