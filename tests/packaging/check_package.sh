#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks what it installs.
set -euo pipefail
build_dir=$1
command -v dpkg-deb >/dev/null || { echo "dpkg-deb not found"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/*.deb)
dpkg-deb --info "$deb" | grep -E "Package|Depends"
dpkg -x "$deb" "$scratch/root"

status=0
for f in usr/bin/tarivane \
         usr/share/applications/fr.tarivane.Tarivane.desktop \
         usr/share/metainfo/fr.tarivane.Tarivane.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/fr.tarivane.Tarivane.svg; do
    if [ -e "$scratch/root/$f" ]; then echo "ok  /$f"; else echo "MISSING /$f"; status=1; fi
done
[ -x "$scratch/root/usr/bin/tarivane" ] || { echo "tarivane is not executable"; status=1; }
dpkg-deb --field "$deb" Depends | grep -q "libqt6widgets6" ||
    { echo "Depends lacks the Qt libraries"; status=1; }
if dpkg-deb --contents "$deb" | grep -E "tst_|screenshot|\.a$"; then
    echo "the package carries files that are not the program's"; status=1
fi
exit $status
