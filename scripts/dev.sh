#!/usr/bin/env bash
# Sets up a Debian machine for Kalvero, builds it and runs it or its tests.
#
#   scripts/dev.sh run    install what is missing, build, start the program
#   scripts/dev.sh test   install what is missing, build, run every test
#                         (a Release build, then an AddressSanitizer + UBSan
#                         Debug build), then every fuzz target for a short
#                         time from its seeds in fuzz/corpus
#   scripts/dev.sh bench  install what is missing (and qqwing, the generator
#                         `bench create` compares with), build, run the
#                         tool's benchmarks
#   scripts/dev.sh package  build the two Debian packages into build/*.deb
#   scripts/dev.sh icons  render data/icons/SIZE.png from data/icons/kalvero.svg
#   scripts/dev.sh web    install what is missing, build the browser edition into
#                         build-web/site and serve it on http://127.0.0.1:PORT/
#                         (PORT=8080 unless set)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

# Debian packages the build, the program and its tests need.
PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev   # Qt 6 Core, Gui, Widgets, PrintSupport, Test
  qt6-tools-dev qt6-l10n-tools                # Qt's CMake translation support, lupdate and lrelease
  qt6-translations-l10n                       # Qt's own translations, for the file and print dialogs
  fonts-liberation                            # metric-compatible "Courier New" and "Arial"
  desktop-file-utils appstream                # validating the installed desktop entry and AppStream data
  dpkg-dev                                    # dpkg-shlibdeps for the packages' dependencies
  lintian                                     # the package test checks both packages with it
  poppler-utils                               # pdftotext, pdftoppm: the printing tests read printed PDF pages
  clang libclang-rt-14-dev                    # the fuzz targets and their libFuzzer runtime
  ccache                                      # rebuilds of unchanged sources come from the cache
)

# Debian packages the browser edition and its tests need.
WEB_PACKAGES=(emscripten chromium chromium-driver python3-selenium)

# Seconds each fuzz target runs in `test`; four targets make about two minutes.
FUZZ_SECONDS=30

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
  cmake -S "$ROOT" -B "$dir" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS"
}

# Builds the clang fuzz tree and runs every target for FUZZ_SECONDS (an input
# that takes over 25 s counts as a hang). New inputs go to a scratch corpus,
# emptied first so a run starts from the committed seeds alone and keeps to
# its time; the seeds are only read.
fuzz() {
  local dir="$ROOT/build-fuzz"
  build "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ -DKALVERO_FUZZ=ON
  mkdir -p "$dir/artifacts"
  for target in "$dir"/fuzz/fuzz_*; do
    [[ -x "$target" && -f "$target" ]] || continue
    local name
    name="$(basename "$target")"
    rm -rf "$dir/corpus/$name"
    mkdir -p "$dir/corpus/$name"
    echo "fuzzing $name for ${FUZZ_SECONDS} s"
    local log="$dir/$name.log" status=0
    "$target" -max_total_time="$FUZZ_SECONDS" -timeout=25 -print_final_stats=1 -artifact_prefix="$dir/artifacts/" \
      "$dir/corpus/$name" "$ROOT/fuzz/corpus/$name" >"$log" 2>&1 || status=$?
    grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec)' "$log" || true
    if ((status != 0)); then
      tail -n 40 "$log" >&2
      echo "$name found a fault; the input is in $dir/artifacts" >&2
      exit 1
    fi
  done
}

# Builds the browser edition into build-web/site. Debian's emscripten runs
# its JavaScript tools with whatever node is first on the PATH, which must
# find Debian's acorn.
web_build() {
  install_missing "${WEB_PACKAGES[@]}"
  export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
  emcmake cmake -S "$ROOT/web" -B "$ROOT/build-web" >/dev/null
  cmake --build "$ROOT/build-web" -j "$JOBS"
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
    web_build
    /usr/bin/python3 "$ROOT/tests/web/test_web.py" "$ROOT/build-web/site"
    fuzz
    ;;
  web)
    web_build
    port="${PORT:-8080}"
    echo "Kalvero in the browser: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
    exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory "$ROOT/build-web/site"
    ;;
  bench)
    install_missing
    install_missing qqwing
    build "$ROOT/build" -DCMAKE_BUILD_TYPE=Release
    for what in files engine create rate; do "$ROOT/build/bin/kalvero-tool" bench "$what"; done
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
    echo "usage: scripts/dev.sh run|test|bench|package|icons|web" >&2
    exit 2
    ;;
esac
