#!/usr/bin/env bash
# Makes a release with scripts/maakRelease.sh from the build as it is, with a
# key pair of the test, and checks what the update server will hold.
#   release.sh <build folder> <scratch folder>
set -euo pipefail
bouw=$1
doel=$2
hier="$(cd "$(dirname "$0")/../.." && pwd)"

fout() { echo "FAILED: $*" >&2; exit 1; }

rm -rf "$doel"
mkdir -p "$doel"
# The keys lie outside the tree, as the maintainer's do.
sleutels=$(mktemp -d)
trap 'rm -rf "$sleutels"' EXIT
minisign -G -W -p "$sleutels/test.pub" -s "$sleutels/test.key" >/dev/null
VT_BOUW=$bouw VT_PUBLIEKE_SLEUTEL="$sleutels/test.pub" \
    "$hier/scripts/maakRelease.sh" "$sleutels/test.key" "$doel/server" >"$doel/release.log" 2>&1 || {
    cat "$doel/release.log" >&2
    fout "maakRelease.sh failed"
}
versie=$(sed -n 's/^project(VerelTamso VERSION \([0-9.]*\).*/\1/p' "$hier/CMakeLists.txt")
naam="VerelTamso_${versie}_Linux_x86_64.deb"
map="$doel/server/pub/VerelTamso"
[ "$(cat "$map/LaatsteVersie")" = "Version:$versie" ] || fout "the version file does not announce $versie"
[ -f "$map/Versie_$versie/$naam" ] || fout "no $naam in Versie_$versie"
uit=$(minisign -V -p "$sleutels/test.pub" -m "$map/Versie_$versie/$naam") || fout "the signature does not verify"
grep -q "file:$naam" <<<"$uit" || fout "the trusted comment does not name the file: $uit"
grep -q "version:$versie" <<<"$uit" || fout "the trusted comment does not name the version: $uit"
# A key that is not the program's is refused.
minisign -G -W -p "$sleutels/ander.pub" -s "$sleutels/ander.key" >/dev/null
if VT_BOUW=$bouw "$hier/scripts/maakRelease.sh" "$sleutels/ander.key" "$doel/ander" >/dev/null 2>&1; then
    fout "a release was signed with a key that is not the program's"
fi
echo "release $versie made and signed"
