#!/usr/bin/env bash
# Drives the real binary with the mouse on the X display it is given: walks one road to a screen, clicks
# its Quit button (or, given the closebox tool, closes the screen's window as a window manager's close box
# does) and checks that the program ends with status 0 within a second. Clicks land at the buttons'
# design positions (twips / 15) inside each window as the program places it on a 1280x1024 display with
# no window manager (so a window's client area starts exactly where it is placed).
#   quit.sh BINARY ROAD [CLOSEBOX]     ROAD: menu | symptom | diagram | calculator
set -u
binary=$1
road=$2
closebox=${3:-}
how=Quit
[ -n "$closebox" ] && how="the close box"
display_w=1280
display_h=1024

# The X server may still be starting: wait until it answers.
for _ in $(seq 1 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
"$binary" &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null' EXIT

fail() {
    echo "$road: $*"
    exit 1
}

# Waits until a window with exactly this title, and at least this wide in pixels, is shown (the program's
# hidden token window bears the program's name too); its id is left in `win`.
await() {
    local min_width=${2:-2}
    local start=$SECONDS
    while ((SECONDS - start <= 90)); do
        kill -0 "$pid" 2>/dev/null || fail "fernwick exited while waiting for \"$1\""
        for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
            local WIDTH=0
            eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | grep '^WIDTH=')"
            if [ "$WIDTH" -ge "$min_width" ]; then
                win=$id
                sleep 0.3 # let it paint before the click
                return
            fi
        done
        sleep 0.1
    done
    fail "no window \"$1\" within 90 seconds"
}

# Window origin in pixels, as the placement table puts a screen of the given size in twips.
origin_full() { ox=0; oy=0; }
origin_centred() { ox=$(( (display_w * 15 - $1) / 2 / 15 )); oy=$(( (display_h * 15 - $2) / 2 / 15 )); }
origin_top() { ox=$(( (display_w * 15 / 2 - $1 / 2) / 15 )); oy=$(( $2 / 15 )); }

# Clicks the centre of a control given by its design rectangle in twips (relative to the window).
press() {
    local x=$(( ox + ($1 + $3 / 2) / 15 )) y=$(( oy + ($2 + $4 / 2) / 15 ))
    xdotool mousemove "$x" "$y" click 1
}

# Clicks the round mark of an option button (its left end) given by its rectangle in twips.
choose() {
    local x=$(( ox + $1 / 15 + 8 )) y=$(( oy + ($2 + $4 / 2) / 15 ))
    xdotool mousemove "$x" "$y" click 1
}

# Clicks Quit (rectangle in twips), or closes the window last awaited, and waits for the program to end.
quit() {
    if [ -n "$closebox" ]; then
        "$closebox" "$win" || fail "could not send the close request"
    else
        press "$@"
    fi
    local start end
    start=$(date +%s%N)
    for _ in $(seq 1 200); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.01
    done
    end=$(date +%s%N)
    kill -0 "$pid" 2>/dev/null && fail "still running 2 seconds after $how"
    wait "$pid"
    local status=$?
    trap - EXIT
    local ms=$(( (end - start) / 1000000 ))
    echo "$road: $how ended fernwick with status $status after $ms ms"
    [ "$status" -eq 0 ] || fail "exit status $status"
    [ "$ms" -le 1000 ] || fail "took $ms ms to end"
    exit 0
}

await "Fernwick" "$display_w"
origin_full
case "$road" in
menu)
    quit 5880 7200 975 375 # frmOne cmdQuit
    ;;
symptom)
    choose $((600 + 480)) $((3000 + 600)) 1815 255 # frmOne Option1 in Frame1: TV Dead
    await "TV Dead"
    origin_centred 9240 6480
    quit 7560 4560 975 495 # frmDead cmdQuit
    ;;
diagram)
    choose $((600 + 480)) $((3000 + 600)) 1815 255 # TV Dead
    await "TV Dead"
    origin_centred 9240 6480
    press 2640 2760 4335 375 # Command1: the isolated areas
    sleep 0.3
    press 720 4200 1215 495 # cmdContinue
    await "Low voltage Power Supply and Deflection Circuits"
    origin_top 11580 0
    quit 9240 6480 1335 495 # frmLVPower cmdQuit
    ;;
calculator)
    # The colour-code calculator has no Quit of its own: its Return builds the main menu afresh. Its close
    # box ends the program there.
    choose $((8775 + 180)) $((3165 + 1222)) 2085 345 # frmOne Option7 in Frame2: Color codes
    await "Color Codes"
    [ -n "$closebox" ] && quit
    origin_top 9465 300
    press 4440 6960 1095 375 # frmCodes cmdReturn
    await "Fernwick" "$display_w"
    origin_full
    quit 5880 7200 975 375 # frmOne cmdQuit
    ;;
*)
    fail "unknown road"
    ;;
esac
