#!/usr/bin/env bash
# A small mutation check:  scripts/mutants.sh [BUILD_DIR [PATTERN]]
# Applies each hand-written mutant (a plausible mistake) to this tree's sources
# in turn, rebuilds incrementally, runs the tests and prints killed, SURVIVED,
# or invalid when the mutant does not compile; then the kill rate, killed /
# (killed + survived). Mutated files get their original bytes back, also when
# the run is interrupted. BUILD_DIR (default ROOT/build-mutants) is configured
# on first use; PATTERN, a Python regular expression, keeps only the mutants
# whose id it matches: scripts/mutants.sh "" '^play-'
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-}"
BUILD="${BUILD:-$ROOT/build-mutants}"
PATTERN="${2:-}"
JOBS=2
export ROOT QT_QPA_PLATFORM=offscreen

# One block per mutant:
#   @ ID FILE  what mistake it models
#   - the original text, which must occur exactly once in FILE
#   + its replacement (a lone "+" drops the original)
# Several "-" or "+" lines make a text of several lines.
read -r -d '' MUTANTS <<'EOF' || true
@ model-level-bound src/model/puzzle_state.cpp  4 givens no longer count as Hard
- if (fixedCount <= 4) return kLevelNames[2];
+ if (fixedCount < 4) return kLevelNames[2];
@ model-letter-digit src/model/puzzle_file.cpp  given letter decoded one too low
- ch = static_cast<char>('0' + (code - 64));
+ ch = static_cast<char>('0' + (code - 65));
@ model-recent-separator src/model/recent_files.cpp  separator not shown after adding a file
- recent.separatorVisible = true;
+
@ model-crlf src/model/line_reader.cpp  CR LF read as two line ends
- pendingLf_ = *stop == '\r';
+ pendingLf_ = *stop == '\n';
@ rules-singles-again src/rules/propagation.cpp  repeat pass for singles ahead instead of behind
- again = again || (x < cell && !HasSeveral(narrowed));
+ again = again || (x > cell && !HasSeveral(narrowed));
@ rules-pair-itself src/rules/subsets.cpp  naked pair also cleared from its own cells
- if (t == s || !(t & s)) continue;
+ if (!(t & s)) continue;
@ rules-linebox-line src/rules/line_box.cpp  line-box clears the line instead of the rest of the box
- if ((isColumn ? kTables.ColOf[y] : kTables.RowOf[y]) == lineNumber) continue;
+ if ((isColumn ? kTables.ColOf[y] : kTables.RowOf[y]) != lineNumber) continue;
@ solver-queue-singles src/solver/search.cpp  follow-up singles need three queued entries
- if (s.TrialQueue.Size() >= 2 && s.TrialQueue.Second().count == 1) {
+ if (s.TrialQueue.Size() > 2 && s.TrialQueue.Second().count == 1) {
@ solver-triple-bound src/solver/verify.cpp  pair sum 17 (8 + 9) ruled out
- if (t < 3 || t > 17) continue;
+ if (t < 3 || t > 16) continue;
@ solver-locked-band src/solver/locked_candidates.cpp  claiming picks the band by remainder
- const int band = (line - 1) / 3;  // the line's third of the board
+ const int band = (line - 1) % 3;  // the line's third of the board
@ generator-blank-tie src/generator/generator.cpp  tie for the fullest box goes to the later box
- if (n > bestCount) {
+ if (n >= bestCount) {
@ generator-random-rotate src/generator/random_source.cpp  wrong rotation constant in the generator
- s_[3] = RotateLeft(s_[3], 45);
+ s_[3] = RotateLeft(s_[3], 44);
@ generator-limit-restore src/generator/creation.cpp  creation's placement limit left in the solver
- ~CreationLimitScope() { solver_.PlacementLimit = stored_; }
+ ~CreationLimitScope() {}
@ hint-grade-cut src/hint/grade.cpp  a grade's hardest step falls into the next grade
- if (hardest <= info.hardestStep) return info.grade;
+ if (hardest < info.hardestStep) return info.grade;
@ hint-hidden-order src/hint/steps_singles.cpp  hidden singles searched rows first, not boxes
- for (const int first : {18, 0, 9})
+ for (const int first : {0, 9, 18})
@ hint-wrong-value src/hint/steps_singles.cpp  right digits reported as wrong
- if (digit == p.solution[cell]) continue;
+ if (digit != p.solution[cell]) continue;
@ hint-rating-hardest src/hint/rating.cpp  rating keeps the easiest step, not the hardest
- if (rating.hardest == StepKind::None || kind > rating.hardest) rating.hardest = kind;
+ if (rating.hardest == StepKind::None || kind < rating.hardest) rating.hardest = kind;
@ play-clock-bank src/play/play_clock.cpp  pause forgets the time banked before
- banked_ += now - *runningSince_;
+ banked_ = now - *runningSince_;
@ play-wrap src/play/selection.cpp  moving wraps one cell too far
- const auto wrap = [](int v) { return (v + 8) % 9 + 1; };
+ const auto wrap = [](int v) { return (v + 9) % 9 + 1; };
@ play-sum-mistake src/play/highlights.cpp  an area at its clue sum marked as a mistake
- if (clue <= 0 || filled == 0 || !(sum > clue || (filled == 3 && sum != clue))) continue;
+ if (clue <= 0 || filled == 0 || !(sum >= clue || (filled == 3 && sum != clue))) continue;
@ view-pencil-cell src/view/board_painter.cpp  full redraw keeps the pencil cell
- state.PencilCell = -1;
+
@ view-given-fill src/view/board_painter.cpp  given and open cells' fills swapped
- surface.Box(inside, fixed ? colours.control : colours.background, true);
+ surface.Box(inside, fixed ? colours.background : colours.control, true);
@ view-entry-colour src/view/play_drawing.cpp  entries drawn in the pencil colour
- DrawText(surface, g, state, colours, r, c, value, colours.numbers);
+ DrawText(surface, g, state, colours, r, c, value, colours.pencil);
@ output-range-single src/output/print_layout.cpp  a one-puzzle range refused
- range.first >= 1 && range.last >= 1 && range.first <= range.last
+ range.first >= 1 && range.last >= 1 && range.first < range.last
@ output-range-last src/output/printing.cpp  the range's last puzzle not printed
- return p <= last && p <= state.PuzzleCount;
+ return p < last && p <= state.PuzzleCount;
@ output-new-page src/output/printing.cpp  a blank page after the last pair
- if (inRange(p + 1)) job.NewPage();
+ job.NewPage();
@ output-pixel-ratio src/output/puzzle_pictures.cpp  picture left at pixel ratio 1
- image.setDevicePixelRatio(pixelRatio);
+
@ ui-button-limit src/ui/msg_style.cpp  a fourth button let in
- if (static_cast<int>(style.buttons.size()) < kMsgMaxButtons)
+ if (static_cast<int>(style.buttons.size()) <= kMsgMaxButtons)
@ ui-slider-echo src/ui/col_pik.cpp  setting the sliders reports a pick per slider
- if (settingSliders_) return;
+
@ ui-shade-halves src/ui/col_pik_palette.h  halves always rounded up
- if (r > 128 || (r == 128 && (q & 1) != 0)) ++q;
+ if (r >= 128) ++q;
@ app-lang-value src/app/command_line.cpp  --lang=xx keeps the "="
- : arg.substr(7);
+ : arg.substr(6);
@ app-seed-overwrite src/app/app_paths.cpp  shipped files overwrite the user's copies
- if (QFileInfo::exists(target) || !QFileInfo::exists(source)) continue;
+ if (!QFileInfo::exists(source)) continue;
@ app-read-only src/app/app_paths.cpp  unwritable data folder still marked writable
- p.settingsWritable = false;
+
@ tool-repeat-given src/tool/arguments.cpp  repeated givens never noticed
- bits |= 1u << digit;
+
@ tool-show-left-clue src/tool/commands_files.cpp  show prints the wrong left clue
- out << std::setw(4) << s.ClueSum[27 + r] << " |";
+ out << std::setw(4) << s.ClueSum[26 + r] << " |";
@ tool-number-hi src/tool/tool_support.cpp  the highest allowed number refused
- value >= lo && value <= hi;
+ value >= lo && value < hi;
EOF
export MUTANTS

# mutant ids PATTERN: prints "ID<TAB>FILE<TAB>WHAT" for each mutant whose id
# matches; mutant apply ID: writes that mutant into its file. Either first
# checks the whole list, and stops with a message if any original does not
# occur exactly once in its file.
mutant() {
  /usr/bin/python3 - "$@" <<'PYEOF'
import os, re, sys
cmd, arg = sys.argv[1:3]
mutants = []
for line in os.environ["MUTANTS"].splitlines():
    if line.startswith("@ "):
        ident, path, what = (line[2:].split(None, 2) + ["", ""])[:3]
        mutants.append({"id": ident, "file": path, "what": what.strip(), "-": [], "+": []})
    elif line[:1] in ("-", "+") and mutants:
        mutants[-1][line[0]].append(line[2:])
    elif line.strip():
        sys.exit(f"mutants: unreadable line in the list: {line!r}")
bad = []
for m in mutants:
    m["old"], m["new"] = ("\n".join(m[k]).encode() for k in "-+")
    path = os.path.join(os.environ["ROOT"], m["file"])
    m["text"] = open(path, "rb").read() if os.path.isfile(path) else b""
    found = m["text"].count(m["old"]) if m["old"] else 0
    if found != 1 or m["old"] == m["new"] or [n["id"] for n in mutants].count(m["id"]) != 1:
        bad.append(f"{m['id']}: original found {found} times in {m['file']}, must be once (or id repeated)")
if bad:
    sys.exit("mutants: the mutant list is wrong:\n  " + "\n  ".join(bad))
for m in mutants:
    if cmd == "ids" and re.search(arg, m["id"]):
        print(f"{m['id']}\t{m['file']}\t{m['what']}")
    elif cmd == "apply" and m["id"] == arg:
        with open(os.path.join(os.environ["ROOT"], m["file"]), "wb") as f:
            f.write(m["text"].replace(m["old"], m["new"]))
PYEOF
}

WORK="$(mktemp -d)"
CURRENT=""  # the file holding a mutant right now, relative to ROOT
CHILD=""    # the build or test command running now

# Writes the mutated file's original bytes back. A file someone else changed
# meanwhile is left as it is, and its original kept in WORK.
restore() {
  [[ -n "$CURRENT" ]] || return 0
  if [[ -f "$WORK/mutated" ]] && ! cmp -s "$WORK/mutated" "$ROOT/$CURRENT"; then
    echo "mutants: $CURRENT changed during the run; left as it is, its original is $WORK/original" >&2
    KEEP_WORK=1
  else
    cp "$WORK/original" "$ROOT/$CURRENT"
    cmp -s "$WORK/original" "$ROOT/$CURRENT" || { echo "mutants: could not restore $CURRENT" >&2; KEEP_WORK=1; }
  fi
  CURRENT=""
  rm -f "$WORK/mutated"
}
on_exit() { restore; [[ -n "${KEEP_WORK:-}" ]] || rm -rf "$WORK"; }
on_signal() {
  if [[ -n "$CHILD" ]]; then kill -TERM "$CHILD" 2>/dev/null || true; fi
  restore
  echo "mutants: interrupted; files restored" >&2
  exit 130
}
trap on_exit EXIT
trap on_signal INT TERM

# run SECONDS LOG COMMAND...: runs the command with a time limit, output to
# LOG. timeout gives it a process group of its own, which a signal to this
# script stops at once, whatever the command started.
run() {
  local limit="$1" log="$2" rc=0
  shift 2
  timeout -k 10 "$limit" "$@" >"$log" 2>&1 &
  CHILD=$!
  wait "$CHILD" || rc=$?
  CHILD=""
  return "$rc"
}
build() { run 7200 "$WORK/build.log" cmake --build "$BUILD" -j "$JOBS"; }
tests() { run "$1" "$WORK/test.log" ctest --test-dir "$BUILD" -j "$JOBS" --stop-on-failure; }
# fail MESSAGE [LOG]: stops the run, showing the end of LOG first.
fail() { [[ -z "${2:-}" ]] || tail -n 40 "$2" >&2; echo "mutants: $1" >&2; exit 1; }

# True when src/ holds no uncommitted change, untracked files included. Takes
# no lock and writes nothing in the repository.
src_clean() { [[ -z "$(git -C "$ROOT" --no-optional-locks status --porcelain -- src)" ]]; }

src_clean || fail "uncommitted changes in $ROOT/src; commit or stash them first"
SELECTED="$(mutant ids "$PATTERN")"
[[ -n "$SELECTED" ]] || fail "no mutant id matches '$PATTERN'"

if [[ ! -f "$BUILD/CMakeCache.txt" ]]; then
  echo "Configuring $BUILD"
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
    >"$WORK/configure.log" 2>&1 || fail "configuring $BUILD failed" "$WORK/configure.log"
fi
echo "Building and testing the unmutated tree"
build || fail "the unmutated tree does not build" "$WORK/build.log"
started=$SECONDS
tests 3600 || fail "the unmutated tree fails its tests" "$WORK/test.log"
# A mutant's tests get five times as long (five minutes at least); a run
# stopped at that limit hangs, which counts as killed.
LIMIT=$(((SECONDS - started) * 5))
((LIMIT >= 300)) || LIMIT=300

killed=0 survived=0 invalid=0
while IFS=$'\t' read -r id file what; do
  src_clean || fail "$ROOT/src changed during the run; stopping"
  cp "$ROOT/$file" "$WORK/original"
  CURRENT="$file"
  mutant apply "$id"
  cp "$ROOT/$file" "$WORK/mutated"
  note="" rc=0
  if ! build; then
    result=invalid invalid=$((invalid + 1))
  elif tests "$LIMIT" || rc=$?; ((rc == 0)); then
    result=SURVIVED survived=$((survived + 1))
  else
    result=killed killed=$((killed + 1))
    ((rc != 124 && rc != 137)) || note=" (tests timed out)"
  fi
  restore
  printf '%-9s %-24s %s: %s%s\n' "$result" "$id" "$file" "$what" "$note"
done <<<"$SELECTED"

total=$((killed + survived)) rate="n/a"
((total == 0)) || rate="$((100 * killed / total))% ($killed of $total)"
echo "killed $killed, survived $survived, invalid $invalid; kill rate $rate"
