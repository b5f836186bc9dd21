#!/usr/bin/env bash
# The window test's table of windows again, on a virtual X display with an accessibility bus of its own: what a screen
# reader hears of each window is checked too. Arguments: the window test, then its functions to run.
set -euo pipefail
prova=$1
shift
script="$(cd "$(dirname "$0")" && pwd)/atspi.py"
for strumento in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$strumento" >/dev/null || { echo "manca $strumento (scripts/deps.sh test)" >&2; exit 1; }
done
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' \
    || { echo "manca gir1.2-atspi-2.0 (scripts/deps.sh test)" >&2; exit 1; }

# The X server picks a display no other is using and names it once it accepts connections: no guess of a free number, no
# race with another server starting beside it.
cartella=$(mktemp -d)
mkfifo "$cartella/display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1600x1000x24 3>"$cartella/display" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$cartella"' EXIT
read -r numero <"$cartella/display" || { echo "Xvfb non è partito" >&2; exit 1; }

export DISPLAY=":$numero" PROVA="$prova" PIANOAMM_ATSPI="$script" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The toolkit asks the session bus for the accessibility bus: both are ours.
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus=$!
    trap "kill $bus 2>/dev/null" EXIT
    "$PROVA" "$@"
' accessibilita "$@"
