#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Corvelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A second start brings the running game forward: in a real X server with a window manager,
# the game's window is minimised, then another window takes the focus from it; each time a
# second copy must end at once with status 0 and the first copy's window must be shown and
# active again. Nothing in the file system spoils it: a FIFO lies where the lock file used to be,
# and a directory where the socket did.
#   usage: forward_x11.sh CORVELLE_EXECUTABLE PICTURE_WRITER
source "$(dirname "$0")/common.sh"
x11_start openbox xmessage
x11_game "$1" "$2"
mkfifo "$XDG_RUNTIME_DIR/corvelle.lock" && mkdir "$XDG_RUNTIME_DIR/corvelle.socket" ||
    fail "could not spoil the runtime folder"
x11_launch

# Waits up to ten seconds for the game's window to reach a state: three digits, each 1 or 0,
# for shown, active and on top of the others; a dot takes either.
state() {
    for _ in $(seq 100); do
        shown=$(xwininfo -id "$window" | grep -c IsViewable)
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ] && active=1 || active=0
        top=$(xprop -root _NET_CLIENT_LIST_STACKING | grep -c "$(printf '0x%x' "$window")\$")
        [[ $shown$active$top =~ ^$1$ ]] && return 0
        sleep 0.1
    done
    echo "the game's window: shown $shown, active $active, on top $top" >&2
    return 1
}
state 111 || fail "the game's window is not shown and active after it started"

for away in minimise cover; do
    if [ $away = minimise ]; then
        xdotool windowminimize "$window"
        state 0.. || fail "the game's window was not minimised"
    else
        xmessage -geometry 1024x768+0+0 "In front of the game" &
        pids+=($!)
        state 100 || fail "no other window came in front of the game"
    fi
    timeout 10 "$run/game/corvelle" >"$run/second.log" 2>&1
    status=$?
    [ "$status" -eq 0 ] || fail "the second copy ended with status $status ($away)"
    [ -s "$run/second.log" ] && fail "the second copy wrote: $(cat "$run/second.log")"
    state 111 || fail "the game was not brought forward ($away)"
    kill -0 "$game" 2>/dev/null || fail "the first copy ended"
done
echo "forward_x11: every check passed"
