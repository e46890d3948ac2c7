#!/usr/bin/env bash
# Installs with apt-get what building needs (and, with "test", what testing
# needs; with "schermafdrukken", what scripts/schermafdrukken.sh needs) and is
# not there yet. Quiet when everything is installed.
#
# Each block below adds its packages to the list with a comment saying why;
# the one call at the end installs what is missing of all of them at once.
set -euo pipefail

voorTest=false
voorSchermafdrukken=false
case "${1:-}" in
test) voorTest=true ;;
schermafdrukken) voorSchermafdrukken=true ;;
esac

# Installs those of the named packages that are missing.
installeer() {
    local ontbrekend=()
    for pakket in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pakket" 2>/dev/null | grep -q 'install ok installed'; then
            ontbrekend+=("$pakket")
        fi
    done
    [ ${#ontbrekend[@]} -eq 0 ] && return 0

    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing: ${ontbrekend[*]}" >&2
        echo "Run this script as root once (or: sudo apt-get install ${ontbrekend[*]})." >&2
        exit 1
    fi
    echo "Installing: ${ontbrekend[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${ontbrekend[@]}" >/dev/null
}

pakketten=(cmake g++ make pkg-config gettext python3
           libwxgtk3.2-dev wx3.2-i18n wx3.2-doc libwxsqlite3-3.2-dev libsqlite3-dev sqlite3
           famfamfam-flag-png famfamfam-silk tango-icon-theme fonts-dejavu-core python3-pil)
if $voorTest; then
    pakketten+=(googletest libgtest-dev libbenchmark-dev xvfb xauth python3-pyftpdlib)
fi
# The program's tests: its windows are closed through Xlib, its desktop
# entry and file type are checked with the desktop's own validators.
if $voorTest; then
    pakketten+=(libx11-dev desktop-file-utils libxml2-utils shared-mime-info)
fi
# A disk of a test's own that keeps the times of its files in whole
# seconds: an ext4 image with small inodes, mounted through a loop device.
if $voorTest; then
    pakketten+=(e2fsprogs mount)
fi
# The program's Debian package (cpack -G DEB), made by a test: dpkg-shlibdeps
# declares the libraries it needs, file finds the programs among its files.
if $voorTest; then
    pakketten+=(dpkg-dev file)
fi

# A quicker build: ccache in front of the compilers (the CMake files use it
# when it is there; see VT_CCACHE).
pakketten+=(ccache)

# The desktop library's password store speaks to the Secret Service through
# libsecret. Its test runs a real keyring (gnome-keyring) in a D-Bus session
# of its own; the real drag and drop of the rich-text fields moves the mouse
# through XTest.
pakketten+=(libsecret-1-dev)
if $voorTest; then
    pakketten+=(dbus-daemon gnome-keyring libxtst-dev)
fi

# The properties dialog packs the tools of its rich-text bar close through
# GTK's own style, with GTK's headers.
pakketten+=(libgtk-3-dev)

# Fuzzing: clang with libFuzzer and the sanitizer runtimes, and the LLVM tools
# for readable stack traces, for the fuzz targets that ./test.sh builds and runs.
if $voorTest; then
    pakketten+=(clang libclang-rt-dev llvm)
fi

# The README's pictures (scripts/schermafdrukken.sh): the program on an X
# server of its own, driven by xdotool's keys and photographed by
# ImageMagick's import.
if $voorSchermafdrukken; then
    pakketten+=(xvfb xauth xdotool imagemagick)
fi

# The update check verifies the signature of a downloaded package with
# libsodium; the tests and scripts/maakRelease.sh sign packages with minisign.
pakketten+=(libsodium-dev minisign)

# The interface languages: the program puts itself into the chosen
# language's UTF-8 locale, so that GTK's own buttons and dialogs speak it;
# locale-gen (package locales) makes the ten locales (scripts/locales.sh,
# run below).
pakketten+=(locales)

# Japanese and Korean letters: a font that has them (Noto CJK), without
# which they show as boxes.
pakketten+=(fonts-noto-cjk)

# A quicker build: Ninja, which ./test.sh builds with, starts compiling a
# target before the libraries it links are done.
pakketten+=(ninja-build)

installeer "${pakketten[@]}"
"$(dirname "$0")/locales.sh"
