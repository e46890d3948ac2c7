#!/usr/bin/env bash
# Makes the README's pictures again, in docs/afbeeldingen/: the main window
# on a demo project at the size of a first start, the properties dialog of
# one of its requirements with every section open, the main window in
# German, and in each of the ten languages the properties dialog with the
# question that closing it after a change asks (eigenschappen-vraag-<ll>.png);
# then the main window on the demo project with costs of nine digits in all,
# at the first size in Dutch and in Russian and at 1024 x 768 in English
# (hoofdvenster-groot-<ll>.png).
# Run it when a window changed, and look at every picture before committing
# it:
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
nederlands=161
russisch=643
# Every language of the program, as "code:number".
talen=(en:175 de:373 nl:161 fr:301 it:423 es:735 sv:771 ja:428 ko:475 ru:643)

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
    local taal=$1 richting=$2 breedte=${3:-} hoogte=${4:-}
    # What earlier sessions of a user would have left: a language chosen and
    # the list sorted on its I.D column; the window keeps its first size,
    # or takes the size given.
    cat >"$HOME/.VerelTamso" <<EOF
[Gebruikersinstellingen]
Encoding=$taal
[Configuratie/Operationeel]
GeselekteerdeKolom=0
GeselekteerdeKolomRichting=$richting
[Operationeel/EersteKeer]
TaalGekozen=1
EOF
    if [ -n "$breedte" ]; then
        cat >>"$HOME/.VerelTamso" <<EOF
[Gebruikersinstellingen/Venster]
KoordinaatX=0
KoordinaatY=0
GrootteX=$breedte
GrootteY=$hoogte
EOF
    fi
}

# The program's windows that are shown, larger than a pixel: "id w h" each.
# A window that went between the search and the question for its size (a
# splash screen, a question answered) is not shown any more: left out.
getoondeVensters() {
    local venster maat WIDTH HEIGHT
    for venster in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        maat=$(xdotool getwindowgeometry --shell "$venster" 2>/dev/null) || continue
        WIDTH=0 HEIGHT=0
        eval "$maat"
        [ "$WIDTH" -gt 1 ] && [ "$HEIGHT" -gt 1 ] && echo "$venster $WIDTH $HEIGHT"
    done
    return 0
}

# Once the splash screen has gone, the main window is the one window shown;
# the splash alone, before the main window is mapped, is not it (it goes,
# and a picture of a window that went never comes).
alleenHoofdVenster() {
    local vensters
    vensters=$(getoondeVensters)
    [ -n "$vensters" ] && [ "$(wc -l <<<"$vensters")" -eq 1 ] && [ "$(cut -d' ' -f3 <<<"$vensters")" -gt 400 ]
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
# the middle of its first row, and the row height.
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
# are white over a third of the window's width or more (its texts, whole in
# every language, take much of the rest).
def isWit(y):
    return sum(1 for x in range(breedte) if px[x, y] == wit) >= breedte / 3

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
print((naden[0] + naden[1]) // 2, (boven + y) // 2, y - boven)
EOF
) || return 1
    read -r -a meting <<<"$uitkomst"
}

# A picture, taken by import with the arguments after the file name, once
# two pictures half a second apart are the same (what was drawing has drawn).
fotografeer() {
    local bestand=$1 vorige="$HOME/vorige.png" _
    shift
    import "$@" "$vorige"
    for _ in $(seq 20); do
        sleep 0.5
        import "$@" "$bestand"
        cmp -s <(convert "$vorige" rgb:-) <(convert "$bestand" rgb:-) && return 0
        cp "$bestand" "$vorige"
    done
    fout "the picture $bestand did not come to rest"
}

# The main window as a first start shows it, at its first size, or at the
# size given.
hoofdVensterFoto() {
    local taal=$1 bestand=$2
    schrijfKonfiguratie "$taal" 1 "${3:-}" "${4:-}"
    start
    fotografeer "$bestand" -window "$hoofdVenster"
    stop
}

