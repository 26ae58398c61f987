#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks the installed tree:
# every file in its place and nothing else, the desktop entry and AppStream
# data valid, the manual pages readable and the installed tool working.
#   check_install.sh BUILD_DIR ROOT VERSION DESKTOP_ID
set -euo pipefail
build=$1 root=$2 version=$3 id=$4
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

rm -rf "$root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
prefix=$root/usr

expected=(
  games/kalvero bin/kalvero-tool
  share/kalvero/all.col share/kalvero/kalvero.htm share/kalvero/puzzles.txt
  share/kalvero/kalvero_de.htm share/kalvero/kalvero_fr.htm share/kalvero/kalvero_de.qm share/kalvero/kalvero_fr.qm
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
  share/man/man6/kalvero.6.gz share/man/man1/kalvero-tool.1.gz
  share/doc/kalvero/copyright share/doc/kalvero-tool/copyright
  share/doc/kalvero/changelog.Debian.gz share/doc/kalvero-tool/changelog.Debian.gz
  share/lintian/overrides/kalvero share/lintian/overrides/kalvero-tool
)
for size in 16 22 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f -printf '%P\n' | sort) ||
  fail "the installed files differ from the list ('<' missing, '>' not expected)"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate reports errors"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry does not name the icon $id"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli reports errors"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream data lacks release $version"
for page in kalvero.6 kalvero-tool.1; do
  gzip -dc "$prefix/share/man/man${page##*.}/$page.gz" | grep -qi "^\.TH ${page%.*} ${page##*.} .*$version" ||
    fail "$page.gz is not the ${page%.*} page of version $version"
done

shown=$("$prefix/bin/kalvero-tool" --version) || fail "kalvero-tool --version exits $?"
[[ $shown == "kalvero-tool $version" ]] || fail "kalvero-tool --version shows \"$shown\""
count=$("$prefix/bin/kalvero-tool" count "$prefix/share/kalvero/puzzles.txt") || fail "kalvero-tool count exits $?"
[[ $count -gt 0 ]] || fail "kalvero-tool count finds $count puzzles in the shipped file"
echo "installed tree in $prefix is complete"
