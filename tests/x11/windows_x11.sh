#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Corvelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's windows under a window manager: the main window comes back where it was after
# the Rules window stood in for it, and "Exit Corvelle" in the Hall of Fame ends the program
# while the Rules window has the main window hidden.
#   usage: windows_x11.sh CORVELLE_EXECUTABLE PICTURE_WRITER
source "$(dirname "$0")/common.sh"
x11_start openbox
x11_game "$1" "$2"
x11_launch

# Where a window's frame is, as "X,Y".
place() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$X,$Y"; }
shows() { xwininfo -id "$1" | grep -q IsViewable; }
key() { xdotool windowactivate --sync "$1" key --clearmodifiers "$2"; sleep 0.5; }

xdotool windowmove --sync "$window" 300 200
sleep 0.5
before=$(place "$window")
for round in 1 2; do
    key "$window" F1
    rules=$(xdotool search --onlyvisible --name '^Game Rules$' | head -1)
    [ -n "$rules" ] || fail "F1 opened no Game Rules window"
    shows "$window" && fail "the main window shows beside the Game Rules window"
    key "$rules" Escape
    shows "$window" || fail "Escape did not bring the main window back"
    [ "$(place "$window")" = "$before" ] ||
        fail "the main window came back at $(place "$window"), not at $before (round $round)"
done

key "$window" ctrl+h
hof=$(xdotool search --onlyvisible --name '^High Scores$' | head -1)
[ -n "$hof" ] || fail "Ctrl+H opened no Hall of Fame window"
key "$window" F1
shows "$window" && fail "the main window shows beside the Game Rules window"
# "Exit Corvelle", the right-hand button at the bottom of the Hall of Fame window.
eval "$(xdotool getwindowgeometry --shell "$hof")"
xdotool windowactivate --sync "$hof" mousemove --window "$hof" 205 $((HEIGHT - 50)) click 1
x11_ended "$game" || fail "the program still runs after Exit Corvelle in the Hall of Fame"
echo "windows_x11: every check passed"
