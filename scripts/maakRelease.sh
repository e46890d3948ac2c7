#!/usr/bin/env bash
# Makes a release for the update server: the program's Debian package, its
# minisign signature beside it and the version file that announces it, laid
# out as the server holds them:
#     <target>/pub/VerelTamso/LaatsteVersie
#     <target>/pub/VerelTamso/Versie_<version>/VerelTamso_<version>_Linux_x86_64.deb
#     <target>/pub/VerelTamso/Versie_<version>/VerelTamso_<version>_Linux_x86_64.deb.minisig
#
#   scripts/maakRelease.sh <secret key file> [target folder]
#
# The secret key is minisign's, kept by the maintainer outside this tree
# (minisign asks for its password). Its public half must be the one the
# program trusts, toepassing/kern/VerelTamso.pub: the script checks the
# signature with it before it is done. The package is built in build-release
# (or in the configured build folder VT_BOUW, as it is).
set -euo pipefail
hier="$(cd "$(dirname "$0")/.." && pwd)"

fout() { echo "maakRelease: $*" >&2; exit 1; }

[ $# -ge 1 ] || fout "usage: $0 <secret key file> [target folder]"
sleutel=$(realpath "$1")
doel=$(realpath -m "${2:-release}")
publiek=${VT_PUBLIEKE_SLEUTEL:-$hier/toepassing/kern/VerelTamso.pub}
[ -f "$sleutel" ] || fout "no secret key at $sleutel"
case "$sleutel" in
"$hier"/*) fout "the secret key lies inside the source tree; keep it outside" ;;
esac
command -v minisign >/dev/null || fout "minisign is missing (scripts/installeer.sh test installs it)"

versie=$(sed -n 's/^project(VerelTamso VERSION \([0-9.]*\).*/\1/p' "$hier/CMakeLists.txt")
[ -n "$versie" ] || fout "no version in CMakeLists.txt"
naam="VerelTamso_${versie}_Linux_x86_64.deb"

bouw=${VT_BOUW:-$hier/build-release}
if [ -z "${VT_BOUW:-}" ]; then
    cmake -S "$hier" -B "$bouw" -DCMAKE_BUILD_TYPE=Release -DVT_TESTS=OFF -DVT_BENCHMARK=OFF >/dev/null
    cmake --build "$bouw" -j "$(nproc)"
fi
werk=$(mktemp -d)
trap 'rm -rf "$werk"' EXIT
cpack -G DEB --config "$bouw/CPackConfig.cmake" -B "$werk" >"$werk/cpack.log" 2>&1 || {
    cat "$werk/cpack.log" >&2
    fout "cpack made no package"
}
[ -f "$werk/$naam" ] || fout "cpack made no $naam"
# What the update check will demand of it.
[ "$(dpkg-deb -f "$werk/$naam" Package)" = vereltamso ] || fout "the package is not named vereltamso"
[ "$(dpkg-deb -f "$werk/$naam" Version)" = "$versie" ] || fout "the package is not version $versie"

map="$doel/pub/VerelTamso/Versie_$versie"
mkdir -p "$map"
cp "$werk/$naam" "$map/$naam"
# The trusted comment names the file and the version, so that this
# signature never passes for another release.
minisign -S -s "$sleutel" -m "$map/$naam" -x "$map/$naam.minisig" \
    -t "$(printf 'timestamp:%s\tfile:%s\tversion:%s' "$(date +%s)" "$naam" "$versie")" >/dev/null
minisign -V -q -p "$publiek" -m "$map/$naam" -x "$map/$naam.minisig" ||
    fout "the secret key does not belong to the program's public key $publiek"
printf 'Version:%s\n' "$versie" >"$doel/pub/VerelTamso/LaatsteVersie"
echo "release $versie made in $doel/pub/VerelTamso"
