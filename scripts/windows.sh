#!/usr/bin/env bash
# The Windows build, made here: a static Qt for MinGW-w64 built once from Debian's sources
# (scripts/qt-mingw.sh), then the program cross-built and packed as a zip and as an installer
# (`build`), or the test programs cross-built and run under Wine on a virtual display, then the
# installer tried as she would use it (`test`).
set -euo pipefail
cd "$(dirname "$0")/.."

qt=$(scripts/qt-mingw.sh | tail -n 1)
# Qt's SQLite driver links this library: a program that links Qt6::Sql needs it too.
sqlite=$(scripts/sqlite-mingw.sh | tail -n 1)
build=build/windows
# Made again when Qt was rebuilt elsewhere in the cache (its folder names its options).
if [ ! -f "$build/build.ninja" ] || ! grep -qxF "CMAKE_PREFIX_PATH:UNINITIALIZED=$qt" \
        "$build/CMakeCache.txt"; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
        -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DCMAKE_BUILD_TYPE=Release \
        -DSQLite3_INCLUDE_DIR="$sqlite/include" -DSQLite3_LIBRARY="$sqlite/lib/libsqlite3.a" \
        -DTARIVANE_BENCH=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
fi

# The version, from the one place that gives it to the About box and to the exe's properties.
version=$(sed -n 's/^project(Tarivane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=Tarivane-$version

# The zip, and the installer made from the same files (wixl finds them from the build folder).
paquets() {
    scripts/setup.sh wixl
    cmake --build "$build" --target tarivane
    rm -rf "${build:?}/$name" "$build/$name-windows-x64.zip" "$build/$name-windows-x64.msi"
    mkdir -p "$build/$name"
    x86_64-w64-mingw32-strip -o "$build/$name/tarivane.exe" "$build/tarivane.exe"
    cp data/windows/LISEZMOI.txt "$build/$name/"
    cp data/copyright "$build/$name/LICENCE.txt"
    (cd "$build" && cmake -E tar cf "$name-windows-x64.zip" --format=zip "$name")
    installeur "$version" "$name-windows-x64.msi"
    ls -l "$build/$name-windows-x64.zip" "$build/$name-windows-x64.msi"
}

# installeur VERSION FILE: the installer of the files in $build/$name, as that version.
installeur() {
    (cd "$build" && wixl -a x64 -D Version="$1" -D Dossier="$name" \
        -D Icone=../../data/tarivane.ico -o "$2" ../../data/windows/Tarivane.wxs)
}

case ${1:-build} in
build)
    paquets
    ;;
test)
    paquets
    cmake --build "$build"
    passed=0 failed=0
    for test in "$build"/tst_*.exe; do
        if scripts/wine-run.sh --qtest "$test" >"$test.log" 2>&1; then
            passed=$((passed + 1))
            echo "ok      $(basename "$test") ($(grep -a '^Totals' "$test.log"))"
        else
            failed=$((failed + 1))
            echo "FAILED  $(basename "$test")"
            grep -a -A3 '^FAIL!' "$test.log" | grep -av QCRITICAL | head -40
        fi
    done
    echo "windows: $passed passed, $failed failed"
    # An update: the same files, packed as the next version.
    suivante=$(echo "$version" | awk -F. '{ printf "%d.%d.%d", $1, $2, $3 + 1 }')
    installeur "$suivante" "Tarivane-$suivante-essai.msi"
    installation=0
    scripts/windows-install-test.sh "$build/$name-windows-x64.msi" \
        "$build/Tarivane-$suivante-essai.msi" "$build/installee.png" || installation=1
    [ "$failed" -eq 0 ] && [ "$installation" -eq 0 ]
    ;;
*)
    echo "usage: $0 build|test" >&2
    exit 2
    ;;
esac
