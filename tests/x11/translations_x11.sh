#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Corvelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game under a German locale: started with LANG=de_DE.UTF-8 and its compiled
# translations beside it, its windows open with German captions (the Hall of Fame is
# "Bestenliste", the rules "Spielregeln"); with LANG=C the same copy keeps the English ones.
#   usage: translations_x11.sh CORVELLE_EXECUTABLE PICTURE_WRITER TRANSLATIONS_DIRECTORY
source "$(dirname "$0")/common.sh"
x11_start openbox
x11_game "$1" "$2"
cp -r "$3" "$run/game/translations"

key() { xdotool windowactivate --sync "$1" key --clearmodifiers "$2"; sleep 0.5; }
# The caption of the window that KEY opens from the main window must match PATTERN.
opens() {
    key "$window" "$1"
    timeout 10 xdotool search --sync --onlyvisible --name "$2" >/dev/null ||
        fail "under LANG=$LANG $1 opened no window captioned $2"
    key "$(xdotool search --onlyvisible --name "$2" | head -1)" Escape
}

for LANG in de_DE.UTF-8 C; do
    export LANG LANGUAGE="" LC_ALL=""
    x11_launch
    if [ "$LANG" = C ]; then
        opens ctrl+h '^High Scores$'
        opens F1 '^Game Rules$'
    else
        opens ctrl+h '^Bestenliste$'
        opens F1 '^Spielregeln$'
    fi
    key "$window" ctrl+q
    x11_ended "$game" || fail "the game under LANG=$LANG did not end on Ctrl+Q"
done
echo "translations_x11: every check passed"
