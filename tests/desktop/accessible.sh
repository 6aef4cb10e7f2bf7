#!/usr/bin/env bash
# The program as a screen reader sees it: the real binary on a virtual X server with a session bus and the
# accessibility bus of at-spi2-core, read and driven with python3-pyatspi (accessible.py), each road ending
# with status 0 from its Quit pressed through the bus: the menus and a diagram, then a whole exercise of the
# trainer.
#   accessible.sh BINARY
set -u
binary=$1
here=$(dirname "$0")
. "$here/session.sh"

# The display first: the accessibility bus's registry, started with the bus, types the keys a screen
# reader's user presses into it.
start_xvfb 1024x768
start_accessibility_bus

for road in screen-reader trainer; do
    start_program "$binary" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    timeout 300 /usr/bin/python3 "$here/accessible.py" "$road" || fail "see above"
    await_exit "$patience"
    echo "$road: Quit pressed through the bus ended the program with status 0"
done
