#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Corvelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The AppStream metainfo a software centre shows: it passes appstreamcli's checks without a
# warning, and its newest release is the project's version and release date, so a new version
# cannot go out with the notes and date of the one before.
#   usage: metainfo.sh METAINFO VERSION RELEASE_DATE
set -u
metainfo=$1 version=$2 date=$3

fail() { echo "FAIL: $*" >&2; exit 1; }
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli found faults"

newest=$(grep -o -m1 '<release [^>]*>' "$metainfo")
[[ "$newest" =~ version=\"([^\"]*)\" ]] && [ "${BASH_REMATCH[1]}" = "$version" ] ||
    fail "the newest release is '$newest', not version $version: give the release its notes"
[[ "$newest" =~ date=\"([^\"]*)\" ]] && [ "${BASH_REMATCH[1]}" = "$date" ] ||
    fail "the newest release is '$newest', not dated $date"
echo "metainfo: every check passed"
