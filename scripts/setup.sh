#!/usr/bin/env bash
# Installs what building and testing need on Debian or Ubuntu, only when something is missing,
# and the extra packages named as arguments.
set -euo pipefail

# Build: Qt, its SQLite driver (her patients), CMake, Ninja, a compiler. The program's look: "Times" and its metric twin, Qt's
# French texts. Tests: Qt's private headers (to switch accessibility on). A check whose tool is
# not installed here says it is skipped, and why; `scripts/setup.sh checks` installs them all:
# poppler (to read back a PDF), the package tools and lintian, Liberation Serif (the fallback
# where Times is missing).
packages=(qt6-base-dev qt6-base-private-dev libqt6sql6-sqlite cmake ninja-build g++ make fonts-urw-base35
          qt6-translations-l10n)
for p in "$@"; do
    if [ "$p" = checks ]; then
        packages+=(poppler-utils dpkg-dev lintian fonts-liberation)
    else
        packages+=("$p")
    fi
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
    echo "Missing packages: ${missing[*]}. This set-up knows Debian and Ubuntu only;" >&2
    echo "install the equivalents with your system's package manager." >&2
    exit 1
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them with:" >&2
    echo "    sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
    echo "then run make again." >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
