#!/usr/bin/env bash
# The real binary under a real window manager: openbox on a virtual 1024x768 X server, with 32 pixels at
# the bottom kept free as a panel keeps them. Driven with the mouse (xdotool) along a symptom screen, a
# diagram, a reference page and back, to a calculator. After each step the active window must be the
# expected screen and its frame must lie on the display; the main menu's frame must fill exactly the work
# area. Closing the calculator with the window manager's close (Alt+F4) must end the program with status 0.
#   openbox.sh BINARY
set -u
binary=$1
. "$(dirname "$0")/session.sh"

need openbox xdotool xprop xwininfo
start_xvfb 1024x768
panel=32
sed "/<margins>/,/<\/margins>/s|<bottom>[0-9]*</bottom>|<bottom>$panel</bottom>|" /etc/xdg/openbox/rc.xml \
    >"$work/rc.xml" 2>/dev/null || skip "openbox's configuration /etc/xdg/openbox/rc.xml is missing"
openbox --sm-disable --config-file "$work/rc.xml" >"$work/openbox.log" 2>&1 &
started+=($!)
await_true "$patience" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    skip "openbox did not start: $(tail -n 2 "$work/openbox.log")"
# It says where windows may go a moment after it says it is there.
await_true "$patience" sh -c 'xprop -root _NET_WORKAREA | grep -q ","' ||
    skip "openbox set no work area: $(tail -n 2 "$work/openbox.log")"
read -r _ _ work_x work_y work_w work_h < <(xprop -root _NET_WORKAREA | tr -d ',' | awk '{print $1, $2, $3, $4, $5, $6}')
[ "$work_h" -eq $((768 - panel)) ] || skip "openbox does not keep the panel's room (work area ${work_w}x$work_h)"

start_program "$binary" QT_QPA_PLATFORM=xcb

# The active window's client area and frame, in `win`, `cx`, `cy` (client origin) and `fx fy fw fh` (frame).
measure() {
    win=$(xdotool getactivewindow 2>/dev/null) || return 1
    local info left right top bottom cw ch
    info=$(xwininfo -id "$win") || return 1
    cx=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    cy=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    cw=$(sed -n 's/^ *Width: *//p' <<<"$info")
    ch=$(sed -n 's/^ *Height: *//p' <<<"$info")
    read -r left right top bottom < <(xprop -id "$win" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ',')
    [ -n "$bottom" ] || return 1
    fx=$((cx - left)) fy=$((cy - top)) fw=$((cw + left + right)) fh=$((ch + top + bottom))
}

# Waits until the active window is the program's screen with this caption, then checks its frame.
step=0
expect() {
    local caption=$1 name=""
    step=$((step + 1))
    local start=$SECONDS
    while ((SECONDS - start <= patience)); do
        kill -0 "$pid" 2>/dev/null || fail "step $step: the program ended while \"$caption\" was awaited"
        win=$(xdotool getactivewindow 2>/dev/null) && name=$(xdotool getwindowname "$win" 2>/dev/null)
        [ "$name" = "$caption" ] && xprop -id "$win" WM_CLASS | grep -q '"fernwick", "Fernwick"' && break
        sleep 0.1
    done
    [ "$name" = "$caption" ] || fail "step $step: the active window is \"$name\", not \"$caption\""
    sleep 0.3 # let the window manager settle the frame and the program paint
    measure || fail "step $step: \"$caption\" cannot be measured"
    echo "step $step: \"$caption\" active, frame ${fw}x$fh+$fx+$fy"
    [ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] && [ $((fx + fw)) -le 1024 ] && [ $((fy + fh)) -le 768 ] ||
        fail "step $step: the frame of \"$caption\" leaves the 1024x768 display"
}

# Clicks the centre of a control given by its design rectangle in twips, relative to the client area.
press() {
    xdotool mousemove --sync $((cx + ($1 + $3 / 2) / 15)) $((cy + ($2 + $4 / 2) / 15)) click 1
}
# Clicks the round mark of an option button (its left end).
choose() {
    xdotool mousemove --sync $((cx + $1 / 15 + 8)) $((cy + ($2 + $4 / 2) / 15)) click 1
}
menu() {
    expect "Fernwick"
    [ "$fx $fy $fw $fh" = "$work_x $work_y $work_w $work_h" ] ||
        fail "the main menu's frame ${fw}x$fh+$fx+$fy is not the work area ${work_w}x$work_h+$work_x+$work_y"
}

menu
choose $((600 + 480)) $((3000 + 600)) 1815 255 # Option1 in Frame1: TV Dead
expect "TV Dead"
press 2640 2760 4335 375                        # Command1: on to the isolated areas
sleep 0.3
press 720 4200 1215 495                         # cmdContinue
expect "Low voltage Power Supply and Deflection Circuits"
press 2280 5400 1455 375                        # Label12: Linear
expect "Linear Power Supply"
press 4440 5400 1095 375                        # cmdReturn
expect "Low voltage Power Supply and Deflection Circuits"
press 7440 6480 1335 495                        # cmdReturn: back to TV Dead
expect "TV Dead"
press 720 5160 1215 495                         # cmdReturn: back to the menu
menu
choose $((8775 + 180)) $((3165 + 1920)) 2085 345 # Option8 in Frame2: Electronic Formulas
expect "Electronic Formulas"
xdotool key --clearmodifiers alt+F4 # through the X server, where openbox catches it
await_exit "$patience"
echo "openbox's close ended the program with status 0"
