#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Corvelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` from the build must make one corvelle_VERSION_ARCH.deb
# whose control fields name the game, the project's version, the build's architecture, the
# games section and the libraries, fonts and Qt translations it needs, and which holds exactly
# the files of an installed game under /usr: the program, its 55 pictures, its translations, the
# desktop entry, the metainfo, the icons, and the copyright file and changelog.
#   usage: deb_package.sh CPACK BUILD_DIRECTORY VERSION APP_ID
set -u
cpack=$1 build=$2 version=$3 id=$4

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v $tool >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cpack" -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; fail "cpack -G DEB failed"; }
arch=$(dpkg --print-architecture)
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "cpack made ${#debs[@]} packages: ${debs[*]##*/}"
deb=${debs[0]}
[ "${deb##*/}" = "corvelle_${version}_$arch.deb" ] || fail "the package is named ${deb##*/}"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = corvelle ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture), not $arch"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[ "$(field Homepage)" = https://corvelle.github.io/ ] || fail "Homepage: $(field Homepage)"
description=$(field Description)
summary=$(head -1 <<<"$description")
[ -n "$summary" ] && [ ${#summary} -le 80 ] || fail "short description: '$summary'"
[ "$(wc -l <<<"$description")" -ge 3 ] || fail "no long description"
[ -z "$(awk 'length > 80' <<<"$description")" ] || fail "description lines over 80 columns"

# The names in Depends, each with any version bound but without alternatives dropped.
depends=$(field Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/^ *//; s/ *$//' | sort -u)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6 fonts-dejavu-core \
              qt6-translations-l10n; do
    grep -qx "$needed" <<<"$depends" || fail "Depends lacks $needed: $(field Depends)"
done

# Exactly these files, at these paths and modes; no build path, no test or benchmark.
expected=("-rwxr-xr-x ./usr/bin/corvelle"
          "-rw-r--r-- ./usr/share/applications/$id.desktop"
          "-rw-r--r-- ./usr/share/metainfo/$id.metainfo.xml"
          "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/$id.svg"
          "-rw-r--r-- ./usr/share/doc/corvelle/copyright"
          "-rw-r--r-- ./usr/share/doc/corvelle/changelog.gz")
for size in 48 128 256; do
    expected+=("-rw-r--r-- ./usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
for language in de es fr; do
    expected+=("-rw-r--r-- ./usr/share/corvelle/translations/corvelle_$language.qm")
done
for n in $(seq 55); do
    expected+=("-rw-r--r-- ./usr/share/corvelle/images/$n.jpg"
               "-rw-r--r-- ./usr/share/corvelle/images/large/$n.jpg")
done
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ && $3 > 0 { print $1, $6 }' | sort >"$out/files"
printf '%s\n' "${expected[@]}" | sort >"$out/expected"
diff "$out/expected" "$out/files" >&2 || fail "the package's files differ from the expected (< missing, > extra)"

# What the package unpacks to: the licence, the changelog and the metainfo of this version, and a
# program that looks for nothing in the build.
dpkg-deb -x "$deb" "$out/root"
newest=$(gzip -dc "$out/root/usr/share/doc/corvelle/changelog.gz" | head -1)
[[ "$newest" == "corvelle ($version) "* ]] ||
    fail "the changelog's newest entry is '$newest', not version $version: give it an entry"
grep -q '^License: GPL-3+$' "$out/root/usr/share/doc/corvelle/copyright" ||
    fail "the copyright file names no GPL-3+ licence"
grep -q "/usr/share/common-licenses/GPL-3" "$out/root/usr/share/doc/corvelle/copyright" ||
    fail "the copyright file does not point to the licence text"
if readelf -d "$out/root/usr/bin/corvelle" | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
    fail "the packaged program looks for libraries in the build directory"
fi
grep -q "<release version=\"$version\"" "$out/root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the packaged metainfo does not carry the release $version"

echo "deb_package: every check passed"
