#!/usr/bin/env bash
# Runs a command on an X server of its own:
#   scripts/eigenXserver.sh [--scherm 1280x1024x24] command [arguments...]
# Xvfb picks the display number itself (-displayfd) by binding the first free
# one, so any number of these run side by side, from several worktrees too,
# without the race of xvfb-run -a, which looks for a free number first and
# starts the server after. The server ends with the command; the command's
# exit code is this script's.
set -u
scherm=1280x1024x24
if [ "${1:-}" = --scherm ]; then
    scherm=$2
    shift 2
fi
[ $# -gt 0 ] || { echo "usage: $0 [--scherm WxHxD] command [arguments...]" >&2; exit 2; }

map=$(mktemp -d "${TMPDIR:-/tmp}/vt-xserver-XXXXXX") || exit 1
xvfb=
opruimen() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$map"
}
trap opruimen EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

# The server writes its display number into the pipe once it accepts
# connections; when it cannot start, the pipe closes without one.
mkfifo "$map/display" || exit 1
Xvfb -displayfd 3 -screen 0 "$scherm" -nolisten tcp -noreset 3>"$map/display" 2>"$map/xvfb.log" &
xvfb=$!
if ! read -r nummer <"$map/display" || [ -z "$nummer" ]; then
    echo "Xvfb did not start:" >&2
    cat "$map/xvfb.log" >&2
    exit 1
fi

DISPLAY=":$nummer" "$@"
