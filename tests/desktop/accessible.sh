#!/usr/bin/env bash
# The program as a screen reader sees it: the real binary on a virtual X server with a session bus and the
# accessibility bus of at-spi2-core, read and driven with python3-pyatspi (accessible.py), ending with
# status 0 from its Quit pressed through the bus.
#   accessible.sh BINARY
set -u
binary=$1
here=$(dirname "$0")
. "$here/session.sh"

need dbus-daemon dbus-send
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "the accessibility bus is missing (Debian package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "pyatspi is missing (Debian package python3-pyatspi)"
start_xvfb 1024x768

dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/bus" >"$work/dbus.log" 2>&1 &
started+=($!)
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
await_true 50 test -S "$XDG_RUNTIME_DIR/bus" || skip "the session bus did not start: $(tail -n 2 "$work/dbus.log")"
# The accessibility bus, started before the program so that the program finds it at start-up.
timeout 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 || skip "the accessibility bus did not start: $(tail -n 2 "$work/dbus.log")"

start_program "$binary" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
timeout 60 /usr/bin/python3 "$here/accessible.py" || fail "see above"
await_exit 5
echo "Quit pressed through the bus ended the program with status 0"
