#!/usr/bin/env bash
# Pictures of the program on a small screen, to see that nothing is cut off: an Xvfb display of
# the given size with a window manager (twm, which frames every window with a title bar), a panel
# along the top edge of PANEL rows (the free area the desktop announces, _NET_WORKAREA), then the
# real start-up and each given lesson opened and closed by its buttons (bench/desktop_shots).
# Usage: scripts/small-screen-shots.sh OUTDIR WIDTHxHEIGHT [PANEL [FORM ...]]
#   e.g. scripts/small-screen-shots.sh /tmp/shots 1366x768 32 4 16
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:?usage: small-screen-shots.sh OUTDIR WIDTHxHEIGHT [PANEL [FORM ...]]}
size=${2:?usage: small-screen-shots.sh OUTDIR WIDTHxHEIGHT [PANEL [FORM ...]]}
panel=${3:-0}
shift $(($# < 3 ? $# : 3))
[[ $size =~ ^([0-9]+)x([0-9]+)$ ]] || { echo "small-screen-shots: size must be WIDTHxHEIGHT, not $size" >&2; exit 2; }
width=${BASH_REMATCH[1]} height=${BASH_REMATCH[2]}
[[ $panel =~ ^[0-9]+$ ]] || { echo "small-screen-shots: PANEL must be a number of rows, not $panel" >&2; exit 2; }
for tool in Xvfb twm xprop; do
    command -v "$tool" >/dev/null || { echo "small-screen-shots: $tool is not installed (scripts/setup.sh)" >&2; exit 2; }
done
cmake --build build -j2 --target desktop_shots kazemaru_records kazemaru_sound >/dev/null
mkdir -p "$out"

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$wm" "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
wm=
for _ in $(seq 50); do xprop -display "$display" -root >/dev/null 2>&1 && break; sleep 0.1; done
# Windows go where the program puts them (twm would otherwise wait for a click to place each one).
printf '%s\n' 'UsePPosition "on"' 'RandomPlacement' 'NoGrabServer' >"$work/twmrc"
# In the C locale: in a UTF-8 one twm asks for title fonts in every script, which the X core fonts
# do not have, and exits at once, leaving the windows without frames.
DISPLAY=$display LC_ALL=C twm -f "$work/twmrc" >"$work/twm.log" 2>&1 &
wm=$!
sleep 1
kill -0 "$wm" 2>/dev/null || { cat "$work/twm.log" >&2; echo "small-screen-shots: twm did not start" >&2; exit 1; }
# The free area a desktop with a panel along the top announces.
xprop -display "$display" -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0,$panel,$width,$((height - panel))"
DISPLAY=$display XDG_DATA_HOME="$work/data" build/desktop_shots "$out" "$@"
