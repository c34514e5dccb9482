#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Corvelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every language the game is translated into (translations/corvelle_LANG.ts) is also spoken by
# the desktop entry (its generic name and comment) and by the metainfo (its summary, and each
# paragraph and list item of the description).
#   usage: languages.sh SOURCE_DIRECTORY DESKTOP_ENTRY METAINFO
set -u
source=$1 desktop=$2 metainfo=$3

fail() { echo "FAIL: $*" >&2; exit 1; }
# The description of the game itself, not those of its releases.
description=$(sed -n '/^  <description>/,/^  <\/description>/p' "$metainfo")
english=$(grep -cE '<(p|li)>' <<<"$description")
[ "$english" -gt 0 ] || fail "no description in $metainfo"
count=0
for ts in "$source"/translations/corvelle_*.ts; do
    language=$(basename "$ts" .ts) language=${language#corvelle_}
    for key in GenericName Comment; do
        grep -q "^$key\[$language\]=." "$desktop" || fail "the desktop entry has no $key[$language]"
    done
    grep -q "<summary xml:lang=\"$language\">" "$metainfo" || fail "no summary in $language"
    translated=$(grep -cE "<(p|li) xml:lang=\"$language\">" <<<"$description")
    [ "$translated" -eq "$english" ] ||
        fail "the description has $translated parts in $language, $english in English"
    count=$((count + 1))
done
[ "$count" -gt 0 ] || fail "no translations/corvelle_*.ts"
echo "languages: the desktop entry and the metainfo speak all $count languages"
