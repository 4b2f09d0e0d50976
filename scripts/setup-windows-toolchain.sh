#!/usr/bin/env bash
# Makes the toolchain that builds Candlewatcher for 64-bit Windows on Debian 12: Debian's MinGW-w64
# cross compiler, Wine, NSIS and Xvfb from its packages, then ICU, Qt (qtbase) and libical built
# for x86_64-w64-mingw32 from Debian's own source packages into one prefix in a cache folder
# outside the clone. docs/windows.md says what each part is built with and why. No Qt Svg and no
# QtKeychain: the program draws its icons at build time and calls the Windows credential store
# itself (src/platform/windows), and the mirror serves neither's sources.
#
#   scripts/setup-windows-toolchain.sh [--allow-missing]
#
#   CANDLEWATCHER_WINDOWS_TOOLCHAIN  the prefix (default: $XDG_CACHE_HOME, else ~/.cache, then
#                                    candlewatcher/windows-toolchain)
#   CANDLEWATCHER_WINDOWS_JOBS       parallel compile jobs (default: 2)
#
# A second run reuses every part whose stamp (its Debian source version, a hash of the lines
# here that build it, and the stamps of what it builds on) still matches, and rebuilds the rest.
# A part whose source package the mirror does not serve stops the run with an error after the
# others are built (--allow-missing makes that a warning); one whose upstream tarball is served
# without Debian's packaging is built from that tarball, unpatched, with a warning.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
toolchain_file=$here/cmake/mingw-w64-x86_64.cmake
prefix=${CANDLEWATCHER_WINDOWS_TOOLCHAIN:-${XDG_CACHE_HOME:-$HOME/.cache}/candlewatcher/windows-toolchain}
jobs=${CANDLEWATCHER_WINDOWS_JOBS:-2}
allow_missing=0
case "${1:-}" in
    --allow-missing) allow_missing=1 ;;
    "") ;;
    *) echo "usage: $0 [--allow-missing]" >&2; exit 2 ;;
esac
mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)
# The toolchain file finds the prefix through this variable.
export CANDLEWATCHER_WINDOWS_TOOLCHAIN=$prefix
stamps=$prefix/.stamps
logs=$prefix/.logs
work=$prefix/.work
mkdir -p "$stamps" "$logs"
triple=x86_64-w64-mingw32
# Builds share the machine: low priority.
build() { nice -n 10 "$@"; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

say() { printf '== %s\n' "$*"; }

packages=(
    # the cross compiler (posix threads: std::thread and std::mutex), its C half, and binutils
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    # running the Windows programs and tests, on a virtual display; the installer's compiler
    wine wine64 xvfb nsis
    # apt-get source unpacks and patches with dpkg-source
    dpkg-dev xz-utils
    # the builds: Qt's host tools (moc, rcc, uic) and its CMake packages for QT_HOST_PATH, ICU's
    # host tools for its cross build (icupkg, pkgdata), libical's generators (perl)
    cmake ninja-build make perl python3 pkg-config qt6-base-dev qt6-base-dev-tools icu-devtools
)

install_packages() {
    local missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    say "installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# apt-get source needs deb-src entries: the same mirrors, suites and components as the deb ones.
sources_list=/etc/apt/sources.list.d/candlewatcher-deb-src.sources
add_deb_src() {
    if apt-get indextargets --format '$(CREATED_BY)' | grep -qx Sources; then
        # configured: fetch the lists once if they never were
        local f
        for f in $(apt-get indextargets --format '$(FILENAME)' 'Created-By: Sources'); do
            ls "$f"* >/dev/null 2>&1 && return
        done
        as_root apt-get update -qq
        return
    fi
    say "adding deb-src entries for the configured mirrors ($sources_list)"
    local entries
    entries=$(
        {
            # deb822 stanzas of type deb, copied as deb-src (Signed-By and all)
            for f in /etc/apt/sources.list.d/*.sources; do
                [ -e "$f" ] && [ "$f" != "$sources_list" ] || continue
                awk '
                    function flush() {
                        if (n && types ~ /(^|[ \t])deb([ \t]|$)/ && enabled != "no") {
                            print "Types: deb-src"; for (i = 1; i <= n; i++) print lines[i]; print ""
                        }
                        n = 0; types = ""; enabled = ""
                    }
                    /^[ \t]*$/ { flush(); next }
                    /^#/ { next }
                    tolower($1) == "types:" { types = $0; sub(/^[^:]*:[ \t]*/, "", types); next }
                    tolower($1) == "enabled:" { enabled = tolower($2) }
                    { lines[++n] = $0 }
                    END { flush() }' "$f"
            done
            # one-line entries, turned into stanzas
            for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
                [ -e "$f" ] || continue
                awk '$1 == "deb" {
                        opts = ""; i = 2
                        if ($2 ~ /^\[/) { while ($i !~ /\]$/) { opts = opts " " $i; i++ } opts = opts " " $i; i++ }
                        comps = ""; for (j = i + 2; j <= NF; j++) comps = comps " " $j
                        print "Types: deb-src"; print "URIs: " $i; print "Suites: " $(i + 1)
                        print "Components:" comps
                        if (match(opts, /signed-by=[^] ]+/)) print "Signed-By: " substr(opts, RSTART + 10, RLENGTH - 10)
                        print ""
                    }' "$f"
            done
        }
    )
    printf '%s\n' "$entries" | as_root tee "$sources_list" >/dev/null
    as_root apt-get update -qq
}

