#!/usr/bin/env bash
# Generates the UTF-8 locales of the ten interface languages: the program
# puts the process into the chosen language's locale, so that the toolkit's
# own texts (GTK's buttons and dialogs) speak it too, and the tests run under
# them (number formats, languages).
set -euo pipefail

nodig=(en_US de_DE nl_NL fr_FR it_IT es_ES sv_SE ja_JP ko_KR ru_RU)
ontbrekend=()
for taal in "${nodig[@]}"; do
    locale -a 2>/dev/null | grep -qix "$taal.utf8" || ontbrekend+=("$taal")
done
[ ${#ontbrekend[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Locales missing: ${ontbrekend[*]}; run $0 as root once." >&2
    exit 1
fi
if ! command -v locale-gen >/dev/null; then
    echo "locale-gen is missing: install the package \"locales\" (apt-get install locales)." >&2
    exit 1
fi
for taal in "${ontbrekend[@]}"; do
    if grep -q "^# *$taal.UTF-8 UTF-8" /etc/locale.gen; then
        sed -i "s/^# *$taal.UTF-8 UTF-8/$taal.UTF-8 UTF-8/" /etc/locale.gen
    elif ! grep -q "^$taal.UTF-8 UTF-8" /etc/locale.gen; then
        echo "$taal.UTF-8 UTF-8" >>/etc/locale.gen
    fi
done
locale-gen >/dev/null
