#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs whatever Debian 12 packages the build, the window and the tests need and are missing.
# Needs root, or sudo for a normal user. With --windows also what the Windows build and its tests
# under Wine need (scripts/build-windows.sh, scripts/test-windows.sh).
set -euo pipefail

packages=(
    # build; libxcb1-dev to try an X11 display before Qt's platform would abort on it
    cmake g++ make qt6-base-dev libxcb1-dev
    # the windows' English: lupdate and lrelease with their CMake functions, and Qt's own texts
    # in Japanese (qtbase_ja.qm, also for the Windows zip)
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # a desktop whose numbers take a decimal comma, for the check that ours keep a full stop
    locales
    # benchmarks of the core lookups
    libbenchmark-dev
    # the window's Japanese text: IPAPGothic stands in for the designed family
    fonts-ipafont-gothic
    # tests that drive the real window on a virtual display
    xvfb xauth openbox xdotool x11-utils x11-apps imagemagick xclip wmctrl
    # the calculation sheet's PDF read back: its text, fonts and pages (pdftotext, pdffonts)
    poppler-utils
    # installing: the validators of the desktop entry and the metainfo, dpkg-shlibdeps for
    # `cpack -G DEB`, and a fresh Debian root to install the package into
    desktop-file-utils appstream dpkg-dev debootstrap
    # memory checks: valgrind memcheck, and the fuzz build (clang with libFuzzer and sanitizers)
    valgrind clang-14 libclang-rt-14-dev
    # the companion's options, JSON and UTF-8 checks (header-only)
    libcli11-dev nlohmann-json3-dev libutfcpp-dev
    # desktops other than ours: a GNOME-like Wayland session with Xwayland, a session bus,
    # the X11 session protocol, X resources for a font DPI, a dark gtk3 theme
    mutter xwayland qt6-wayland dbus libsm-dev x11-xserver-utils
    qt6-gtk-platformtheme gnome-themes-extra
    # a Japanese font other than the stand-in, as most Linux desktops have it
    fonts-noto-cjk
    # what a blind user hears: the accessibility bus, its Python client and the Orca screen
    # reader (run without a synthesiser; its debug file has what it would say)
    orca at-spi2-core python3-pyatspi dbus-x11
)
if [ "${1:-}" = --windows ]; then
    packages+=(
        # Qt for Windows from Debian's qtbase source, and our programs, cross-compiled
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 ninja-build
        # the Windows programs run and tested here
        wine wine64
    )
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
sudo=()
if [ ${#missing[@]} -gt 0 ] || ! locale -a 2>/dev/null | grep -qx 'de_DE.utf8'; then
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "install-deps: run as root or install sudo" >&2; exit 1; }
        sudo=(sudo)
    fi
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "install-deps: installing ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# German writes 22,5: the tests check that the windows' figures keep their full stop under it.
if ! locale -a 2>/dev/null | grep -qx 'de_DE.utf8'; then
    echo "install-deps: generating the de_DE.UTF-8 locale"
    "${sudo[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
