#!/usr/bin/env bash
# Runs one test program against a private Xvfb, so that what it reads back
# from the screen comes from a real X server.
set -u
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit 77; }
work=$(mktemp -d)
xpid=""
cleanup() { [ -n "$xpid" ] && kill "$xpid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xpid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb ORVANTIS_UNDER_XVFB=1
unset WAYLAND_DISPLAY
"$@"
