#!/usr/bin/env bash
# Installs the build into a folder of its own and checks what the desktop
# reads: the program, its desktop entry (one file, "%f") and the file type of
# *.vtd, with the desktop's own validators.
#   installatie.sh <build folder> <scratch folder>
set -euo pipefail
bouw=$1
doel=$2
rm -rf "$doel"
cmake --install "$bouw" --prefix "$doel" >/dev/null

fout() { echo "FAILED: $*" >&2; exit 1; }

[ -x "$doel/bin/VerelTamso" ] || fout "the program is not installed"
ingang="$doel/share/applications/vereltamso.desktop"
desktop-file-validate "$ingang" || fout "the desktop entry does not validate"
grep -qx 'Exec=VerelTamso %f' "$ingang" || fout "the desktop entry does not hand over one file"
grep -qx 'MimeType=application/x-vereltamso;' "$ingang" || fout "the desktop entry names no file type"

type="$doel/share/mime/packages/vereltamso.xml"
xmllint --noout "$type" || fout "the file type is no well-formed XML"
update-mime-database "$doel/share/mime" >/dev/null 2>&1 || fout "the desktop's file type database refuses it"
grep -q 'application/x-vereltamso:\*\.vtd' "$doel/share/mime/globs2" || fout "*.vtd is not the project type"
[ -f "$doel/share/icons/hicolor/128x128/apps/vereltamso.png" ] || fout "the icon is not installed"
[ -f "$doel/share/Trivane/VerelTamso/locale/nl/LC_MESSAGES/VerelTamso.mo" ] || fout "the catalogues are not installed"
echo "installed and valid"