# The newest version of a source package the mirror lists.
source_version() {
    local best="" v
    for v in $(apt-cache showsrc --only-source "$1" 2>/dev/null | awk '/^Version:/ { print $2 }'); do
        if [ -z "$best" ] || dpkg --compare-versions "$v" gt "$best"; then best=$v; fi
    done
    [ -n "$best" ] || { echo "error: apt knows no source package $1" >&2; return 1; }
    echo "$best"
}

# Fetches and unpacks (with Debian's patches) source package $1 at version $2 into $3; prints
# the source folder, and "unpatched" on a second line when the mirror served the upstream
# tarball without Debian's packaging: that is built as it is rather than not at all.
fetch_source() {
    local pkg=$1 version=$2 dir=$3
    rm -rf "$dir" && mkdir -p "$dir"
    # apt-get source warns when run as root (it cannot drop to the _apt user for the download)
    if (cd "$dir" && apt-get source -qq "$pkg=$version") > "$logs/$pkg.fetch.log" 2>&1; then
        find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n 1
        return
    fi
    grep -E '^E:' "$logs/$pkg.fetch.log" >&2 || true
    # apt keeps only the files that arrived whole and matched the .dsc's checksums
    local orig
    orig=$(find "$dir" -maxdepth 1 -name "${pkg}_*.orig.tar.*" ! -name '*.asc' | head -n 1)
    [ -n "$orig" ] || return 1
    mkdir "$dir/upstream"
    tar -xf "$orig" -C "$dir/upstream" --strip-components=1
    echo "$dir/upstream"
    echo unpatched
}

# The flags every CMake-built part shares: the toolchain file, the prefix, Release at -O2
# without debug information, Ninja.
cmake_configure() {
    local src=$1 bin=$2
    shift 2
    build cmake -S "$src" -B "$bin" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain_file" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        "$@"
}

cmake_build_install() {
    local bin=$1 stage=$2
    build cmake --build "$bin" --parallel "$jobs"
    DESTDIR=$stage build cmake --install "$bin" --strip
}

qt_host=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)

# ICU 72: the common and i18n libraries and their data, for the calendars (ucal_*) and locale
# names. Its cross build runs host tools of the same version: Debian's icu-devtools stand in for
# the host build ICU's configure asks for.
build_icu() {
    local src=$1 bin=$2 stage=$3
    local host=$bin/host
    mkdir -p "$host/config" "$bin/target"
    cat > "$host/config/icucross.mk" <<EOF
CROSS_ICU_VERSION=72.1
TOOLEXEEXT=
TOOLBINDIR=$host/bin
TOOLLIBDIR=/usr/lib/x86_64-linux-gnu
INVOKE=
PKGDATA_INVOKE=
EOF
    : > "$host/config/icucross.inc"
    mkdir -p "$host/bin"
    local tool dir
    for tool in icupkg pkgdata genccode gencmn genrb; do
        for dir in /usr/bin /usr/sbin; do
            [ -x "$dir/$tool" ] && ln -sf "$dir/$tool" "$host/bin/$tool"
        done
    done
    # Only the data calendars and locale names need: the locales' own trees (month and era
    # names, date patterns, numbers), language and region names, and the supplemental data
    # (calendar and week data, time zone rules, likely subtags, plurals). Collation, break
    # iteration, transliteration, charset converters, time zone, currency and unit names,
    # spelled-out numbers, character names and the spoof checker's data go.
    local dat=$src/source/data/in/icudt72l.dat
    "$host/bin/icupkg" -l "$dat" |
        { grep -E '^(coll|brkitr|translit|zone|curr|unit|rbnf)/|\.(cnv|cfu|spp)$|^(unames|ulayout)\.icu$' || true; } \
            > "$bin/data-removed.txt"
    "$host/bin/icupkg" -r "$bin/data-removed.txt" "$dat" "$bin/icudt72l.dat"
    cp "$bin/icudt72l.dat" "$dat"
    (
        cd "$bin/target"
        build env CC=$triple-gcc-posix CXX=$triple-g++-posix CFLAGS=-O2 CXXFLAGS=-O2 \
            "$src/source/configure" --host=$triple --build=x86_64-pc-linux-gnu \
            --prefix="$prefix" --with-cross-build="$host" \
            --enable-shared --disable-static --with-data-packaging=library \
            --disable-icuio --disable-layoutex --disable-tools --disable-tests \
            --disable-samples --disable-extras
        build make -j"$jobs"
        build make install DESTDIR="$stage"
    )
    find "$stage" -name '*.dll' -exec $triple-strip --strip-unneeded {} +
}

