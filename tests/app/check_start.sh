#!/usr/bin/env bash
# The program as a user starts it: with a display it runs until it is told to quit; without
# one it says so in French, how to see it anyway, and stops with status 1, no core dump.
set -uo pipefail
programme=$1
QT_QPA_PLATFORM=offscreen timeout 2 "$programme"
[ $? -eq 124 ] || { echo "did not keep running with a display"; exit 1; }
erreurs=$(env -i "$programme" 2>&1 >/dev/null)
statut=$?
echo "$erreurs"
[ $statut -eq 1 ] || { echo "exit status $statut, not 1"; exit 1; }
grep -q "^Tarivane a besoin d'une session graphique" <<<"$erreurs" &&
    grep -q "xvfb-run" <<<"$erreurs" || { echo "no French explanation"; exit 1; }
