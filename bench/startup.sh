#!/usr/bin/env bash
# Start-up of the real program against a bare Qt window, on the X display it is given (run it under
# xvfb-run, with -br so that a window not yet painted is black): process start until the first window is
# painted (bench_firstpaint, next to the other benchmarks), alternating the two programs; then the peak
# resident memory of each (/usr/bin/time -v), and that of the program after a tour of every screen
# (bench_tour). The bare window is timed twice: at 320x200, and placed as the main menu is, filling the
# display (what a window that large costs before it shows anything of its own).
#   xvfb-run -a -s "-screen 0 1280x1024x24 -noreset -br" bench/startup.sh build/fernwick \
#       build/bench/bench_hello build/bench/bench_tour [runs]
set -u
fernwick=$1
hello=$2
tour=$3
runs=${4:-11}
firstpaint=$(dirname "$tour")/bench_firstpaint
export QT_QPA_PLATFORM=xcb

# Milliseconds from start until a window with this title, wider than 200 pixels, is painted; then ends it.
appear() {
    local title=$1
    shift
    "$firstpaint" "$title" 200 "$@" 2>/dev/null || { echo "$title: no painted window" >&2; exit 1; }
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

f=()
h=()
d=()
for _ in $(seq 1 "$runs"); do
    f+=("$(appear Fernwick "$fernwick")")
    h+=("$(appear Hello "$hello")")
    d+=("$(appear Hello "$hello" --fill-display)")
done
fm=$(printf '%s\n' "${f[@]}" | median)
hm=$(printf '%s\n' "${h[@]}" | median)
dm=$(printf '%s\n' "${d[@]}" | median)
echo "fernwick to main menu painted: ${f[*]} ms, median $fm ms"
echo "bare Qt window painted:       ${h[*]} ms, median $hm ms"
echo "the same, filling the display: ${d[*]} ms, median $dm ms"
awk -v a="$fm" -v b="$hm" -v d="$dm" 'BEGIN {
    printf "ratio %.2f; the bare window filling the display %.2f; fernwick to it %.2f\n", a / b, d / b, a / d
}'

# Peak resident memory: each program runs until its window is shown plus a second.
peak() {
    local title=$1
    shift
    /usr/bin/time -v "$@" 2>/tmp/startup-time.$$ >/dev/null &
    local pid=$!
    for _ in $(seq 1 200); do
        xwininfo -root -tree 2>/dev/null | grep -q "\"$title\"" && break
        sleep 0.05
    done
    sleep 1
    pkill -TERM -P "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    grep 'Maximum resident' /tmp/startup-time.$$ | awk '{ print $NF }'
    rm -f /tmp/startup-time.$$
}
fk=$(peak Fernwick "$fernwick")
hk=$(peak Hello "$hello")
tk=$(/usr/bin/time -v "$tour" 2>&1 >/dev/null | grep 'Maximum resident' | awk '{ print $NF }')
echo "peak resident memory: fernwick ${fk} KB, after a tour of every screen ${tk} KB, bare Qt window ${hk} KB"
awk -v a="$fk" -v t="$tk" -v b="$hk" 'BEGIN { printf "ratios: start-up %.2f, after the tour %.2f\n", a / b, t / b }'
