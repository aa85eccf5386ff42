#!/usr/bin/env bash
# Runs one Windows program under Wine on a virtual display and returns its exit code.
#   scripts/wine-run.sh [--qtest] [--screenshot FILE] PROGRAM.exe [ARGS...]
#   --qtest            a QtTest program: its results are written to a file, then printed
#                      (Wine loses a console program's output on a pipe)
#   --screenshot FILE  saves the virtual screen as FILE, SHOT_DELAY seconds (3) after the start
# The Qt environment variables (QT_QPA_PLATFORM...) do not reach the program: pass Qt's options
# on the command line (`-platform windows`, which draws on the virtual display).
# WINEPREFIX defaults to a prefix of our own in the cache, made on first use; one run at a
# time per prefix, since a server left from an earlier run is stopped first.
# WINE_RUN_TIMEOUT (600 s) stops a program that hangs.
set -uo pipefail

cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarivane
export WINEPREFIX=${WINEPREFIX:-$cache/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}   # no Mono or Gecko prompt

# Debian's wine64 package puts its loader out of PATH unless the `wine` package is there.
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

# Everything, the server included, lives and ends inside one virtual display: a server
# that outlives its display breaks the windows of later runs.
if [ -z "${WINE_RUN_INNER:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: apt-get install xvfb xauth" >&2; exit 2; }
    WINE_RUN_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

qtest=0 shot=
while [ $# -gt 0 ]; do
    case $1 in
        --qtest) qtest=1; shift ;;
        --screenshot) shot=$2; shift 2 ;;
        *) break ;;
    esac
done
[ $# -ge 1 ] || { echo "usage: $0 [--qtest] [--screenshot FILE] PROGRAM.exe [ARGS...]" >&2; exit 2; }
prog=$1; shift
args=("$@")

"$wineserver" -k 2>/dev/null
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$wine" wineboot --init >/dev/null 2>&1
    "$wineserver" -w
fi

if [ $qtest = 1 ]; then
    out=$(mktemp --suffix=.txt)
    args+=(-o "$("$wine" winepath -w "$out" 2>/dev/null | tr -d '\r'),txt")
fi

timeout "${WINE_RUN_TIMEOUT:-600}" "$wine" "$prog" "${args[@]}" &
pid=$!
if [ -n "$shot" ]; then
    sleep "${SHOT_DELAY:-3}"
    import -window root "$shot" || echo "no screenshot taken" >&2
fi
wait $pid
rc=$?
timeout 30 "$wineserver" -w || "$wineserver" -k

if [ $qtest = 1 ]; then
    cat "$out"
    rm -f "$out"
fi
[ $rc = 124 ] && echo "$prog: stopped after ${WINE_RUN_TIMEOUT:-600} s" >&2
exit $rc
