#!/usr/bin/env bash
# Fetches one of Debian's source packages into a folder, through a source list of our own:
# deb-src twins of the machine's deb entries, so the system's apt lists are left as they are.
#   scripts/debian-source.sh PACKAGE VERSION FOLDER
# Fetched once: a second call with the same version does nothing.
set -euo pipefail

[ $# = 3 ] || { echo "usage: $0 PACKAGE VERSION FOLDER" >&2; exit 2; }
package=$1 version=$2 folder=$3
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarivane

dsc=$folder/${package}_${version#*:}.dsc
[ -f "$dsc.fetched" ] && exit 0

apt=$cache/apt
rm -rf "$apt"
mkdir -p "$folder" "$apt/parts" "$apt/lists/partial" "$apt/cache/archives/partial"
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
(cd "$folder" && apt-get -q "${aptopts[@]}" source --download-only "$package=$version")
touch "$dsc.fetched"
