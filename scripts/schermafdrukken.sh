#!/usr/bin/env bash
# Makes the README's pictures again, in docs/afbeeldingen/: the main window
# on a demo project, the properties dialog of one of its requirements, and
# the main window in German. Run it when a window changed, and look at every
# picture before committing it:
#
#   scripts/schermafdrukken.sh [build folder]      (default: build-test)
#
# The demo project is made by the tool demo_projekt through the program's own
# store; the program itself then runs on it on an X server of its own, with a
# configuration of the script's own (a fresh HOME), driven by xdotool.
set -euo pipefail
hier="$(cd "$(dirname "$0")/.." && pwd)"
doelMap="$hier/docs/afbeeldingen"

# The numbers wxWidgets 3.2 gives the languages in the stored setting.
engels=175
duits=373

# Python with PIL as Debian installs it, which the build uses too.
python=/usr/bin/python3
[ -x "$python" ] || python=python3

fout() {
    echo "schermafdrukken: $*" >&2
    exit 1
}

# Waits until the command succeeds, for at most about ten seconds.
wachtOp() {
    local _
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}

# --- On the X server (the script runs itself there) ---

programma=
pid=

schrijfKonfiguratie() {
    local taal=$1 breedte=$2 hoogte=$3 richting=$4
    # What earlier sessions of a user would have left: a language chosen, a
    # window size, the list sorted on its I.D column.
    cat >"$HOME/.VerelTamso" <<EOF
[Gebruikersinstellingen]
Encoding=$taal
[Gebruikersinstellingen/Venster]
KoordinaatX=0
KoordinaatY=0
GrootteX=$breedte
GrootteY=$hoogte
[Configuratie/Operationeel]
GeselekteerdeKolom=0
GeselekteerdeKolomRichting=$richting
[Operationeel/EersteKeer]
TaalGekozen=1
EOF
}

# The program's windows that are shown, larger than a pixel: "id w h" each.
getoondeVensters() {
    local venster
    for venster in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$venster")"
        [ "$WIDTH" -gt 1 ] && [ "$HEIGHT" -gt 1 ] && echo "$venster $WIDTH $HEIGHT"
    done
    return 0
}

# Once the splash screen has gone, the main window is the one window shown.
alleenHoofdVenster() {
    [ "$(getoondeVensters | wc -l)" -eq 1 ]
}

hoofdVenster=
start() {
    "$programma" "$demo" >>"$HOME/programma.log" 2>&1 &
    pid=$!
    wachtOp alleenHoofdVenster || fout "the main window did not come up (see $HOME/programma.log)"
    hoofdVenster=$(getoondeVensters | cut -d' ' -f1)
    # The pointer out of the way: no tooltip, no hover.
    xdotool mousemove 0 0
    wachtOp lijstGemeten || fout "the list of the main window was not found"
}

