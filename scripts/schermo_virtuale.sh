# Sourced by the scripts that drive the real program: starts an X server of
# its own (Xvfb) on display $1 at size $2, points DISPLAY at it, and stops it
# when the script ends.
Xvfb "$1" -screen 0 "$2" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$1
sleep 1