# A copy of the demo project whose costs are ten thousand times as high:
# nine digits in all, the longest figures the statistics show.
maakGrootDemo() {
    mkdir -p "$(dirname "$grootDemo")"
    cp "$demo" "$grootDemo"
    "$python" - "$grootDemo" <<'EOF'
import sqlite3
import sys

verbinding = sqlite3.connect(sys.argv[1])
with verbinding:
    verbinding.execute("update Requirements set totaleKosten = totaleKosten * 10000")
totaal = verbinding.execute("select sum(totaleKosten) from Requirements").fetchone()[0]
verbinding.close()
if len(str(totaal)) != 9:
    sys.exit(f"the costs add up to {totaal}, not a figure of nine digits")
EOF
}

dialoog=
heeftDialoog() {
    dialoog=$(getoondeVensters | awk -v hoofd="$hoofdVenster" '$1 != hoofd && $2 > 200 && $3 > 200 {print $1}' | head -1)
    [ -n "$dialoog" ]
}

# The sections of the dialog that are closed: the middle of each arrow that
# points right at a section's heading (a small dark triangle on the panel),
# the lowest first, "x y" each.
geslotenSekties() {
    import -window "$dialoog" "$HOME/sekties.png" 2>/dev/null || return 1
    "$python" - "$HOME/sekties.png" <<'EOF'
import sys
from PIL import Image

beeld = Image.open(sys.argv[1]).convert("RGB")
breedte, hoogte = beeld.size
px = beeld.load()
paneel = (140, 161, 255)

def donker(x, y):
    return sum(px[x, y]) < 300

gezien = set()
pijlen = []
for y in range(hoogte):
    for x in range(breedte):
        if (x, y) in gezien or not donker(x, y):
            continue
        stapel, deel = [(x, y)], []
        gezien.add((x, y))
        while stapel:
            a, b = stapel.pop()
            deel.append((a, b))
            for c, d in ((a + 1, b), (a - 1, b), (a, b + 1), (a, b - 1)):
                if 0 <= c < breedte and 0 <= d < hoogte and (c, d) not in gezien and donker(c, d):
                    gezien.add((c, d))
                    stapel.append((c, d))
        if len(deel) > 100:
            continue
        links, rechts = min(p[0] for p in deel), max(p[0] for p in deel)
        boven, onder = min(p[1] for p in deel), max(p[1] for p in deel)
        # Column by column shorter, around one middle: a triangle pointing
        # right, which no letter is.
        kolommen = [[p[1] for p in deel if p[0] == k] for k in range(links, rechts + 1)]
        hoogtes = [len(k) for k in kolommen]
        midden = [sum(k) / len(k) for k in kolommen]
        if (len(kolommen) >= 3 and 7 <= hoogtes[0] <= 14 and all(a > b for a, b in zip(hoogtes, hoogtes[1:]))
                and all(abs(m - midden[0]) <= 1 for m in midden) and links >= 2
                and px[links - 2, (boven + onder) // 2] == paneel):
            pijlen.append(((links + rechts) // 2, (boven + onder) // 2))
for x, y in sorted(pijlen, key=lambda p: -p[1]):
    print(x, y)
EOF
}

# Every section open, the lowest first, so that those above stay in view
# when the rows begin to scroll.
openAlleSekties() {
    local _ sekties
    for _ in 1 2 3 4; do
        fotografeer "$HOME/rust.png" -window "$dialoog"
        sekties=$(geslotenSekties) || fout "the sections of the dialog were not found"
        [ -n "$sekties" ] || return 0
        # shellcheck disable=SC2046
        xdotool mousemove --window "$dialoog" $(head -1 <<<"$sekties") click 1
        xdotool mousemove 0 0
    done
    fotografeer "$HOME/rust.png" -window "$dialoog"
    [ -z "$(geslotenSekties)" ] || fout "a section of the dialog stayed closed"
}

# The properties dialog of the requirement in that row of the list sorted
# upwards (1 the first), as the edit command opens it, with every section
# open.
openDialoog() {
    local rij=$1
    xdotool mousemove --window "$hoofdVenster" "${meting[0]}" $((meting[1] + (rij - 1) * meting[2])) click 1
    xdotool key ctrl+e
    wachtOp heeftDialoog || fout "the properties dialog did not come up"
    xdotool windowmove "$dialoog" 20 20
    xdotool mousemove 0 0
    openAlleSekties
}

# The properties dialog of a tested requirement (the third row).
dialoogFoto() {
    local bestand=$1
    schrijfKonfiguratie "$engels" 1
    start
    openDialoog 3
    fotografeer "$bestand" -window "$dialoog"
    stop
}

# The middle of the dialog's title field, "x y": the first white stretch
# of a third of the dialog's width or more, from the top.
titelVeld() {
    import -window "$dialoog" "$HOME/titel.png" 2>/dev/null || return 1
    "$python" - "$HOME/titel.png" <<'EOF'
import sys
from PIL import Image

beeld = Image.open(sys.argv[1]).convert("RGB")
breedte, hoogte = beeld.size
px = beeld.load()
wit = (255, 255, 255)
for y in range(hoogte):
    lengte = 0
    for x in range(breedte):
        lengte = lengte + 1 if px[x, y] == wit else 0
        if lengte >= breedte // 3:
            print(x - lengte // 2, y + 8)
            sys.exit(0)
sys.exit(1)
EOF
}

# Asks the window to close, as its close box does (the X server runs no
# window manager that would draw one).
vraagSluiten() {
    "$python" - "$1" <<'EOF'
import ctypes
import sys

x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]

class Bericht(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

class Gebeurtenis(ctypes.Union):
    _fields_ = [("xclient", Bericht), ("opvulling", ctypes.c_long * 24)]

x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                         ctypes.POINTER(Gebeurtenis)]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
scherm = x.XOpenDisplay(None)
if not scherm:
    sys.exit(1)
venster = int(sys.argv[1])
gebeurtenis = Gebeurtenis()
gebeurtenis.xclient.type = 33  # ClientMessage
gebeurtenis.xclient.window = venster
gebeurtenis.xclient.message_type = x.XInternAtom(scherm, b"WM_PROTOCOLS", 0)
gebeurtenis.xclient.format = 32
gebeurtenis.xclient.data[0] = x.XInternAtom(scherm, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(scherm, venster, 0, 0, ctypes.byref(gebeurtenis))
x.XFlush(scherm)
x.XCloseDisplay(scherm)
EOF
}

heeftVraag() {
    getoondeVensters | awk -v hoofd="$hoofdVenster" -v dialoog="$dialoog" '$1 != hoofd && $1 != dialoog' | grep -q .
}

# The properties dialog of a requirement in development (row 15), every
# section open, in the language given, with the question that closing it
# after a change of its title asks; the picture is the dialog's place on
# the screen, the question box over it.
vraagFoto() {
    local taal=$1 bestand=$2 plek
    schrijfKonfiguratie "$taal" 1
    start
    openDialoog 15
    plek=$(titelVeld) || fout "the title field of the dialog was not found"
    # shellcheck disable=SC2086
    xdotool mousemove --window "$dialoog" $plek click 1
    xdotool key End type " "
    xdotool mousemove 0 0
    vraagSluiten "$dialoog" || fout "the dialog could not be asked to close"
    wachtOp heeftVraag || fout "closing the changed dialog asked nothing"
    local maat
    maat=$(xdotool getwindowgeometry --shell "$dialoog") || fout "the dialog went before its picture was taken"
    eval "$maat"
    fotografeer "$bestand" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage
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
    local taal
    for taal in "${talen[@]}"; do
        vraagFoto "${taal#*:}" "$doelMap/eigenschappen-vraag-${taal%%:*}.png"
    done
    grootDemo="$HOME/groot/GC-4.vtd"
    maakGrootDemo || fout "the demo project with large costs could not be made"
    demo="$grootDemo"
    hoofdVensterFoto "$nederlands" "$doelMap/hoofdvenster-groot-nl.png"
    hoofdVensterFoto "$russisch" "$doelMap/hoofdvenster-groot-ru.png"
    hoofdVensterFoto "$engels" "$doelMap/hoofdvenster-groot-en-1024.png" 1024 768
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
# High enough for the properties dialog with every section open.
HOME="$werkMap" "$hier/scripts/eigenXserver.sh" --scherm 1600x1600x24 "$0" --op-scherm "$bouw" ||
    { cat "$werkMap/programma.log" >&2; exit 1; }
echo "Pictures made in $doelMap:"
ls -l "$doelMap"
