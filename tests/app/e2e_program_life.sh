#!/usr/bin/env bash
# The built program's whole life on a temporary drive under a real X server:
# start-up, intro window, main window, one extraction, "FECHAR".
set -u
# The X server comes from the shared wrapper, which runs this script again inside it.
[ -n "${ORVANTIS_UNDER_XVFB:-}" ] || exec "$(dirname "$0")/../run_under_xvfb.sh" "$0" "$@"
program=$1
for tool in xdotool getfattr cmp import convert; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
wmpid=""; apppid=""
cleanup() {
  [ -n "$apppid" ] && kill "$apppid" 2>/dev/null
  [ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

drive=$work/drive_c
mkdir -p "$drive/WINDOWS"
head -c 129078 /dev/urandom >"$drive/LOGO.SYS"
head -c 129078 /dev/urandom >"$drive/WINDOWS/LOGOW.SYS"
head -c 129078 /dev/urandom >"$drive/WINDOWS/LOGOS.SYS"
# Start-up screen read-only, system and archive: the intro window clears all of it.
setfattr -n user.DOSATTRIB -v '"0x24"' "$drive/LOGO.SYS" || fail "no extended attributes here"
chmod a-w "$drive/LOGO.SYS"

attrs() { # the DOS attribute set of a file, as the program keeps it
  local f=$1 v
  v=$(getfattr --only-values -n user.DOSATTRIB "$f" 2>/dev/null || echo 0x0)
  v=$((v))
  [ "$(( $(stat -c '%#a' "$f") & 0222 ))" = 0 ] && v=$((v | 1))
  echo $v
}
wait_for() { # seconds, command...
  local limit=$1; shift
  for _ in $(seq $((limit * 10))); do "$@" && return 0; sleep 0.1; done
  return 1
}

if command -v openbox >/dev/null; then
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wmpid=$!
  sleep 0.5
fi

start=$(date +%s%N)
"$program" --drive-c "$drive" >"$work/app.log" 2>&1 &
apppid=$!

intro=""
find_intro() { intro=$(xdotool search --onlyvisible --name "^ORVANTIS - " 2>/dev/null | head -n1); [ -n "$intro" ]; }
wait_for 20 find_intro || { cat "$work/app.log"; fail "no intro window"; }
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
echo "intro window after $elapsed ms"
[ "$elapsed" -ge 2000 ] || fail "intro window came before the 2000 ms pause ended"

[ -d "$drive/orvantis" ] && [ -d "$drive/TOLVANEX" ] || fail "folders not made"
cmp -s "$drive/LOGO.SYS" "$drive/TOLVANEX/LOGO.SYS" || fail "start-up backup differs"
cmp -s "$drive/WINDOWS/LOGOW.SYS" "$drive/TOLVANEX/LOGOW.SYS" || fail "wait-screen backup differs"
cmp -s "$drive/WINDOWS/LOGOS.SYS" "$drive/TOLVANEX/LOGOS.SYS" || fail "safe-to-turn-off backup differs"

cleared() { [ "$(attrs "$drive/LOGO.SYS")" = 0 ]; }
wait_for 10 cleared || fail "live attributes not cleared at the intro window (have $(attrs "$drive/LOGO.SYS"))"

read -r ix iy iw ih < <(xdotool getwindowgeometry --shell "$intro" | awk -F= '/^X=/{x=$2}/^Y=/{y=$2}/^WIDTH=/{w=$2}/^HEIGHT=/{h=$2}END{print x,y,w,h}')
[ "$iw" = 419 ] && [ "$ih" = 300 ] || fail "intro window is ${iw}x${ih}"
xdotool mousemove --window "$intro" 209 150 click 1

main=""
find_main() { main=$(xdotool search --onlyvisible --name "VERSÃO 3.5" 2>/dev/null | head -n1); [ -n "$main" ]; }
wait_for 10 find_main || fail "no main window after the click on the intro picture"
intro_gone() { ! xdotool search --onlyvisible --name "^ORVANTIS - " >/dev/null 2>&1; }
wait_for 5 intro_gone || fail "intro window still shown"

# The safe-to-turn-off thumbnail: its extraction runs under the ramp (about 0.9 s).
sleep 0.5
xdotool mousemove --window "$main" 428 152 click 1
extracted() { cmp -s "$drive/WINDOWS/LOGOS.SYS" "$drive/orvantis/LOGO_FINAL.BMP"; }
wait_for 5 extracted || fail "extraction of the safe-to-turn-off screen did not happen"
sleep 0.5

# "CÓPIA DE SEGURANÇA", then the restore of the machine's start-up screen: the
# gauge must show 50% on the X server through the 3000 ms hold, while the
# program's thread is held.
rm -f "$drive/LOGO.SYS"
xdotool windowactivate --sync "$main" 2>/dev/null; xdotool key ctrl+Tab ctrl+Tab ctrl+Tab
sleep 0.5
xdotool mousemove --window "$main" 268 96 click 1
sleep 1.5
import -window "$main" "$work/hold.png" || fail "no screenshot of the main window"
pixel() { convert "$work/hold.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'; }
# Gauge1 at (8, 360), 521 wide: half its inner width is filled.
[ "$(pixel 20 364)" = "#E7DB03" ] || fail "gauge not filled at its left during the hold (pixel $(pixel 20 364))"
[ "$(pixel 250 364)" = "#E7DB03" ] || fail "gauge not filled to near the middle during the hold (pixel $(pixel 250 364))"
[ "$(pixel 290 364)" = "#FFFFFF" ] || fail "gauge filled past the middle during the hold (pixel $(pixel 290 364))"
[ "$(pixel 500 364)" = "#FFFFFF" ] || fail "gauge filled at its right during the hold (pixel $(pixel 500 364))"
restored() { cmp -s "$drive/LOGO.SYS" "$drive/TOLVANEX/LOGO.SYS"; }
wait_for 5 restored || fail "start-up screen not restored from its backup"
sleep 0.5

# "FECHAR"
xdotool mousemove --window "$main" 272 400 click 1
for _ in $(seq 100); do kill -0 "$apppid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$apppid" 2>/dev/null && fail "program still running after FECHAR"
wait "$apppid"; code=$?; apppid=""
[ "$code" = 0 ] || { cat "$work/app.log"; fail "exit code $code"; }

for f in LOGO.SYS WINDOWS/LOGOW.SYS WINDOWS/LOGOS.SYS; do
  [ "$(attrs "$drive/$f")" = 2 ] || fail "$f has attributes $(attrs "$drive/$f") after the end, not 2"
done
echo "1 passed, 0 failed"
