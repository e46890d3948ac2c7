#!/bin/sh
# Starts the program as a user would, once without and once with the
# display of the X server this test runs on, with a stored list font in a
# fresh HOME. Without a display it must end with the toolkit's message (no
# crash) and leave the settings as they were; with one it must start, read
# the stored font and end normally.
set -u
programma=$1
thuis=$(mktemp -d "${TMPDIR:-/tmp}/vt-start-XXXXXX") || exit 1
trap 'rm -rf "$thuis"' EXIT
export HOME="$thuis" TMPDIR="$thuis"
fout() {
    echo "start test: $*" >&2
    exit 1
}

printf '[Configuratie/Font]\nInheemseBeschrijving=DejaVu Serif Bold 13\n' > "$HOME/.VerelTamso"

env -u DISPLAY -u WAYLAND_DISPLAY "$programma" > "$thuis/zonder.txt" 2>&1
uitkomst=$?
cat "$thuis/zonder.txt"
# wxEntry's -1: the toolkit refused to start; a signal would be above 128.
[ $uitkomst -eq 255 ] || fout "without a display the program ended with $uitkomst, not 255"
grep -q "InheemseBeschrijving=DejaVu Serif Bold 13" "$HOME/.VerelTamso" ||
    fout "a start without a display changed the stored font"

[ -n "${DISPLAY:-}" ] || fout "no X display to start on"
"$programma" > "$thuis/met.txt" 2>&1
uitkomst=$?
cat "$thuis/met.txt"
[ $uitkomst -eq 0 ] || fout "with a display the program ended with $uitkomst"
grep -q "^font: DejaVu Serif Bold 13" "$thuis/met.txt" || fout "the stored list font was not read"
grep -q "StartTijd=" "$HOME/.VerelTamso" || fout "the settings were not written at the end"
grep -q "InheemseBeschrijving=DejaVu Serif Bold 13" "$HOME/.VerelTamso" || fout "the font was not written back"
echo "start test: passed"
