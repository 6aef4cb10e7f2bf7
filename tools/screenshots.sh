#!/bin/sh
# Renders every screen of the program to docs/screenshots/ on a virtual display (Xvfb), building the
# renderer first when needed. Usage: tools/screenshots.sh [--language NAME] [SHOT...]   (no names: every
# screen; with a language such as es or pt_BR, the screens speak it and go to docs/screenshots/NAME/)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
out="$root/docs/screenshots"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" -j2 --target fernwick_screenshots

language=""
if [ "${1:-}" = "--language" ]; then
    language="--language ${2:?a language name, such as es or pt_BR}"
    shift 2
fi

mkdir -p "$out"
# A real X server, so that fonts and pictures are drawn as on a desktop; one display number of its own.
xvfb-run --auto-servernum --server-args="-screen 0 1600x1200x24" \
    env QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$build/tools/fernwick_screenshots" $language "$out" "$@"
