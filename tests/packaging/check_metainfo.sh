#!/usr/bin/env bash
# Validates the AppStream metainfo and the launcher, with whichever tools are present.
set -euo pipefail
data=$1
ran=0
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$data/fr.tarivane.Tarivane.metainfo.xml"
    ran=1
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$data/fr.tarivane.Tarivane.desktop"
    ran=1
fi
grep -qx "Categories=Office;Finance;MedicalSoftware;" "$data/fr.tarivane.Tarivane.desktop"
[ $ran -eq 1 ] || { echo "no validator installed"; exit 77; }
