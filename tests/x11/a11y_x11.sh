#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Corvelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game in a real X server, heard through the accessibility bus that screen readers
# use: a private session bus (dbus-run-session) activates the AT-SPI bus and its registry, the
# game joins it, and a11y_tree.py walks and presses its accessible tree through pyatspi.
#   usage: a11y_x11.sh CORVELLE_EXECUTABLE PICTURE_WRITER [WALK]
# WALK is the script that walks the tree: a11y_tree.py (the default) or a11y_focus.py.
set -u
game_exe=$1 make_pictures=$2 walk_script=${3:-a11y_tree.py}
here=$(cd "$(dirname "$0")" && pwd)

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v Xvfb >/dev/null || fail "Xvfb is missing (scripts/install-deps installs it)"
command -v dbus-run-session >/dev/null || fail "dbus-run-session is missing (package dbus)"
[ -x /usr/libexec/at-spi-bus-launcher ] || fail "the AT-SPI bus is missing (at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "pyatspi is missing (python3-pyatspi)"

run=$(mktemp -d)
xvfb=""
walk=""
cleanup() {
    # The walk runs in a process group of its own: the game, the buses and the registry go
    # with it, whatever state it ended in.
    [ -n "$walk" ] && kill -9 -- -"$walk" 2>/dev/null
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
export XDG_DATA_HOME=$run/data QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

mkdir -p "$run/game"
cp "$game_exe" "$run/game/corvelle"
"$make_pictures" "$run/game/images" || fail "could not write the test pictures"

# The bus and the registry start on demand; the walk waits for them. As root the session bus
# cannot raise its file limit and says so: that line is noise.
setsid timeout -k 5 100 dbus-run-session -- /usr/bin/python3 "$here/$walk_script" \
    "$run/game/corvelle" 2> >(grep -v 'Failed to set fd limit' >&2) &
walk=$!
wait "$walk"
status=$?
[ "$status" -eq 0 ] || fail "the accessible tree walk ended with status $status"
