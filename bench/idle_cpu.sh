#!/usr/bin/env bash
# The game's cost while nobody plays: starts the game on a private X server (Xvfb), begins a
# game against the computer with the clock running, then measures for SECONDS (default 60)
# the CPU time of the game and of the X server, per cent of one core, and of each game thread.
# Needs: apt-get install xvfb xdotool x11-utils x11-xserver-utils
# Usage: bash bench/idle_cpu.sh [BINARY] [SECONDS]   (BINARY default build/src/app/banzuri)
set -euo pipefail
cd "$(dirname "$0")/.."
binary=$(realpath "${1:-build/src/app/banzuri}")
seconds=${2:-60}
for tool in Xvfb xdotool xdpyinfo xset; do
    command -v "$tool" >/dev/null || { echo "idle_cpu: $tool is missing" >&2; exit 2; }
done
work=$(mktemp -d)
display=":$((90 + RANDOM % 100))"
cleanup() { kill "${game:-}" "${server:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
server=$!
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state
mkdir -p "$HOME"
xset r off
(cd "$(dirname "$binary")/../../run" 2>/dev/null || cd "$work"; SDL_AUDIODRIVER=dummy exec "$binary") \
    >"$work/game.log" 2>&1 &
game=$!
sleep 4
# No window manager: the window sits at the top left. 対局 → 対局(人間) → スタート, then the
# "先手の番です" box's OK; the pointer then leaves the window.
xdotool mousemove 22 8 click 1; sleep 0.7
xdotool mousemove 40 31; sleep 0.7
xdotool mousemove 200 30 click 1; sleep 1.5
xdotool mousemove 388 255 click 1; sleep 1
xdotool mousemove 1200 1000
sleep 6  # the audio device closes after five quiet seconds
ticks() { awk '{print $14 + $15}' "$1"; }
threads() { for t in /proc/"$game"/task/*; do echo "$(cat "$t/comm")|$(ticks "$t/stat")"; done; }
g0=$(ticks /proc/$game/stat); x0=$(ticks /proc/$server/stat); before=$(threads); t0=$(date +%s.%N)
sleep "$seconds"
g1=$(ticks /proc/$game/stat); x1=$(ticks /proc/$server/stat); after=$(threads); t1=$(date +%s.%N)
hz=$(getconf CLK_TCK)
awk -v g="$((g1 - g0))" -v x="$((x1 - x0))" -v t0="$t0" -v t1="$t1" -v hz="$hz" 'BEGIN {
    dt = t1 - t0
    printf "game %.3f %%  X server %.3f %%  together %.3f %% of a core over %.0f s\n",
           100 * g / hz / dt, 100 * x / hz / dt, 100 * (g + x) / hz / dt, dt }'
echo "ticks per thread over the run (1 tick = 1/$hz s):"
join -t'|' <(echo "$before" | sort) <(echo "$after" | sort) | awk -F'|' '{print "  " $1 ": " $3 - $2}'
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