# qtbase: Core, Gui, Widgets, Network, Test, the Windows platform plug-in and styles. No unity
# build: Qt 6.4 has no switch for one, and CMake's own (CMAKE_UNITY_BUILD) fails on its sources
# (docs/windows.md).
build_qtbase() {
    local src=$1 bin=$2 stage=$3
    local off=(
        # modules and parts the program does not use
        dbus sql printsupport concurrent xml vulkan androiddeployqt
        # the separate Direct2D platform plug-in (Direct2D itself stays: Qt 6.4 builds its
        # DirectWrite font engine, the default one, only with it)
        direct2d1_1
        # Debian's +dfsg source leaves out src/3rdparty/wintab
        tabletevent
        # Windows has its own collation and calendars; the program asks ICU itself
        icu
        # TLS through Schannel (below), no OpenSSL; no other network extras
        openssl dtls sctp gssapi libproxy brotli networkdiskcache dnslookup
        # no third-party library from the build machine; no zstd (the system's only)
        pkg_config zstd system_zlib system_pcre2 system_harfbuzz system_png
        system_doubleconversion system_libb2
        # Windows draws text with DirectWrite/GDI; the program shows PNG and SVG only
        freetype jpeg gif ico movie
        # text and widget features the program does not use
        textodfwriter textmarkdownreader textmarkdownwriter pdf graphicsview graphicseffect
        mdiarea dockwidget wizard fontdialog colordialog undoview undogroup undostack
        undocommand splashscreen keysequenceedit lcdnumber dial columnview toolbox
        datawidgetmapper fontcombobox textbrowser syntaxhighlighter itemmodeltester
    )
    local features=() f
    for f in "${off[@]}"; do features+=("-DFEATURE_$f=OFF"); done
    cmake_configure "$src" "$bin" "${qt_host[@]}" \
        -DBUILD_SHARED_LIBS=ON -DBUILD_WITH_PCH=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DINPUT_opengl=no -DFEATURE_schannel=ON "${features[@]}"
    cmake_build_install "$bin" "$stage"
}

# libical: the C library only (the program uses libical's C API), with ICU for RSCALE
# recurrences as Debian's own build has it. On Windows libical always uses its built-in time
# zone files (share/libical/zoneinfo).
build_libical() {
    local src=$1 bin=$2 stage=$3
    cmake_configure "$src" "$bin" -DSHARED_ONLY=ON -DWITH_CXX_BINDINGS=OFF \
        -DICAL_GLIB=OFF -DICAL_GLIB_VAPI=OFF -DGOBJECT_INTROSPECTION=OFF \
        -DICAL_BUILD_DOCS=OFF -DLIBICAL_BUILD_TESTING=OFF \
        -DUSE_BUILTIN_TZDATA=ON -DICU_ROOT="$prefix"
    cmake_build_install "$bin" "$stage"
}

# The MinGW C++ runtime the programs need beside them: copied into the prefix's bin, with the
# paths they came from in runtime-dlls.txt (for the packaging script).
build_runtime() {
    local stage=$3
    mkdir -p "$stage$prefix/bin"
    : > "$stage$prefix/runtime-dlls.txt"
    local dll path
    for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
        path=$($triple-g++-posix -print-file-name=$dll)
        [ -f "$path" ] || { echo "error: $dll not found" >&2; return 1; }
        cp "$path" "$stage$prefix/bin/"
        echo "$path" >> "$stage$prefix/runtime-dlls.txt"
    done
}

# name, Debian source package (empty: none), the parts it builds on
components=(
    "runtime||"
    "qtbase|qt6-base|"
    "icu|icu|"
    "libical|libical3|icu"
)

