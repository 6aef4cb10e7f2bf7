#!/usr/bin/env bash
# The program on a Wayland desktop: weston's headless compositor with XWayland, and the environment a
# Wayland session gives its programs (WAYLAND_DISPLAY, DISPLAY, XDG_SESSION_TYPE=wayland, no
# QT_QPA_PLATFORM). By default the program must go through XWayland, where its screens can place
# themselves: its main menu is an X window, maximised by the compositor. A road is then walked through the
# accessibility bus (the headless compositor has no input devices to drive): "TV Dead", Return to the menu,
# and Quit, which must end the program with status 0. With QT_QPA_PLATFORM=wayland the same road must
# work as a Wayland client, the way a user can still choose.
#   wayland.sh BINARY
set -u
binary=$1
here=$(dirname "$0")
. "$here/session.sh"

need weston xdotool xprop
[ -x /usr/bin/Xwayland ] || skip "Xwayland is missing (Debian package xwayland)"
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    skip "Qt's Wayland platform is missing (Debian package qt6-wayland)"
start_accessibility_bus

weston --backend=headless-backend.so --socket=fernwick-wayland --width=1024 --height=768 --xwayland \
    --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
started+=($!)
await_true "$patience" grep -q 'xserver listening on display' "$work/weston.log" ||
    skip "weston did not start with XWayland: $(tail -n 2 "$work/weston.log")"
export WAYLAND_DISPLAY=fernwick-wayland XDG_SESSION_TYPE=wayland
x_display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")

# Walks the road through the bus and checks the status the program ends with.
road() {
    timeout 300 /usr/bin/python3 "$here/accessible.py" short || fail "$1: see above"
    await_exit "$patience"
    echo "$1: the road and Quit work, status 0"
}

start_program "$binary" DISPLAY="$x_display" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
menu=""
start=$SECONDS
while ((SECONDS - start <= patience)); do
    menu=$(DISPLAY=$x_display timeout 5 xdotool search --onlyvisible --name '^Fernwick$' 2>/dev/null | head -n 1)
    [ -n "$menu" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended at start-up: $(tail -n 3 "$work/program.log")"
    sleep 0.1
done
[ -n "$menu" ] || fail "the main menu is not an X window on XWayland's $x_display"
# Maximised by the compositor: inside the output, below its panel, with the compositor's frame around it.
geometry() {
    DISPLAY=$x_display xwininfo -id "$menu" |
        sed -n 's/^ *\(Absolute upper-left X\|Absolute upper-left Y\|Width\|Height\): *//p' | tr '\n' ' '
}
# Weston places a new X window at a random spot before it maximises it, and on a busy machine the maximised
# window was once seen to keep that spot's x (38 in place of 6): so the state the compositor set and the
# size it gave are checked, not the corner.
fits() {
    read -r _ y w h < <(geometry)
    DISPLAY=$x_display xprop -id "$menu" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ &&
        [ "$y" -gt 0 ] && [ "$w" -gt 900 ] && [ "$w" -le 1024 ] && [ $((y + h)) -le 768 ]
}
await_true "$patience" fits || fail "the main menu is not maximised on the 1024x768 output: $(geometry)(x y w h)"
echo "by default: through XWayland, the main menu maximised at $(geometry)(x y w h)"
road "through XWayland"

# As a Wayland client the program loads Mesa's software driver through EGL, which keeps an allocation for
# the life of the process and is unloaded at exit. Under the leak checker the driver is preloaded so that
# it stays mapped: the allocation is then named and suppressed like the other system libraries' (an
# unloaded module's would be reported from an unknown place, which no suppression can name).
# The sanitizer's runtime must come first in the list.
preload=()
driver=$(ls /usr/lib/*/dri/swrast_dri.so 2>/dev/null | head -n 1)
asan=$(ldd "$binary" | awk '/libasan/ { print $3 }')
if [ -n "$driver" ] && [ -n "$asan" ]; then
    preload=(LD_PRELOAD="$asan:$driver")
fi
start_program "$binary" "${preload[@]}" DISPLAY="$x_display" QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
road "as a Wayland client"
