#!/usr/bin/env bash
# Makes the Windows packages from build-windows: a portable zip and an installer (makensis).
# Collects what the program loads, as windeployqt would: the DLLs its imports name, found in
# the toolchain's bin/ and followed to their own imports, Qt's platform, style and TLS plug-ins
# (and theirs), and Qt's own translations of the shipped languages. Prints both packages' paths
# and sizes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
prefix=${CANDLEWATCHER_WINDOWS_TOOLCHAIN:-${XDG_CACHE_HOME:-$HOME/.cache}/candlewatcher/windows-toolchain}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
stage=$build/package/Candlewatcher
rm -rf "$build/package"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/tls" "$stage/translations"
cp "$build/candlewatcher.exe" "$stage/"
cp "$prefix/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$prefix/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$prefix/plugins/tls/qschannelbackend.dll" "$stage/tls/"

# The DLLs a file imports that the toolchain has (the system's own, like KERNEL32, it has not).
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
queue=("$stage/candlewatcher.exe" "$stage"/platforms/*.dll "$stage"/styles/*.dll "$stage"/tls/*.dll)
while ((${#queue[@]})); do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    for dll in $(imports "$file"); do
        found=$(find "$prefix/bin" -maxdepth 1 -iname "$dll" -print -quit)
        if [[ -n $found && ! -e $stage/$(basename "$found") ]]; then
            cp "$found" "$stage/"
            queue+=("$stage/$(basename "$found")")
        fi
    done
done

# Qt's own texts (the standard buttons, the file dialog) for every shipped language.
languages=$(sed -n 's/^set(CANDLEWATCHER_SHIPPED_LANGUAGES \(.*\))/\1/p' cmake/Translations.cmake)
for lang in $languages; do
    qm=/usr/share/qt6/translations/qtbase_$lang.qm
    [[ -e $qm ]] || qm=/usr/share/qt6/translations/qtbase_${lang%%_*}.qm
    [[ -e $qm ]] && cp "$qm" "$stage/translations/"
done
cat >"$stage/qt.conf" <<'CONF'
[Paths]
Plugins = .
Translations = translations
CONF

# The uninstaller's list: each installed file, then each folder (emptied, so RMDir takes it).
(cd "$stage" && {
    find . -type f | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
}) >"$build/package/uninstall-files.nsh"

zip=$PWD/$build/candlewatcher-$version-windows-x64.zip
(cd "$build/package" && zip -qr9 "$zip" Candlewatcher)
makensis -V2 -DVERSION="$version" -DSTAGE="$PWD/$stage" \
    -DOUTFILE="$PWD/$build/candlewatcher-$version-windows-x64-setup.exe" \
    packaging/windows/candlewatcher.nsi
ls -l "$zip" "$build/candlewatcher-$version-windows-x64-setup.exe" | awk '{print $5, $9}'
