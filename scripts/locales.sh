#!/usr/bin/env bash
# Generates the locales the tests run under (number formats, languages).
set -euo pipefail

nodig=(en_US nl_NL)
ontbrekend=()
for taal in "${nodig[@]}"; do
    locale -a 2>/dev/null | grep -qix "$taal.utf8" || ontbrekend+=("$taal")
done
[ ${#ontbrekend[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Locales missing for the tests: ${ontbrekend[*]}; run ./test.sh as root once." >&2
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