stop() {
    kill "$pid" 2>/dev/null || true
    wachtOp stopt || kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

stopt() {
    ! kill -0 "$pid" 2>/dev/null
}

# The list in a picture of the main window: the middle of its title column,
# the middle of its first row, the row height, the margin right of the list,
# and the right edges of the columns.
meting=()
lijstGemeten() {
    import -window "$hoofdVenster" "$HOME/meting.png" 2>/dev/null || return 1
    local uitkomst
    uitkomst=$("$python" - "$HOME/meting.png" <<'EOF'
import sys
from PIL import Image

beeld = Image.open(sys.argv[1]).convert("RGB")
breedte, hoogte = beeld.size
px = beeld.load()
wit = (255, 255, 255)

# The list's header: the first band of rows, 15 pixels high or more, that
# are white over half the window's width or more.
def isWit(y):
    return sum(1 for x in range(breedte) if px[x, y] == wit) >= breedte / 2

band = []
for y in range(hoogte):
    if isWit(y):
        band.append(y)
        continue
    if len(band) >= 15:
        break
    band = []
if len(band) < 15:
    sys.exit(1)
# The list reaches as far as its header's white; the separators of the
# columns run from the top of the header to its bottom in one colour, which
# no text does.
witte = [x for x in range(breedte) if px[x, band[0]] == wit]
rechts = witte[-1] + 1
naden = []
for x in range(witte[0] + 1, rechts):
    kleur = px[x, band[0]]
    if kleur != wit and all(px[x, y] == kleur for y in band) and (not naden or x - naden[-1] > 1):
        naden.append(x)
if len(naden) < 2:
    sys.exit(1)
# The first row, below the header's bottom border, as far as its colour
# goes; measured beside a separator, where the centred texts never reach.
x = naden[0] + 3
y = band[-1] + 1
while y < hoogte and px[x, y] == px[x, band[-1] + 1]:
    y += 1
boven = y
while y < hoogte and px[x, y] == px[x, boven]:
    y += 1
if y >= hoogte or y - boven < 8:
    sys.exit(1)
print((naden[0] + naden[1]) // 2, (boven + y) // 2, y - boven, breedte - rechts, *naden)
EOF
) || return 1
    read -r -a meting <<<"$uitkomst"
}

# The window as wide as the columns it shows whole: a column cut off at the
# right edge would look like a fault.
pasBreedteAan() {
    local marge=${meting[3]} laatste=0 naad breedte hoogte
    eval "$(xdotool getwindowgeometry --shell "$hoofdVenster")"
    breedte=$WIDTH
    hoogte=$HEIGHT
    for naad in "${meting[@]:4}"; do
        [ "$naad" -lt $((breedte - marge - 1)) ] && laatste=$naad
    done
    [ "$laatste" -gt 0 ] || return 0
    xdotool windowsize "$hoofdVenster" $((laatste + 1 + marge)) "$hoogte"
    wachtOp heeftBreedte $((laatste + 1 + marge)) || fout "the main window kept its width"
    wachtOp lijstGemeten || fout "the list of the main window was not found after the resize"
}

heeftBreedte() {
    eval "$(xdotool getwindowgeometry --shell "$hoofdVenster")"
    [ "$WIDTH" -eq "$1" ]
}

# A picture of the window once two pictures half a second apart are the same
# (what was drawing has drawn).
fotografeer() {
    local venster=$1 bestand=$2 vorige="$HOME/vorige.png" _
    import -window "$venster" "$vorige"
    for _ in $(seq 20); do
        sleep 0.5
        import -window "$venster" "$bestand"
        cmp -s <(convert "$vorige" rgb:-) <(convert "$bestand" rgb:-) && return 0
        cp "$bestand" "$vorige"
    done
    fout "the window $venster did not come to rest"
}

hoofdVensterFoto() {
    local taal=$1 bestand=$2
    schrijfKonfiguratie "$taal" 1400 860 1
    start
    pasBreedteAan
    fotografeer "$hoofdVenster" "$bestand"
    stop
}

dialoog=
heeftDialoog() {
    dialoog=$(getoondeVensters | awk -v hoofd="$hoofdVenster" '$1 != hoofd && $2 > 200 && $3 > 200 {print $1}' | head -1)
    [ -n "$dialoog" ]
}

# The properties dialog of the last requirement (the list sorted downwards
# shows it first), as the edit command opens it: the section of its level
# open when the screen has room for it.
dialoogFoto() {
    local bestand=$1
    schrijfKonfiguratie "$engels" 1280 860 2
    start
    xdotool mousemove --window "$hoofdVenster" "${meting[0]}" "${meting[1]}" click 1
    xdotool key ctrl+e
    wachtOp heeftDialoog || fout "the properties dialog did not come up"
    # The dialog stands where the whole of it is on the screen.
    xdotool windowmove "$dialoog" 20 20
    xdotool mousemove 0 0
    fotografeer "$dialoog" "$bestand"
    stop
}

opScherm() {
    local bouw=$1
    programma="$bouw/toepassing/VerelTamso"
    demo="$HOME/GC-4.vtd"
    "$bouw/bin/demo_projekt" "$demo" 2>>"$HOME/programma.log" || fout "the demo project could not be made"
    mkdir -p "$doelMap"
    hoofdVensterFoto "$engels" "$doelMap/hoofdvenster.png"
    dialoogFoto "$doelMap/eigenschappen.png"
    hoofdVensterFoto "$duits" "$doelMap/hoofdvenster-de.png"
}

if [ "${1:-}" = --op-scherm ]; then
    opScherm "$2"
    exit 0
fi

# --- The preparation ---

[ $# -le 1 ] || {
    echo "usage: $0 [build folder]" >&2
    exit 2
}
bouw="$(realpath "${1:-$hier/build-test}")"
"$hier/scripts/installeer.sh" schermafdrukken
cmake -S "$hier" -B "$bouw" >/dev/null
cmake --build "$bouw" -j 3 --target VerelTamso demo_projekt >/dev/null
# A folder of a fixed name: its path is what the window's status bar shows.
werkMap="${TMPDIR:-/tmp}/VerelTamso-demo"
[ -e "$werkMap" ] && fout "$werkMap exists: another run is busy, or an earlier one left it (remove it)"
mkdir "$werkMap"
trap 'rm -rf "$werkMap"' EXIT
HOME="$werkMap" "$hier/scripts/eigenXserver.sh" --scherm 1600x1200x24 "$0" --op-scherm "$bouw" ||
    { cat "$werkMap/programma.log" >&2; exit 1; }
echo "Pictures made in $doelMap:"
ls -l "$doelMap"
