#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows (MinGW-w64) from Debian's own qtbase source, the same
# version as the host's Qt (whose moc, uic and rcc the cross build uses). Built once into
#   ${XDG_CACHE_HOME:-$HOME/.cache}/tarivane/qt-<version>-mingw-w64-static-<hash>
# and reused while the configure options, the patch, the compiler and the Debian version
# stay the same. Prints the prefix on its last line.
#   KEEP_WORK=1  keeps the source and build tree after a successful install.
set -euo pipefail

start=$SECONDS
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$(cd "$here/../cmake" && pwd)/mingw-w64-x86_64.cmake
patchfile=$here/qt-mingw-direct2d.patch
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarivane

# The cross compiler, and what runs and checks the result (Wine on a virtual display).
"$here/setup.sh" g++-mingw-w64-x86-64-posix wine64 xvfb xauth ccache

debver=$(dpkg-query -W -f='${Version}' qt6-base-dev)   # e.g. 6.4.2+dfsg-10
qtver=${debver#*:}
qtver=${qtver%%[+-]*}
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)

# Only qtbase is built: Core, Gui, Widgets, PrintSupport, Test, and the windows, offscreen and
# minimal platforms. Debian's tarball has no wintab header, hence no tablet events.
# Direct2D off: its plugin compiles the windows plugin twice and needs more of the DirectX
# headers; Qt 6.4 draws text with GDI on Windows by default anyway.
# No precompiled headers: ccache then caches every object (with them a rebuild mostly missed,
# and once lost objects).
options=(-static -static-runtime -release -nomake examples -nomake tests
         -no-opengl -no-dbus -no-feature-sql -no-feature-network -no-feature-concurrent
         -no-feature-xml -no-feature-tabletevent -no-feature-vulkan -no-feature-direct2d
         -qt-freetype -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz -no-libjpeg -no-gif -no-ico
         -ccache -no-pch)

# The libraries depend on the source, the options, our patch and the compiler.
compiler=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
hash=$( { echo "$debver"; echo "$compiler"; printf '%s\n' "${options[@]}"; cat "$patchfile"; } \
        | sha256sum | cut -c1-10)
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

# Debian's source package, through a source list of our own: deb-src twins of the machine's
# deb entries, so the system's apt lists are left as they are.
dsc=$cache/src/qt6-base_${debver#*:}.dsc
if [ ! -f "$dsc.fetched" ]; then
    apt=$cache/apt
    rm -rf "$apt"
    mkdir -p "$apt/parts" "$apt/lists/partial" "$apt/cache/archives/partial"
    : > "$apt/sources.list"
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        if [ -f "$f" ]; then
            sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >> "$apt/sources.list"
        fi
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        if [ -f "$f" ]; then
            sed 's/^Types:.*/Types: deb-src/' "$f" > "$apt/parts/$(basename "$f")"
        fi
    done
    aptopts=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/parts"
             -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache"
             -o APT::Sandbox::User=root)
    apt-get -q "${aptopts[@]}" update
    (cd "$cache/src" && apt-get -q "${aptopts[@]}" source --download-only "qt6-base=$debver")
    touch "$dsc.fetched"
fi

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
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake"
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
