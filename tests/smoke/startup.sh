#!/usr/bin/env bash
# Starts Fernwick on the X display it is given and waits for the main menu window to appear.
set -u
binary=$1
"$binary" &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null' EXIT
for _ in $(seq 1 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "fernwick exited before showing its main menu"
        exit 1
    fi
    if xwininfo -root -tree 2>/dev/null | grep -q '"Fernwick"'; then
        geometry=$(xwininfo -name Fernwick | grep -E 'Width|Height' | tr -s ' ' | tr '\n' ' ')
        echo "main menu shown: $geometry"
        exit 0
    fi
    sleep 0.1
done
echo "no window titled Fernwick within 10 seconds"
exit 1
