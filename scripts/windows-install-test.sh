#!/usr/bin/env bash
# The installer tried as she would use it, under Wine on a virtual display, in a Wine prefix made
# afresh (a computer Tarivane never was on): installed quietly, found where it belongs, started,
# her tariffs saved, the next version installed over it, an older one refused, then removed,
# her files kept. Each step prints "ok" or "FAILED"; the first failure ends it with status 1.
#   scripts/windows-install-test.sh PACKAGE.msi NEXT.msi [SCREENSHOT.png]
#   NEXT.msi      a package of a later version
#   SCREENSHOT    the updated program's window, as a picture
# Wine runs as an administrator: the package goes to Program Files, not to
# %LOCALAPPDATA%\Programs as for a user without those rights on Windows.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${INSTALL_TEST_INNER:-}" ]; then
    [ $# -ge 2 ] || { echo "usage: $0 PACKAGE.msi NEXT.msi [SCREENSHOT.png]" >&2; exit 2; }
    "$here/setup.sh" wine64 xvfb xauth xdotool imagemagick msitools || exit 1
    # One virtual display for the whole test; Wine's server ends inside it.
    INSTALL_TEST_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

paquet=$(realpath "$1")
suivant=$(realpath "$2")
shot=${3:+$(realpath -m "$3")}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarivane
export WINEPREFIX=$cache/wine-installation
export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES=mscoree,mshtml=
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

echec() {
    echo "FAILED  $*"
    "$wineserver" -k 2>/dev/null
    exit 1
}
ok() { echo "ok      $*"; }

# A Windows path as a path here; a Windows variable's value.
unix() { "$wine" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
windows() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
variable() { "$wine" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }

msiexec() {
    "$wine" msiexec "$@" >/dev/null 2>&1
    local rc=$?
    "$wineserver" -w
    return $rc
}

# What "Applications et fonctionnalités" lists: "name version publisher", one line a product.
applications() {
    local reg
    reg=$(mktemp --suffix=.reg)
    for racine in HKEY_LOCAL_MACHINE HKEY_CURRENT_USER; do
        rm -f "$reg"
        "$wine" regedit /E "$(windows "$reg")" \
            "$racine\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" >/dev/null 2>&1
        [ -s "$reg" ] || continue
        iconv -f UTF-16 -t UTF-8 "$reg" | tr -d '\r' | awk -F'"' '
            /^\[/ { if (nom != "") print nom, version, editeur; nom = version = editeur = "" }
            $2 == "DisplayName" { nom = $4 }
            $2 == "DisplayVersion" { version = $4 }
            $2 == "Publisher" { editeur = $4 }
            END { if (nom != "") print nom, version, editeur }'
    done | grep '^Tarivane ' | sort
    rm -f "$reg"
}

# The folder the installer names for her: the program's, found as the program finds it.
dossierInstalle() {
    "$wine" reg query 'HKCU\Software\Tarivane\Tarivane' /v Dossier 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *Dossier *REG_SZ *//p'
}

empreinte() { (cd "$1" && sha256sum Tarivane Patients.sqlite 2>&1); }

"$wineserver" -k 2>/dev/null
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
[ -f "$WINEPREFIX/system.reg" ] || echec "a new Wine prefix"

version() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductVersion\t//p'; }
version=$(version "$paquet")

# 1. Installed quietly, where it belongs.
msiexec /i "$(windows "$paquet")" /qn || echec "msiexec /i $(basename "$paquet") /qn"
ok "installed quietly: msiexec /i $(basename "$paquet") /qn"
dossierWin=$(dossierInstalle)
dossier=$(unix "$dossierWin")
programmes=$(unix "$(variable ProgramFiles)")
utilisateur=$(unix "$(variable LOCALAPPDATA)")/Programs
case ${dossier%/} in
"$programmes/Tarivane" | "$utilisateur/Tarivane") ;;
*) echec "installed in Program Files or %LOCALAPPDATA%\\Programs, not in « $dossierWin »" ;;
esac
for f in tarivane.exe LISEZMOI.txt LICENCE.txt; do
    [ -f "$dossier/$f" ] || echec "$f in $dossierWin"
done
ok "tarivane.exe, LISEZMOI.txt and LICENCE.txt in $dossierWin"
appdata=$(unix "$(variable APPDATA)")
menus=("$appdata/Microsoft/Windows/Start Menu/Programs"
       "$(unix "$(variable ProgramData)")/Microsoft/Windows/Start Menu/Programs")
lien() {
    for m in "${menus[@]}"; do
        [ -f "$m/Tarivane.lnk" ] && { echo "$m/Tarivane.lnk"; return 0; }
    done
    return 1
}
raccourci=$(lien) || echec "Tarivane.lnk in the Start menu"
ok "the Start menu's Tarivane.lnk: $(windows "$raccourci")"
[ "$(applications)" = "Tarivane $version Tarivane" ] ||
    echec "listed once as « Tarivane $version Tarivane » among the applications: $(applications)"
ok "listed among the applications: $(applications)"

# The installed program started, as from its Start menu link; its window's X id.
demarrer() {
    (cd "$dossier" && exec "$wine" "$dossier/tarivane.exe") >/dev/null 2>&1 &
    programme=$!
    fenetre=$(timeout 120 xdotool search --sync --onlyvisible --name '^Tarivane en Dialyse' |
              head -n 1)
    [ -n "$fenetre" ]
}
# The windows titled "Paramétrage": the notice of a start with no settings file, or the panel.
parametrage() { xdotool search --onlyvisible --name '^Param' 2>/dev/null; }
# Ctrl+Q, and the program gone with status 0.
quitter() {
    xdotool windowfocus --sync "$fenetre" 2>/dev/null
    xdotool key --clearmodifiers ctrl+q
    for _ in $(seq 30); do
        kill -0 $programme 2>/dev/null || break
        sleep 1
    done
    if kill -0 $programme 2>/dev/null; then
        kill $programme
        return 1
    fi
    wait $programme && "$wineserver" -w
}

# 2. Started, its window seen with the notice of a first start, today's tariffs saved: Ctrl+,
#    opens "Paramétrage", Tab past the five fields to the official sets, Home takes the newest,
#    Ctrl+S saves. An installed copy keeps them in %APPDATA%\Tarivane,
#    never beside itself.
donnees=$appdata/Tarivane
demarrer || echec "the installed program's window"
for _ in $(seq 10); do
    [ -n "$(parametrage)" ] && break
    sleep 1
done
[ -n "$(parametrage)" ] || echec "the notice that no settings file was found, at the first start"
ok "started: « $(xdotool getwindowname "$fenetre") », with the notice of a first start"
xdotool windowfocus --sync "$fenetre" 2>/dev/null
xdotool key --clearmodifiers ctrl+comma
sleep 2
xdotool key --clearmodifiers Tab Tab Tab Tab Tab Tab Home
sleep 1
xdotool key --clearmodifiers ctrl+s
for _ in $(seq 30); do
    [ -f "$donnees/Tarivane" ] && break
    sleep 1
done
quitter || echec "the program quits on Ctrl+Q, with status 0"
[ -f "$donnees/Tarivane" ] || echec "her tariffs saved in %APPDATA%\\Tarivane\\Tarivane"
[ "$(wc -l <"$donnees/Tarivane")" -eq 5 ] || echec "five lines in %APPDATA%\\Tarivane\\Tarivane"
sed -n 2p "$donnees/Tarivane" | grep -q '^2[.,]75' || echec "today's set saved (IFD 2,75)"
[ ! -e "$dossier/Tarivane" ] || echec "nothing saved beside the installed program"
ok "her tariffs saved in %APPDATA%\\Tarivane\\Tarivane, nothing beside the program"
# Her patients' file, which the installer must leave as it is.
printf 'SQLite format 3\0' >"$donnees/Patients.sqlite"
avant=$(empreinte "$donnees")

# 3. The next version over it: one entry, her files kept.
suivante=$(version "$suivant")
msiexec /i "$(windows "$suivant")" /qn || echec "msiexec /i $(basename "$suivant") /qn"
[ "$(applications)" = "Tarivane $suivante Tarivane" ] ||
    echec "only version $suivante listed after the update: $(applications)"
[ -f "$dossier/tarivane.exe" ] && lien >/dev/null || echec "the program and its link after the update"
[ "$(empreinte "$donnees")" = "$avant" ] || echec "her files unchanged by the update"
ok "updated to $suivante over it: one entry, program and link there, her files unchanged"
demarrer || echec "the updated program's window"
sleep 3
[ -z "$(parametrage)" ] || echec "her saved tariffs read at the next start: no notice"
if [ -n "$shot" ]; then
    import -window "$fenetre" "$shot" || echec "a picture of the window as $shot"
fi
quitter || echec "the updated program quits on Ctrl+Q, with status 0"
[ "$(empreinte "$donnees")" = "$avant" ] || echec "her files unchanged by a start"
ok "started again: her tariffs read from %APPDATA%\\Tarivane, no notice${shot:+ ($shot)}"

# 4. An older version over a newer one: refused, nothing changed.
if msiexec /i "$(windows "$paquet")" /qn; then
    echec "an older version refused over a newer one"
fi
[ "$(applications)" = "Tarivane $suivante Tarivane" ] && [ -f "$dossier/tarivane.exe" ] ||
    echec "the newer version still there after the refusal"
ok "an older version refused over the newer one"

# 5. Removed: the program, its folder, its link, its entry and its value gone; her files kept.
msiexec /x "$(windows "$suivant")" /qn || echec "msiexec /x $(basename "$suivant") /qn"
[ ! -e "$dossier" ] || echec "the program's folder removed: $(ls -A "$dossier")"
! lien >/dev/null || echec "the Start menu link removed"
[ -z "$(applications)" ] || echec "no longer listed: $(applications)"
[ -z "$(dossierInstalle)" ] || echec "the installer's value removed"
[ "$(empreinte "$donnees")" = "$avant" ] || echec "her files kept after the removal"
ok "removed: program, folder, link and entry gone; her files kept in %APPDATA%\\Tarivane"

"$wineserver" -k 2>/dev/null
echo "installer: every step passed"
