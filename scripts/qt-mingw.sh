#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows (MinGW-w64) from Debian's own qtbase source, the same
# version as the host's Qt (whose moc, uic and rcc the cross build uses). Built once into
#   ${XDG_CACHE_HOME:-$HOME/.cache}/tarivane/qt-<version>-mingw-w64-static-<hash>
# and reused while the configure options, the patch, the compiler and the Debian version
# stay the same. SQLite, which Debian's Qt source does not carry, comes from
# scripts/sqlite-mingw.sh. Prints the prefix on its last line.
#   KEEP_WORK=1  keeps the source and build tree after a successful install.
set -euo pipefail

start=$SECONDS
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$(cd "$here/../cmake" && pwd)/mingw-w64-x86_64.cmake
patchfile=$here/qt-mingw-direct2d.patch
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarivane

# The cross compiler, and what runs and checks the result (Wine on a virtual display).
"$here/setup.sh" g++-mingw-w64-x86-64-posix wine64 xvfb xauth ccache

# SQLite for Qt's SQL driver, built first into the same cache.
sqlite=$("$here/sqlite-mingw.sh" | tail -n 1)

debver=$(dpkg-query -W -f='${Version}' qt6-base-dev)   # e.g. 6.4.2+dfsg-10
qtver=${debver#*:}
qtver=${qtver%%[+-]*}
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)

# Only qtbase is built: Core, Gui, Widgets, PrintSupport, Sql with its SQLite driver alone, Test,
# and the windows, offscreen and minimal platforms. Debian's tarball has no wintab header, hence
# no tablet events.
# Direct2D off: its plugin compiles the windows plugin twice and needs more of the DirectX
# headers; Qt 6.4 draws text with GDI on Windows by default anyway.
# No precompiled headers: ccache then caches every object (with them a rebuild mostly missed,
# and once lost objects).
# The other SQL drivers off: ODBC's link interface would import libstdc++ and winpthread as DLLs.
options=(-static -static-runtime -release -nomake examples -nomake tests
         -sql-sqlite -system-sqlite -no-sql-odbc -no-sql-psql -no-sql-mysql -no-sql-ibase
         -no-sql-oci -no-sql-db2
         -no-opengl -no-dbus -no-feature-network -no-feature-concurrent
         -no-feature-xml -no-feature-tabletevent -no-feature-vulkan -no-feature-direct2d
         -qt-freetype -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz -no-libjpeg -no-gif -no-ico
         -ccache -no-pch)

# The libraries depend on the source, the options, our patch, the compiler and SQLite's build
# (its folder's name carries its own hash).
compiler=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
hash=$( { echo "$debver"; echo "$compiler"; printf '%s\n' "${options[@]}"; cat "$patchfile";
          basename "$sqlite"; } | sha256sum | cut -c1-10)
prefix=$cache/qt-$qtver-mingw-w64-static-$hash
stamp=$prefix/.complete

if [ -f "$stamp" ]; then
    echo "Qt for Windows is already built."
    echo "$prefix"
    exit 0
fi

work=$cache/work-$hash
# The base folder makes the work folder's path irrelevant to a hit.
export CCACHE_DIR=$cache/ccache CCACHE_BASEDIR=$work CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-4G}
mkdir -p "$cache/src" "$work"

# Debian's source package.
"$here/debian-source.sh" qt6-base "$debver" "$cache/src"
dsc=$cache/src/qt6-base_${debver#*:}.dsc

# Unpacked with Debian's patches, then ours; the source tree counts only once complete.
src=$work/src
if [ ! -f "$src/.patched" ]; then
    rm -rf "$src" "$work/build"
    dpkg-source -x "$dsc" "$src"
    patch -d "$src" -p1 --forward --batch < "$patchfile"
    grep -q 'QT_CONFIG(directwrite) && QT_CONFIG(direct2d)' \
        "$src/src/printsupport/platform/windows/qprintengine_win.cpp"
    touch "$src/.patched"
fi

build=$work/build
mkdir -p "$build"
cd "$build"
if [ ! -f build.ninja ]; then
    "$src/configure" -prefix "$prefix" "${options[@]}" \
        -qt-host-path /usr -xplatform win32-g++ -- \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" \
        -DSQLite3_INCLUDE_DIR="$sqlite/include" -DSQLite3_LIBRARY="$sqlite/lib/libsqlite3.a"
fi
nice -n 19 cmake --build . --parallel 2

rm -rf "$prefix"
cmake --install .
touch "$stamp"

cd "$cache"
[ "${KEEP_WORK:-0}" = 1 ] || rm -rf "$work"

echo "Built in $((SECONDS - start)) s (wall). CPU time, user and system, of this shell then of its children:"
times
echo "$prefix"
