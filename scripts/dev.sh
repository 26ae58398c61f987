#!/usr/bin/env bash
# Sets up a Debian machine for Kalvero, builds it and runs it or its tests.
#
#   scripts/dev.sh run    install what is missing, build, start the program
#   scripts/dev.sh test   install what is missing, build, run every test
#                         (a Release build, then an AddressSanitizer + UBSan
#                         Debug build)
#   scripts/dev.sh package  build the two Debian packages into build/*.deb
#   scripts/dev.sh icons  render data/icons/SIZE.png from data/icons/kalvero.svg
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

# Debian packages the build, the program and its tests need.
PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev   # Qt 6 Core, Gui, Widgets, PrintSupport, Test
  fonts-liberation                            # metric-compatible "Courier New" and "Arial"
  desktop-file-utils appstream                # validating the installed desktop entry and AppStream data
  dpkg-dev                                    # dpkg-shlibdeps for the packages' dependencies
  poppler-utils                               # pdftotext, pdftoppm: the printing tests read printed PDF pages
)

# install_missing [PACKAGE...]: the given packages, or PACKAGES
install_missing() {
  local missing=() wanted=("$@")
  ((${#wanted[@]})) || wanted=("${PACKAGES[@]}")
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    local sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# build DIR [cmake options...]
build() {
  local dir="$1"
  shift
  cmake -S "$ROOT" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS"
}

case "${1:-}" in
  run)
    install_missing
    build "$ROOT/build" -DCMAKE_BUILD_TYPE=Release
    exec "$ROOT/build/bin/kalvero"
    ;;
  test)
    install_missing
    build "$ROOT/build" -DCMAKE_BUILD_TYPE=Release
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$ROOT/build" --output-on-failure -j "$JOBS"
    build "$ROOT/build-asan" -DCMAKE_BUILD_TYPE=Debug -DKALVERO_SANITIZE=ON
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
      ctest --test-dir "$ROOT/build-asan" --output-on-failure -j "$JOBS"
    ;;
  package)
    install_missing
    cmake -S "$ROOT" -B "$ROOT/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$ROOT/build" -j "$JOBS" --target kalvero kalvero-tool kalvero-tool-manual
    (cd "$ROOT/build" && cpack)
    ;;
  icons)
    install_missing librsvg2-bin
    for size in 16 22 24 32 48 64 128 256; do
      rsvg-convert -w "$size" -h "$size" "$ROOT/data/icons/kalvero.svg" -o "$ROOT/data/icons/$size.png"
    done
    ;;
  *)
    echo "usage: scripts/dev.sh run|test|package|icons" >&2
    exit 2
    ;;
esac
