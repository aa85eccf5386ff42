#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks what it installs.
set -euo pipefail
build_dir=$1
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v $tool >/dev/null || { echo "skipped: $tool is not installed (dpkg-dev)"; exit 77; }
done
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
         usr/share/icons/hicolor/scalable/apps/fr.tarivane.Tarivane.svg \
         usr/share/man/man1/tarivane.1.gz \
         usr/share/doc/tarivane/copyright \
         usr/share/doc/tarivane/changelog.gz; do
    if [ -e "$scratch/root/$f" ]; then echo "ok  /$f"; else echo "MISSING /$f"; status=1; fi
done
[ -x "$scratch/root/usr/bin/tarivane" ] || { echo "tarivane is not executable"; status=1; }
depends=$(dpkg-deb --field "$deb" Depends)
for p in libqt6widgets6 qt6-qpa-plugins libqt6sql6-sqlite fonts-urw-base35 qt6-translations-l10n; do
    grep -qw -- "$p" <<<"$depends" || { echo "Depends lacks $p"; status=1; }
done
gzip -t "$scratch"/root/usr/share/man/man1/tarivane.1.gz \
        "$scratch"/root/usr/share/doc/tarivane/changelog.gz ||
    { echo "a compressed file is damaged"; status=1; }
if dpkg-deb --contents "$deb" | grep -E "tst_|screenshot|\.a$"; then
    echo "the package carries files that are not the program's"; status=1
fi
# Lintian refuses root unless told; info and pedantic notes pass, warnings and errors fail.
if ! command -v lintian >/dev/null; then
    echo "skipped: lintian is not installed, the package's contents checked but not linted"
    [ $status -eq 0 ] && exit 77
elif lintian --allow-root --fail-on error,warning "$deb"; then
    echo "ok  lintian"
else
    echo "lintian finds fault"; status=1
fi
exit $status
