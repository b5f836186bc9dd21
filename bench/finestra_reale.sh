#!/usr/bin/env bash
# Measures the real program on an X server (Xvfb): the time from process
# start to the splash picture on screen, how long the splash stays (1500 ms
# asked of a precise timer), and the peak memory once a
# 999-installment listing is shown. Needs xvfb, xdotool and a built
# build/app/pianoamm; imagemagick too to keep a screenshot at the path
# given as argument. A report, not a check.
set -euo pipefail
cd "$(dirname "$0")/.."
programma=build/app/pianoamm
source scripts/schermo_virtuale.sh :87 1280x1024x24

tempi=()
durate=()
for _ in $(seq 10); do
    inizio=$(date +%s%N)
    $programma >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid $pid >/dev/null 2>&1; do :; done
    fine=$(date +%s%N)
    tempi+=($(( (fine - inizio) / 1000000 )))
    until xdotool search --onlyvisible --name "Calcolo del piano" >/dev/null 2>&1; do :; done
    durate+=($(( ($(date +%s%N) - fine) / 1000000 )))
    kill $pid; wait $pid 2>/dev/null || true
done
echo "avvio fino allo splash visibile (ms): ${tempi[*]}"
echo "splash visibile fino alla finestra (ms): ${durate[*]}"

$programma >/dev/null 2>&1 &
pid=$!
finestra=$(xdotool search --sync --onlyvisible --name "Calcolo del piano" | head -1)
sleep 0.3
# Tab order from the start: cmdChiudi, cmdAvanti, then the four fields.
xdotool key --delay 50 Tab Tab Tab
xdotool type --delay 20 "250000"
xdotool key Tab
xdotool type --delay 20 "999"
xdotool key Tab
xdotool type --delay 20 "4,75"
xdotool key Tab ctrl+a
xdotool type --delay 20 "31/01/2008"
avanti() { xdotool mousemove --window "$finestra" 511 398 click 1; sleep 0.3; }
avanti
avanti
sleep 0.5
import -window root "${1:-/dev/null}" 2>/dev/null || true
echo "memoria di picco con 999 rate mostrate (kB): $(grep VmHWM /proc/$pid/status | awk '{print $2}')"
kill $pid; wait $pid 2>/dev/null || true
