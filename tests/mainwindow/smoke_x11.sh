#!/bin/bash
# The real game in a real X server: started as a player starts it, its window found by its
# caption, a click on the discard pile must change the discard picture, "E&xit" must end the
# program. Then a copy with one picture missing and one cut short must say so in a message box
# and end with a failure status, without showing the game.
#   usage: smoke_x11.sh CORVELLE_EXECUTABLE PICTURE_WRITER
set -u
game_exe=$1 make_pictures=$2

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in Xvfb xdotool import convert; do
    command -v $tool >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done

run=$(mktemp -d)
xvfb=""
game=""
cleanup() {
    [ -n "$game" ] && kill -9 "$game" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$run"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$run/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$run/display" ] && break; sleep 0.1; done
[ -s "$run/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$run/display")
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$run/runtime XDG_CONFIG_HOME=$run/config
export XDG_DATA_HOME=$run/data
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

mkdir -p "$run/game"
cp "$game_exe" "$run/game/corvelle"
"$make_pictures" "$run/game/images" || fail "could not write the test pictures"

# The colour of one screen pixel, as ImageMagick names it.
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
# A fingerprint of a rectangle WxH+X+Y of a screenshot.
area() { convert "$1" -crop "$2" +repage rgb:- | md5sum | cut -d' ' -f1; }

# --- a game, played and left ---
"$run/game/corvelle" >"$run/game.log" 2>&1 &
game=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Corvelle v[0-9]+\.[0-9]+\.[0-9]+$' | head -1)
[ -n "$window" ] || { cat "$run/game.log" >&2; fail "no window captioned Corvelle vX.Y.Z"; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
# The client area is the bottom 509 x 416 of the window, below its menu bar.
tx=$X ty=$((Y + HEIGHT - 416))
[ "$WIDTH" -eq 509 ] || fail "window is $WIDTH wide, not 509"

discard="69x105+$((tx + 256))+$((ty + 300))"
import -window root "$run/before.png"
[ "$(pixel "$run/before.png" $((tx + 150)) $((ty + 410)))" = "srgb(0,128,0)" ] ||
    fail "the table is not green: $(pixel "$run/before.png" $((tx + 150)) $((ty + 410)))"
xdotool mousemove $((tx + 290)) $((ty + 350)) click 1
sleep 1
import -window root "$run/after.png"
[ "$(area "$run/before.png" "$discard")" != "$(area "$run/after.png" "$discard")" ] ||
    fail "the discard pile did not change after a click on it"
kill -0 "$game" 2>/dev/null || fail "the game ended after a click on the discard pile"

# Game menu, then its Exit item, by their access keys.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+g
sleep 0.5
xdotool key x
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game still runs after Game, Exit"
wait "$game"
status=$?
game=""
[ "$status" -eq 0 ] || fail "the game ended with status $status after Exit"

# --- a copy with damaged pictures ---
rm "$run/game/images/12.jpg"
truncate -s 2000 "$run/game/images/30.jpg"
"$run/game/corvelle" >"$run/broken.log" 2>&1 &
game=$!
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Corvelle$' | head -1)
[ -n "$box" ] || { cat "$run/broken.log" >&2; fail "no message box about the pictures"; }
xdotool search --onlyvisible --name '^Corvelle v' >/dev/null && fail "the game window showed"
sleep 0.5
xdotool windowfocus --sync "$box"
xdotool key Return
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the program still runs after the message box"
wait "$game"
status=$?
game=""
[ "$status" -ne 0 ] || fail "damaged pictures ended with status 0"

echo "smoke_x11: every check passed"
