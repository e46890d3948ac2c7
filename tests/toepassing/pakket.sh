#!/usr/bin/env bash
# Makes the program's Debian package as the build offers it (cpack -G DEB)
# and checks what it holds: the program, its catalogues, its desktop entry
# and file type, all under /usr, with the libraries it needs declared.
#   pakket.sh <build folder> <scratch folder> <package file name>
set -euo pipefail
bouw=$1
doel=$2
naam=$3

fout() { echo "FAILED: $*" >&2; exit 1; }

rm -rf "$doel"
mkdir -p "$doel"
if ! cpack -G DEB --config "$bouw/CPackConfig.cmake" -B "$doel" >"$doel/cpack.log" 2>&1; then
    cat "$doel/cpack.log" >&2
    fout "cpack made no package"
fi
pakket="$doel/$naam"
[ -f "$pakket" ] || fout "no package named $naam; cpack made: $(ls "$doel")"

# "perms owner size date time path", one line per entry.
inhoud=$(dpkg-deb -c "$pakket")
paden=$(awk '{print $6}' <<<"$inhoud")
heeft() { grep -qx -- "$1" <<<"$paden" || fout "the package lacks $1"; }

programma=$(grep -E ' \./usr/bin/VerelTamso$' <<<"$inhoud") || fout "the package lacks the program"
[[ $programma == -rwxr-xr-x\ root/root* ]] || fout "the program is not an executable of root: $programma"
[ "$(grep -c '^\./usr/bin/.' <<<"$paden")" -eq 1 ] || fout "more than the program in /usr/bin: $(grep '^\./usr/bin/.' <<<"$paden")"
heeft ./usr/share/applications/vereltamso.desktop
heeft ./usr/share/mime/packages/vereltamso.xml
heeft ./usr/share/icons/hicolor/128x128/apps/vereltamso.png
for catalogus in VerelTamso Trivanedesktop; do
    heeft "./usr/share/Trivane/VerelTamso/locale/nl/LC_MESSAGES/$catalogus.mo"
done
buiten=$(grep -v -e '^\./$' -e '^\./usr/' <<<"$paden" || true)
[ -z "$buiten" ] || fout "files outside /usr: $buiten"

[ "$(dpkg-deb -f "$pakket" Package)" = vereltamso ] || fout "the package is not named vereltamso"
afhankelijk=$(dpkg-deb -f "$pakket" Depends)
for nodig in libwxgtk3.2 libwxsqlite3 libsqlite3 libsodium xdg-utils locales; do
    grep -q "$nodig" <<<"$afhankelijk" || fout "the package does not depend on $nodig: $afhankelijk"
done
aanbevolen=$(dpkg-deb -f "$pakket" Recommends)
for aanbeveling in wx3.2-i18n fonts-noto-cjk; do
    grep -q "$aanbeveling" <<<"$aanbevolen" || fout "the package does not recommend $aanbeveling: $aanbevolen"
done
echo "package $naam made and complete"
