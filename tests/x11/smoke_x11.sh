#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Corvelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game in a real X server: started as a player starts it, its window found by its
# caption, a click on the discard pile must change the discard picture, "E&xit" must end the
# program. Then a copy with one picture missing and one cut short must say so in a message box
# and end with a failure status, without showing the game.
#   usage: smoke_x11.sh CORVELLE_EXECUTABLE PICTURE_WRITER
source "$(dirname "$0")/common.sh"
for tool in import convert; do
    command -v $tool >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done
x11_start
x11_game "$1" "$2"

# The colour of one screen pixel, as ImageMagick names it.
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
# A fingerprint of a rectangle WxH+X+Y of a screenshot.
area() { convert "$1" -crop "$2" +repage rgb:- | md5sum | cut -d' ' -f1; }

# --- a game, played and left ---
x11_launch
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
x11_ended "$game" || fail "the game still runs after Game, Exit"
[ "$status" -eq 0 ] || fail "the game ended with status $status after Exit"

# --- a copy with damaged pictures ---
rm "$run/game/images/12.jpg"
truncate -s 2000 "$run/game/images/30.jpg"
"$run/game/corvelle" >"$run/broken.log" 2>&1 &
game=$!
pids+=($game)
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Corvelle$' | head -1)
[ -n "$box" ] || { cat "$run/broken.log" >&2; fail "no message box about the pictures"; }
xdotool search --onlyvisible --name '^Corvelle v' >/dev/null && fail "the game window showed"
sleep 0.5
xdotool windowfocus --sync "$box"
xdotool key Return
x11_ended "$game" || fail "the program still runs after the message box"
[ "$status" -ne 0 ] || fail "damaged pictures ended with status 0"

echo "smoke_x11: every check passed"
