#!/bin/sh
# Runs a command in a D-Bus session of its own with a Secret Service: a
# GNOME keyring unlocked with a test password, its files in a folder that is
# removed afterwards. The user's own session and keyring are never touched.
set -eu
if [ -z "${VT_SLEUTELBOS_SESSIE:-}" ]; then
    VT_SLEUTELBOS_SESSIE=1 exec dbus-run-session -- "$0" "$@"
fi

map=$(mktemp -d "${TMPDIR:-/tmp}/vt-sleutelbos-XXXXXX")
trap 'rm -rf "$map"' EXIT
export HOME="$map" XDG_DATA_HOME="$map/data" XDG_CONFIG_HOME="$map/config" XDG_CACHE_HOME="$map/cache"
export XDG_RUNTIME_DIR="$map/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# No accessibility bus in this session: the toolkit would look for one.
export NO_AT_BRIDGE=1

# With --unlock the daemon reads the password of the login keyring from
# standard input, creates the keyring when there is none, and takes the
# Secret Service name on this session's bus before it returns.
printf '%s' "proefwachtwoord" | gnome-keyring-daemon --unlock --components=secrets >/dev/null

status=0
"$@" || status=$?
exit $status
