# Sourced by the real-desktop tests: a private work folder and runtime folder, a virtual X server on a
# display number of its own (so that tests can run side by side), waiting with a bound on everything, and
# cleanup of whatever the test started, however it ends. A test that cannot start a server exits with 77
# (skipped) and says why; a fault in the program exits with 1.

. "$(dirname "${BASH_SOURCE[0]}")/../support/verdict.sh"

work=$(mktemp -d /tmp/fernwick-desktop.XXXXXX) || skip "no temporary folder"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home" TMPDIR="$work"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
# The program's settings, history and caches go under that home, whatever folders the caller's session names.
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER XDG_SESSION_TYPE QT_QPA_PLATFORM \
    XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME

# How long a server or the program may take before it counts as hung: far beyond what it needs on a machine
# busy with other builds, so that only a real hang ends a wait.
patience=90

started=() # process ids to stop at the end, the last started first
cleanup() {
    local last_first=()
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        last_first+=("${started[i]}")
    done
    stop_processes "${last_first[@]}"
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP

need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "$tool is missing (see tools/setup for the Debian packages)"
    done
}

# Runs a command until it succeeds, a tenth of a second apart, for at most `seconds`.
await_true() {
    local seconds=$1 start=$SECONDS
    shift
    while ((SECONDS - start <= seconds)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# A virtual X server of WIDTHxHEIGHT on the first free display number; exports DISPLAY.
start_xvfb() {
    need Xvfb xdpyinfo
    Xvfb -displayfd 9 -screen 0 "${1}x24" -nolisten tcp -noreset 9>"$work/display" >"$work/xvfb.log" 2>&1 &
    started+=($!)
    await_true "$patience" test -s "$work/display" || skip "the virtual X server did not start: $(tail -n 2 "$work/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$work/display")"
    await_true "$patience" xdpyinfo || skip "the virtual X server on $DISPLAY does not answer"
}

# A session bus and the accessibility bus of at-spi2-core on it, through which accessible.py reads and
# drives the program; started before the program so that the program finds it at start-up.
start_accessibility_bus() {
    need dbus-daemon dbus-send
    [ -x /usr/libexec/at-spi-bus-launcher ] || skip "the accessibility bus is missing (Debian package at-spi2-core)"
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "pyatspi is missing (Debian package python3-pyatspi)"
    dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/bus" >"$work/dbus.log" 2>&1 &
    started+=($!)
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
    await_true "$patience" test -S "$XDG_RUNTIME_DIR/bus" || skip "the session bus did not start: $(tail -n 2 "$work/dbus.log")"
    timeout "$patience" dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 || skip "the accessibility bus did not start: $(tail -n 2 "$work/dbus.log")"
}

# Starts the program (arguments: the binary, then environment settings for it); its id is left in `pid`.
start_program() {
    local binary=$1
    shift
    env "$@" "$binary" >"$work/program.log" 2>&1 &
    pid=$!
    started+=($pid)
}

# Waits at most `seconds` for the program to end and checks its status is 0.
await_exit() {
    local seconds=$1
    await_true "$seconds" sh -c "! kill -0 $pid" ||
        fail "still running $seconds seconds after the close request"
    wait "$pid"
    local status=$?
    [ "$status" -eq 0 ] || fail "exit status $status: $(tail -n 3 "$work/program.log")"
}
