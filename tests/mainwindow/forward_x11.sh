#!/bin/bash
# A second start brings the running game forward: in a real X server with a window manager,
# the game's window is minimised, then another window takes the focus from it; each time a
# second copy must end at once with status 0 and the first copy's window must be shown and
# active again.
#   usage: forward_x11.sh CORVELLE_EXECUTABLE PICTURE_WRITER
set -u
game_exe=$1 make_pictures=$2

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in Xvfb openbox xdotool xprop xwininfo xmessage; do
    command -v $tool >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done

run=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$run"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$run/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$run/display" ] && break; sleep 0.1; done
[ -s "$run/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$run/display")
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$run/runtime XDG_CONFIG_HOME=$run/config
export XDG_DATA_HOME=$run/data
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
openbox >"$run/openbox.log" 2>&1 &
pids+=($!)
wm() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in $(seq 100); do wm && break; sleep 0.1; done
wm || { cat "$run/openbox.log" >&2; fail "openbox did not start"; }

mkdir -p "$run/game"
cp "$game_exe" "$run/game/corvelle"
"$make_pictures" "$run/game/images" || fail "could not write the test pictures"

"$run/game/corvelle" >"$run/game.log" 2>&1 &
game=$!
pids+=($game)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Corvelle v' | head -1)
[ -n "$window" ] || { cat "$run/game.log" >&2; fail "no game window"; }

# Waits up to five seconds for the game's window to reach a state: three digits, each 1 or 0,
# for shown, active and on top of the others; a dot takes either.
state() {
    for _ in $(seq 50); do
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
