#!/usr/bin/env bash
# The window test's table of windows again, on a virtual X display with an
# accessibility bus of its own: what a screen reader hears of each window
# is checked too. Arguments: the window test, then its functions to run.
set -euo pipefail
prova=$1
shift
script="$(cd "$(dirname "$0")" && pwd)/atspi.py"
for strumento in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$strumento" >/dev/null || { echo "manca $strumento (scripts/deps.sh test)" >&2; exit 1; }
done
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' \
    || { echo "manca gir1.2-atspi-2.0 (scripts/deps.sh test)" >&2; exit 1; }

export PROVA="$prova" PIANOAMM_ATSPI="$script" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The toolkit asks the session bus for the accessibility bus: both are ours.
exec xvfb-run -a -s "-screen 0 1600x1000x24" dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus=$!
    trap "kill $bus 2>/dev/null" EXIT
    "$PROVA" "$@"
' accessibilita "$@"