# What a part's stamp must say to be reused.
stamp_for() {
    local name=$1 version=$2 deps=$3 d
    echo "source: $version"
    echo "recipe: $({ declare -f "build_$name" cmake_configure cmake_build_install; cat "$toolchain_file"; } | sha256sum | cut -c1-16)"
    for d in ${deps//,/ }; do echo "after $d: $(sha256sum < "$stamps/$d" 2>/dev/null | cut -c1-16)"; done
}

# Removes what an earlier build of the part put into the prefix.
uninstall() {
    local list=$stamps/$1.files
    [ -f "$list" ] || return 0
    (cd "$prefix" && tr '\n' '\0' < "$list" | xargs -0 rm -f)
    rm -f "$list" "$stamps/$1"
}

install_packages
add_deb_src

declare -A took took_note
missing=()
unpatched=" (upstream tarball only: Debian's packaging was not served)"
total_start=$SECONDS
for entry in "${components[@]}"; do
    IFS='|' read -r name pkg deps <<< "$entry"
    if [ -n "$pkg" ]; then
        version=$(source_version "$pkg")
    else
        version=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
    fi
    want=$(stamp_for "$name" "$version" "$deps")
    if [ -f "$stamps/$name" ]; then
        have=$(cat "$stamps/$name")
        if [ "$have" = "$want" ]; then
            say "$name $version: built already"
            took[$name]="reused"
            continue
        fi
        if [ "$have" = "${want/$'\n'/$unpatched$'\n'}" ]; then
            say "$name $version: built already, without Debian's patches" \
                "(rm $stamps/$name to try the whole source again)"
            took[$name]="reused (unpatched)"
            continue
        fi
    fi
    for d in ${deps//,/ }; do
        if [ ! -f "$stamps/$d" ]; then
            echo "warning: $name skipped: it needs $d, which was not built" >&2
            missing+=("$name (needs $d)")
            continue 2
        fi
    done
    start=$SECONDS
    say "$name $version: building (log: $logs/$name.log)"
    fetched=""
    if [ -n "$pkg" ] && [ "$(cat "$work/$name/fetched-version" 2>/dev/null)" = "$version" ]; then
        # a failed run left its tree: go on from there rather than build everything again
        say "$name: going on with the sources and build tree the last run left in $work/$name"
        fetched=$(cat "$work/$name/fetched")
        # options this run no longer passes must not linger in CMake's cache
        rm -f "$work/$name/build/CMakeCache.txt"
    else
        rm -rf "$work/$name"
        mkdir -p "$work/$name"
        if [ -n "$pkg" ]; then
            if ! fetched=$(fetch_source "$pkg" "$version" "$work/$name/source"); then
                echo "error: the mirror does not serve source package $pkg $version" >&2
                missing+=("$name (source package $pkg $version not served)")
                rm -rf "$work/$name"
                continue
            fi
            printf '%s\n' "$fetched" > "$work/$name/fetched"
            printf '%s\n' "$version" > "$work/$name/fetched-version"
        fi
    fi
    rm -rf "$work/$name/stage"
    mkdir -p "$work/$name/build" "$work/$name/stage"
    src=""
    if [ -n "$pkg" ]; then
        src=$(head -n 1 <<< "$fetched")
        if [ "$(sed -n 2p <<< "$fetched")" = unpatched ]; then
            echo "warning: $name: the mirror serves $pkg's upstream tarball but not Debian's" \
                "packaging; building it without Debian's patches" >&2
            want=${want/$'\n'/$unpatched$'\n'}
            took_note[$name]=" (unpatched)"
        fi
    fi
    # what an older build of it installed goes first; a source that cannot be had keeps it
    uninstall "$name"
    # (not in an if: bash ignores set -e in a command whose status is tested)
    set +e
    (set -ex; "build_$name" "$src" "$work/$name/build" "$work/$name/stage") > "$logs/$name.log" 2>&1
    status=$?
    set -e
    if [ $status -ne 0 ]; then
        tail -n 40 "$logs/$name.log" >&2
        echo "error: $name failed after $((SECONDS - start)) s; its log: $logs/$name.log;" \
            "its sources and build tree are kept in $work/$name for the next run" >&2
        exit 1
    fi
    staged=$work/$name/stage$prefix
    (cd "$staged" && find . \( -type f -o -type l \) -printf '%P\n' | sort) > "$stamps/$name.files"
    cp -a "$staged/." "$prefix/"
    printf '%s\n' "$want" > "$stamps/$name"
    rm -rf "$work/$name"
    took[$name]="$((SECONDS - start)) s${took_note[$name]:-}"
done
rmdir "$work" 2>/dev/null || true

echo
say "Windows toolchain in $prefix ($(du -sh --exclude=.logs "$prefix" | cut -f1))"
for entry in "${components[@]}"; do
    IFS='|' read -r name _ _ <<< "$entry"
    printf '   %-11s %s\n' "$name" "${took[$name]:-not built}"
done
printf '   %-11s %s s\n' "all" "$((SECONDS - total_start))"
echo "   C++ runtime DLLs (listed in $prefix/runtime-dlls.txt):"
sed 's/^/     /' "$prefix/runtime-dlls.txt"
if [ ${#missing[@]} -gt 0 ]; then
    printf 'error: not built: %s\n' "${missing[@]}" >&2
    [ "$allow_missing" = 1 ] || exit 1
fi
