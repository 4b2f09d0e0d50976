#!/usr/bin/env bash
# Installs what building, running and testing Candlewatcher needs on Debian 12.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
    # the translations: lupdate and lrelease in the build, Qt's own texts at run time
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    # Chinese and Japanese glyphs, so the cut-text checks measure those languages' real widths
    fonts-noto-cjk
    # iCalendar import and export; the tests check the exported files with a second parser
    libical-dev python3-icalendar
    # the calendar rules' tests check their days with a second calculation (rrule, easter)
    python3-dateutil
    # the subscriptions' tests run a CardDAV/CalDAV server of their own (openssl makes its
    # certificate for the TLS case)
    radicale openssl
    # the command line's tests fix the day the program sees
    libfaketime
    # real X server tests: a virtual display, a window manager, a tray host, a clicker, and
    # the session management library for a session manager of the tests' own
    xvfb openbox trayer xdotool x11-utils libsm-dev
    # desktop notifications over D-Bus, and the run under a Wayland compositor
    dbus-daemon weston qt6-wayland
    # the subscriptions' passwords in the secret service (QtKeychain through libsecret), and
    # the tests' own secret service
    qtkeychain-qt6-dev libsecret-1-0 gnome-keyring
    # the screenshots in docs/screenshots (scripts/screenshots.sh; curl fills its address book)
    imagemagick curl
    # benchmarks and fuzzers
    libbenchmark-dev clang libclang-rt-14-dev
    # the layout check and the static checks (scripts/check-format.sh, scripts/check-tidy.sh)
    clang-format-14 clang-tidy-14 clazy
    # the Debian package (CPack finds its dependencies with dpkg-shlibdeps and file) and its
    # checks: lintian (which reads the manual page with man), desktop entries, AppStream data
    dpkg-dev file lintian man-db desktop-file-utils appstream
    # the Windows packages: the portable zip and the installer (scripts/package-windows.sh)
    zip nsis
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
