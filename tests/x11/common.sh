# SPDX-FileCopyrightText: 2026 The Corvelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests of the real program in a real X server; sourced, not run.
#   x11_start [openbox]       a private Xvfb (and a window manager), with private XDG folders
#   x11_game EXE PICTURES     a copy of the game in $run/game, with the test pictures
#   x11_launch [ARGS]         starts the copy: $game is its pid, $window its main window
#   x11_ended PID [SECONDS]   true once the process has ended; its exit status is in $status
# Everything started here is killed, and $run removed, when the test ends.
set -u
run=$(mktemp -d)
pids=()
game="" window=""

fail() { echo "FAIL: $*" >&2; exit 1; }
x11_cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$run"
}
trap x11_cleanup EXIT

x11_start() {
    for tool in Xvfb xdotool xprop xwininfo "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
    done
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$run/display" \
        >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$run/display" ] && break; sleep 0.1; done
    [ -s "$run/display" ] || fail "Xvfb did not start"
    export DISPLAY=:$(cat "$run/display") QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR=$run/runtime XDG_CONFIG_HOME=$run/config XDG_DATA_HOME=$run/data
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    if [ "${1:-}" = openbox ]; then
        # A busy machine can keep openbox from taking the screen in time: wait up to 30 s, and
        # start it once more if it has died meanwhile.
        local wm="xprop -root _NET_SUPPORTING_WM_CHECK" attempt
        for attempt in 1 2; do
            openbox >>"$run/openbox.log" 2>&1 &
            pids+=($!)
            for _ in $(seq 300); do
                $wm 2>/dev/null | grep -q 'window id' && return 0
                kill -0 "${pids[-1]}" 2>/dev/null || break
                sleep 0.1
            done
            kill -0 "${pids[-1]}" 2>/dev/null && break # alive but never ready: no second one
        done
        cat "$run/openbox.log" >&2
        fail "openbox did not start"
    fi
}

x11_game() {
    mkdir -p "$run/game"
    cp "$1" "$run/game/corvelle"
    "$2" "$run/game/images" || fail "could not write the test pictures"
}

x11_launch() {
    "$run/game/corvelle" "$@" >"$run/game.log" 2>&1 &
    game=$!
    pids+=($game)
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Corvelle v[0-9.]+$' | head -1)
    [ -n "$window" ] || { cat "$run/game.log" >&2; fail "no window captioned Corvelle vX.Y.Z"; }
}

x11_ended() {
    for _ in $(seq $((${2:-5} * 10))); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$1" 2>/dev/null && return 1
    wait "$1" 2>/dev/null
    status=$?
    return 0
}
