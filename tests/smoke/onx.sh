#!/usr/bin/env bash
# Runs a smoke test on a virtual X server of its own, on a display number the server itself finds free, in a
# home and runtime folder of its own: so that it runs beside any other X server, those of a second copy of
# the suite among them. Ends with the test's status (77, skipped, where no X server can be started here).
#   onx.sh WIDTHxHEIGHT COMMAND...
set -u
size=$1
shift
. "$(dirname "$0")/../desktop/session.sh"
start_xvfb "$size"
export QT_QPA_PLATFORM=xcb
"$@"
status=$?
exit "$status"
