#!/bin/sh
# Runs PROGRAM on a desktop of today without a screen: GNOME's compositor, headless, with the
# X server it starts for X programs. SESSION "x11" sets both WAYLAND_DISPLAY and DISPLAY, as a
# GNOME session does; "wayland" sets WAYLAND_DISPLAY only. QT_QPA_PLATFORM is left unset. The
# compositor goes with the run, however the run ends.
#   sh tests/mutter/run.sh x11|wayland PROGRAM [ARGUMENT...]
set -eu

[ $# -ge 2 ] && { [ "$1" = x11 ] || [ "$1" = wayland ]; } ||
    { echo "usage: $0 x11|wayland PROGRAM [ARGUMENT...]" >&2; exit 2; }
session=$1
shift

# mktemp makes it readable by its owner only, as a session's runtime folder must be.
runtime=$(mktemp -d "${TMPDIR:-/tmp}/d7aduzad-mutter.XXXXXX")
log=$runtime/mutter.log
socket=wayland-d7aduzad

# A session of its own, so that the bus, the compositor and its X server end together.
XDG_RUNTIME_DIR=$runtime setsid dbus-run-session -- \
    mutter --wayland --headless --virtual-monitor 1280x1024 --wayland-display "$socket" \
    >"$log" 2>&1 </dev/null &
session_id=$!
program=""
stop() {
    [ -z "$program" ] || kill -TERM "$program" 2>/dev/null || true
    kill -TERM "-$session_id" 2>/dev/null || true
    tries=0
    while kill -0 "-$session_id" 2>/dev/null && [ "$tries" -lt 50 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    kill -KILL "-$session_id" 2>/dev/null || true
    rm -rf "$runtime"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

display=""
tries=0
while [ -z "$display" ] || [ ! -S "$runtime/$socket" ]; do
    if ! kill -0 "$session_id" 2>/dev/null || [ "$tries" -ge 600 ]; then
        echo "mutter did not start:" >&2
        cat "$log" >&2
        exit 1
    fi
    display=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$log" | head -n 1)
    sleep 0.1
    tries=$((tries + 1))
done

export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket"
unset QT_QPA_PLATFORM
if [ "$session" = x11 ]; then
    export DISPLAY="$display" XAUTHORITY="$(ls "$runtime"/.mutter-Xwaylandauth.* | head -n 1)"
else
    unset DISPLAY XAUTHORITY
fi
# In the background, so that an interruption is seen at once, not when the program ends.
timeout --kill-after=5 120 "$@" &
program=$!
status=0
wait "$program" || status=$?
program=""
[ "$status" -eq 0 ] || { echo "mutter's log:" >&2; cat "$log" >&2; }
exit "$status"
