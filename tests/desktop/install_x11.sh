#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Corvelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# An installed copy: `cmake --install` into a fresh prefix must put the program, its pictures,
# the desktop entry, the metainfo and the icons where a desktop looks for them, and the
# installed program, with no pictures beside it and a home of its own, must open its window, in
# German under a German locale.
#   usage: install_x11.sh CMAKE BUILD_DIRECTORY APP_ID
set -u
cmake=$1 build=$2 id=$3

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in Xvfb xdotool; do
    command -v $tool >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done

run=$(mktemp -d)
xvfb="" game=""
cleanup() {
    [ -n "$game" ] && kill -9 "$game" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$run"
}
trap cleanup EXIT

prefix=$run/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$run/install.log" 2>&1 ||
    { cat "$run/install.log" >&2; fail "cmake --install failed"; }
files=(bin/corvelle "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
       "share/icons/hicolor/scalable/apps/$id.svg")
for size in 48 128 256; do files+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
for n in $(seq 55); do files+=("share/corvelle/images/$n.jpg" "share/corvelle/images/large/$n.jpg"); done
for language in de es fr; do files+=("share/corvelle/translations/corvelle_$language.qm"); done
for f in "${files[@]}"; do [ -s "$prefix/$f" ] || fail "$f was not installed"; done
[ -x "$prefix/bin/corvelle" ] || fail "bin/corvelle is not executable"
[ -e "$prefix/bin/images" ] && fail "pictures were installed beside the program"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$run/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$run/display" ] && break; sleep 0.1; done
[ -s "$run/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$run/display") QT_QPA_PLATFORM=xcb HOME=$run/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$run/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

cd "$HOME" || fail "no home directory"
"$prefix/bin/corvelle" >"$run/game.log" 2>&1 &
game=$!
# Slow to start under the sanitizers on a busy machine.
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Corvelle v[0-9]+\.[0-9]+\.[0-9]+$' | head -1)
[ -n "$window" ] || { cat "$run/game.log" >&2; fail "the installed game showed no window captioned Corvelle vX.Y.Z"; }
kill -0 "$game" 2>/dev/null || fail "the installed game ended by itself"

# The installed copy keeps its Hall of Fame in the player's data folder, never in the prefix:
# "Clear High Scores" in the Hall of Fame window (Ctrl+H) writes it.
xdotool windowfocus --sync "$window" key ctrl+h
hof=$(timeout 10 xdotool search --sync --onlyvisible --name '^High Scores$' | head -1)
[ -n "$hof" ] || fail "Ctrl+H opened no Hall of Fame window"
xdotool mousemove --window "$hof" 25 10 click 1
sleep 0.5
xdotool mousemove --window "$hof" 50 35 click 1
for _ in $(seq 50); do [ -f "$XDG_DATA_HOME/corvelle/hscores.dat" ] && break; sleep 0.1; done
[ -f "$XDG_DATA_HOME/corvelle/hscores.dat" ] || fail "no Hall of Fame in the player's data folder"
[ -e "$prefix/bin/hscores.dat" ] && fail "the Hall of Fame was written into the installation"

# Under a German locale the installed copy speaks German: its translations are found where the
# installation put them (the Hall of Fame window is "Bestenliste", the rules "Spielregeln").
# The first game must be gone first: a second one would only hand its start to it and end.
kill "$game" 2>/dev/null
for _ in $(seq 300); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the installed game did not end within 30 s of being told to"
LANG=de_DE.UTF-8 LANGUAGE=de "$prefix/bin/corvelle" >"$run/game-de.log" 2>&1 &
game=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Corvelle v[0-9]+\.[0-9]+\.[0-9]+$' | head -1)
[ -n "$window" ] || { cat "$run/game-de.log" >&2; fail "the game showed no window under a German locale"; }
xdotool windowfocus --sync "$window" key ctrl+h
timeout 10 xdotool search --sync --onlyvisible --name '^Bestenliste$' >/dev/null ||
    fail "under LANG=de_DE.UTF-8 Ctrl+H opened no window captioned Bestenliste"

echo "install_x11: every check passed"
