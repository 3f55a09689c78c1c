#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (qtbase: Core, Gui, Widgets and the Windows platform plugin) from
# Debian's own qtbase source package, the same version as the host Qt whose moc/rcc/uic it uses.
# The prefix is cached outside the clone, keyed by the Qt version and by this script and the
# toolchain file, so it is built once per machine (about 25 minutes on 2 cores) and then reused.
# Prints the prefix's path as its last line. Needs root (or sudo) only for the first build: it
# adds deb-src to the apt sources and runs apt-get update.
#   TESSALY_CACHE   where prefixes live (default /var/cache/tessaly)
#   JOBS            ninja jobs (default: nproc)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$here/packaging/windows/mingw-w64-x86_64.cmake
cache=${TESSALY_CACHE:-/var/cache/tessaly}
jobs=${JOBS:-$(nproc)}

qtver=$(dpkg-query -W -f='${source:Version}' qt6-base-dev) # e.g. 6.4.2+dfsg-10
qtshort=${qtver%%+*}
key=$(cat "$0" "$toolchain" | sha256sum | cut -c1-12)
prefix=$cache/qt-windows-$qtshort-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
mkdir -p "$cache" 2>/dev/null || { "${sudo[@]}" mkdir -p "$cache" && "${sudo[@]}" chown "$(id -u):$(id -g)" "$cache"; }

# One build at a time per prefix: a second caller waits, then finds it complete.
exec 9>"$prefix.lock"
flock 9
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
start=$SECONDS
say() { echo "build-qt-windows: $* ($((SECONDS - start)) s in)" >&2; }

src=$cache/src/qt6-base-$qtver
if [ ! -f "$src/.unpacked" ]; then
    sources=/etc/apt/sources.list.d/debian.sources
    if [ -f "$sources" ] && ! grep -q '^Types:.*deb-src' "$sources"; then
        say "adding deb-src to $sources"
        "${sudo[@]}" sed -i 's/^Types: deb$/Types: deb deb-src/' "$sources"
    fi
    while pgrep -x apt-get >/dev/null || pgrep -x dpkg >/dev/null; do sleep 5; done
    say "apt-get update"
    "${sudo[@]}" apt-get update -qq
    mkdir -p "$cache/src/download"
    say "fetching qt6-base $qtver source"
    (cd "$cache/src/download" && apt-get source -qq --download-only "qt6-base=$qtver" >&2)
    rm -rf "$src"
    # dpkg-source applies Debian's patches (security fixes among them).
    dpkg-source -x "$cache/src/download/qt6-base_${qtver#*:}.dsc" "$src" >&2
    touch "$src/.unpacked"
fi

# The toolchain file goes into the prefix: Qt's qt.toolchain.cmake chains it by absolute path, so
# it must outlive the clone that built the prefix. A build cut short goes on where it stopped.
mkdir -p "$prefix"
cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"

say "configuring Qt $qtshort for Windows"
options=(
    -G Ninja
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake"
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX="$prefix"
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF
    # modules the programs do not use; print support stays, for printing a calculation sheet
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    # the bundled copies: the MinGW root has none of these
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
    # Debian's source has no wintab.h; the Windows plugin needs OpenGL on (dynamic OpenGL)
    -DFEATURE_tabletevent=OFF
)
cmake -S "$src" -B "$prefix.build" "${options[@]}" >&2
say "building with $jobs jobs"
cmake --build "$prefix.build" --parallel "$jobs" >&2
say "installing"
cmake --install "$prefix.build" >&2
rm -rf "$prefix.build"
touch "$prefix/.complete"
say "done: $(du -sh "$prefix" | cut -f1)"
echo "$prefix"
