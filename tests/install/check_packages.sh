#!/usr/bin/env bash
# Makes the two Debian packages from the build into a scratch folder and
# checks what each holds and depends on: the window's package everything of
# the window and nothing of the tool, the tool's package the tool and its
# manual page alone, without Qt. lintian must find no error and no warning
# in either.
#   check_packages.sh BUILD_DIR OUT_DIR VERSION DESKTOP_ID
set -euo pipefail
build=$1 out=$2 version=$3 id=$4
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
gui=("$out"/kalvero_"$version"-*.deb)
tool=("$out"/kalvero-tool_"$version"-*.deb)
[[ -f ${gui[0]} && -f ${tool[0]} ]] || fail "cpack made $(ls "$out"), not both packages of version $version"

files() { dpkg-deb -c "$1" | awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' | sort; }
expected_tool=(usr/bin/kalvero-tool usr/share/man/man1/kalvero-tool.1.gz usr/share/lintian/overrides/kalvero-tool
  usr/share/doc/kalvero-tool/{copyright,changelog.Debian.gz})
diff <(printf '%s\n' "${expected_tool[@]}" | sort) <(files "${tool[0]}") || fail "kalvero-tool holds other files"

gui_files=$(files "${gui[0]}")
for f in usr/games/kalvero usr/share/man/man6/kalvero.6.gz usr/share/doc/kalvero/{copyright,changelog.Debian.gz} \
  usr/share/kalvero/{all.col,kalvero.htm,puzzles.txt,kalvero_{de,fr}.{htm,qm}} "usr/share/applications/$id.desktop" \
  "usr/share/metainfo/$id.metainfo.xml" usr/share/icons/hicolor/{scalable/apps/"$id".svg,48x48/apps/"$id".png}; do
  grep -qx "$f" <<<"$gui_files" || fail "kalvero lacks $f"
done
! grep -q "kalvero-tool" <<<"$gui_files" || fail "kalvero holds files of kalvero-tool"

gui_depends=$(dpkg-deb -f "${gui[0]}" Depends)
tool_depends=$(dpkg-deb -f "${tool[0]}" Depends)
for p in fonts-liberation libqt6widgets6 libqt6gui6 libqt6core6; do
  grep -Eq "(^|, )$p( |,|$)" <<<"$gui_depends" || fail "kalvero does not depend on $p: $gui_depends"
done
[[ $tool_depends != *qt6* && $tool_depends != *fonts* ]] || fail "kalvero-tool depends on a desktop: $tool_depends"
[[ $tool_depends == *libc6* ]] || fail "kalvero-tool has no shared-library dependencies: $tool_depends"
# Info tags may stay; overridden ones are listed with their reason in the
# package.
command -v lintian >/dev/null || fail "lintian is not installed (scripts/dev.sh installs it)"
lintian --fail-on error,warning "${gui[0]}" "${tool[0]}" || fail "lintian reports errors or warnings"
echo "packages in $out: kalvero depends on $gui_depends; kalvero-tool on $tool_depends"
