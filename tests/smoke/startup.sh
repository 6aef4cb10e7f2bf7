#!/usr/bin/env bash
# Starts Fernwick on the X display it is given and waits for the main menu window to appear.
set -u
binary=$1
# The X server may still be starting: wait until it answers.
for _ in $(seq 1 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
"$binary" &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null' EXIT
start=$SECONDS
while ((SECONDS - start <= 90)); do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "fernwick exited before showing its main menu"
        exit 1
    fi
    # A window titled Fernwick that is larger than a token window: the main menu, which with no window
    # manager covers the whole display from its corner.
    shown=$(xwininfo -root -tree 2>/dev/null | grep '"Fernwick"' | grep -o -E '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' |
            awk -Fx '$1 > 200' | head -n 1)
    if [ -n "$shown" ]; then
        echo "main menu shown at $shown"
        display=$(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*x[0-9]*\) pixels.*/\1/p')
        [ "$shown" = "$display+0+0" ] || { echo "the display is $display+0+0"; exit 1; }
        # Nothing on the main menu is an image file: drawing it must not load the image format plugins
        # (their probing of a file would load every one of them, and their libraries).
        sleep 0.5
        if grep -q '/imageformats/' "/proc/$pid/maps"; then
            echo "the main menu's drawing loaded image plugins:"
            grep -o '/[^ ]*/imageformats/[^ ]*' "/proc/$pid/maps" | sort -u
            exit 1
        fi
        exit 0
    fi
    sleep 0.1
done
echo "no window titled Fernwick within 90 seconds"
exit 1
