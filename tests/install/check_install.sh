#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks the installed tree:
# every file in its place and nothing else, the desktop entry and AppStream
# data valid, the manual pages readable and the installed tool working.
#   check_install.sh BUILD_DIR ROOT VERSION DESKTOP_ID
set -euo pipefail
build=$1 root=$2 version=$3 id=$4
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
prefix=$root/usr

expected=(
  games/kalvero bin/kalvero-tool share/kalvero/{all.col,kalvero.htm,puzzles.txt,kalvero_{de,fr}.{htm,qm}}
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg"
  share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/"$id".png
  share/man/man6/kalvero.6.gz share/man/man1/kalvero-tool.1.gz share/lintian/overrides/kalvero{,-tool}
  share/doc/kalvero{,-tool}/{copyright,changelog.Debian.gz}
)
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
