#!/usr/bin/env bash
# Installs what is missing, builds the desktop program and starts it on the demo month.
#   scripts/run.sh                     open the demo month
#   scripts/run.sh FILE.tq2            open another block file
#   scripts/run.sh --screenshot X.png  render the main window to a picture (no display needed)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

screenshot=""
file=""
while [ $# -gt 0 ]; do
    case "$1" in
        --screenshot) screenshot="${2:?--screenshot needs a file name}"; shift 2 ;;
        --screenshot=*) screenshot="${1#--screenshot=}"; shift ;;
        *) file="$1"; shift ;;
    esac
done
[ -n "$file" ] || file=$(ls data/demo/*.tq2 2>/dev/null | head -n 1 || true)

./scripts/install-deps.sh
cmake -S . -B build/run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELSTRAND_BENCH=OFF >/dev/null
cmake --build build/run -j"$jobs" --target tarvelstrand

args=()
[ -n "$file" ] && args+=("$(realpath "$file")")
if [ -n "$screenshot" ]; then
    exec build/run/src/tarvelstrand --screenshot "$screenshot" "${args[@]}"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<MSG
There is no display to show the window on. Either run it under a virtual display:
  xvfb-run -a build/run/src/tarvelstrand ${args[*]:-}
or render the main window to a picture:
  scripts/run.sh --screenshot window.png ${file}
MSG
    exit 1
fi
exec build/run/src/tarvelstrand "${args[@]}"
