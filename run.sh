#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program:
#   ./run.sh [project.vtd]
set -euo pipefail
hier="$(cd "$(dirname "$0")" && pwd)"

"$hier/scripts/installeer.sh"
cmake -S "$hier" -B "$hier/build" -DVT_TESTS=OFF >/dev/null
cmake --build "$hier/build" -j "$(nproc)"

programma="$hier/build/toepassing/VerelTamso"
if [ ! -x "$programma" ]; then
    echo "The build did not make $programma." >&2
    exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: VerelTamso is a windowed program." >&2
    echo "Start it from a desktop session, over ssh -X, or on a virtual screen:" >&2
    echo "  xvfb-run -a ./run.sh $*" >&2
    exit 1
fi
exec "$programma" "$@"
