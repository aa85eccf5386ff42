#!/usr/bin/env bash
# Builds SQLite as a static library for 64-bit Windows (MinGW-w64) from Debian's own sqlite3
# source, the same version as the host's, for Qt's SQLite driver (Debian's Qt source carries
# none). Built once into
#   ${XDG_CACHE_HOME:-$HOME/.cache}/tarivane/sqlite-<version>-mingw-w64-static-<hash>
# (include/sqlite3.h, lib/libsqlite3.a) and reused while the options, the compiler and the
# Debian version stay the same. Prints the prefix on its last line.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarivane

# tclsh writes the single-file source; libsqlite3-0 gives the version.
"$here/setup.sh" g++-mingw-w64-x86-64-posix tcl libsqlite3-0

debver=$(dpkg-query -W -f='${source:Version}' libsqlite3-0)   # e.g. 3.40.1-2+deb12u2
ver=${debver#*:}
ver=${ver%%[+-]*}

# Threads on, as Qt's driver may be used from several; no extension loading (no DLL comes
# beside the program); the column metadata Qt's driver asks for.
cc=x86_64-w64-mingw32-gcc-posix
cflags=(-O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_ENABLE_COLUMN_METADATA)
# The generators run here: host programs, without ".exe" (Debian's Makefile takes the cross
# build from CROSS_BUILDING, which its configure does not set).
configure=(--host=x86_64-w64-mingw32 --build=x86_64-linux-gnu BUILD_CC=gcc
           --disable-shared --enable-static --disable-tcl --disable-readline)

compiler=$(dpkg-query -W -f='${Version}' gcc-mingw-w64-x86-64-posix)
hash=$( { echo "$debver"; echo "$compiler"; printf '%s\n' "${cflags[@]}" "${configure[@]}"; } \
        | sha256sum | cut -c1-10)
prefix=$cache/sqlite-$ver-mingw-w64-static-$hash
stamp=$prefix/.complete

if [ -f "$stamp" ]; then
    echo "SQLite for Windows is already built."
    echo "$prefix"
    exit 0
fi

"$here/debian-source.sh" sqlite3 "$debver" "$cache/src"

work=$cache/work-sqlite-$hash
rm -rf "$work"
mkdir -p "$work"
dpkg-source -x --no-copy "$cache/src/sqlite3_${debver#*:}.dsc" "$work/src"
mkdir -p "$work/build"
cd "$work/build"
"$work/src/configure" "${configure[@]}" CC="$cc"
make BCC=gcc BEXE= CROSS_BUILDING=yes sqlite3.c
nice -n 19 "$cc" "${cflags[@]}" -c sqlite3.c -o sqlite3.o

rm -rf "$prefix"
mkdir -p "$prefix/include" "$prefix/lib"
x86_64-w64-mingw32-ar rcs "$prefix/lib/libsqlite3.a" sqlite3.o
cp sqlite3.h "$work/src/src/sqlite3ext.h" "$prefix/include/"
touch "$stamp"

cd "$cache"
rm -rf "$work"
echo "$prefix"
