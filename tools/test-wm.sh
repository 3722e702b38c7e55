#!/usr/bin/env bash
# Runs a GUI test program on a virtual display under a window manager (openbox), where the
# focus and the placement of windows work as on a student's desktop rather than as on the
# offscreen platform. Usage: test-wm.sh <test program> [test functions...]
# Exits 77 (skipped) when Xvfb or openbox is not installed.
set -u

program=$1
shift
for tool in Xvfb openbox; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: the test under a window manager is skipped" >&2
        exit 77
    fi
done

tmp=$(mktemp -d)
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    sleep 0.1
done
if [ ! -s "$tmp/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$tmp/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$tmp/display")"

# openbox with its defaults and a home of its own, so no user's settings count
export HOME="$tmp" XDG_CONFIG_HOME="$tmp/config"
openbox --sm-disable 2>"$tmp/openbox.log" &
wm=$!
# The window manager is running once it has announced itself on the root window.
for _ in $(seq 100); do
    if command -v xprop >/dev/null 2>&1; then
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    elif [ $_ -ge 20 ]; then
        break
    fi
    sleep 0.1
done

# Under AddressSanitizer: libxkbcommon-x11 hands strndup a keymap name that is not
# terminated within its length, which the strndup interceptor reports at the xcb start.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:intercept_strndup=0"
fi
QT_QPA_PLATFORM=xcb "$program" "$@"
