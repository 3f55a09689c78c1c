#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-compiles tessaly.exe and tessaly-cli.exe for 64-bit Windows and lays out
# build-windows/tessaly-<version>-windows-x64.zip: the two programs, the Qt libraries and plugins
# they load, the compiler's run-time libraries, stripped. Qt for Windows comes from
# scripts/build-qt-windows.sh: built once per machine (about 25 minutes), then reused.
# Prints the zip's path as its last line.
#   JOBS   parallel jobs (default: nproc)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build-windows
jobs=${JOBS:-$(nproc)}
mingw=x86_64-w64-mingw32

qt=$(JOBS=$jobs scripts/build-qt-windows.sh | tail -n1)

# The companion's header-only libraries are Debian's, outside the MinGW root. Their package files
# name /usr/include, which must not reach a MinGW compile (glibc's headers would shadow MinGW's),
# so the cross build sees copies of those files over a folder that holds only the libraries' own
# headers.
headers=$out/host-headers
rm -rf "$headers"
mkdir -p "$headers/include"
header_only=()
mirror() { # PACKAGE CONFIG_DIR INCLUDE_SUBDIR
    [ -d "$2" ] || return 0
    mkdir -p "$headers/share/cmake/$1"
    cp "$2"/*.cmake "$headers/share/cmake/$1/"
    ln -s "/usr/include/$3" "$headers/include/$3"
    header_only+=("-D$1_DIR=$headers/share/cmake/$1")
}
mirror CLI11 /usr/share/cmake/CLI11 CLI
mirror nlohmann_json /usr/share/cmake/nlohmann_json nlohmann
# utf8cpp names its own folder, /usr/include/utf8cpp, which is safe as it is.
utf8cpp=/usr/lib/x86_64-linux-gnu/cmake/utf8cpp
[ ! -d "$utf8cpp" ] || header_only+=("-Dutf8cpp_DIR=$utf8cpp")

"$qt/bin/qt-cmake" -S . -B "$out/cmake" -G Ninja --no-warn-unused-cli \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/packaging/windows/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_STRIP="$(command -v $mingw-strip)" \
    -DTESSALY_ZIP_DIR="$out" \
    "${header_only[@]}"
cmake --build "$out/cmake" --parallel "$jobs" --target windows_zip

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/cmake/CMakeCache.txt")
zip=$out/tessaly-$version-windows-x64.zip
[ -f "$zip" ] || { echo "build-windows: $zip was not made" >&2; exit 1; }
echo "build-windows: $(du -k "$zip" | cut -f1) KB" >&2
echo "$zip"
