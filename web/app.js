// The page: routes pointer, keys and buttons to the engine (kalvero_web.cpp)
// and shows what it reports. Puzzles, creation in a worker, the timer, best
// times and unfinished entries (kept in the browser) live here.
import { FitCanvas, Measure, Replay, kSurfaceTwips } from "./board.js";

const $ = (id) => document.getElementById(id);
const store = window.localStorage;

// ---- language: the window's translations, looked up by their English text
const language = (new URLSearchParams(location.search).get("lang") || navigator.language || "en").slice(0, 2);
let words = {};
if (language === "de" || language === "fr") {
  try {
    words = await (await fetch(`kalvero_${language}.json`)).json();
    document.documentElement.lang = language;
  } catch {
    words = {};
  }
}
// The page's own few texts that the window does not have.
const pageWords = {
  de: { "Random Puzzle": "Zufälliges Rätsel", "Create a new puzzle": "Neues Rätsel erstellen", Redo: "Wiederholen",
    "Download created puzzles": "Erstellte Rätsel herunterladen" },
  fr: { "Random Puzzle": "Grille au hasard", "Create a new puzzle": "Créer une nouvelle grille", Redo: "Rétablir",
    "Download created puzzles": "Télécharger les grilles créées" },
};
Object.assign(words, pageWords[language] ?? {});
const tr = (english) => words[english] ?? english;
const fill = (pattern, ...args) => pattern.replace(/%(\d)/g, (m, n) => args[n - 1] ?? m);
for (const e of document.querySelectorAll("[data-tr]")) e.textContent = tr(e.dataset.tr);
for (const e of document.querySelectorAll("[data-tip]")) {
  e.title = tr(e.dataset.tip);
  e.setAttribute("aria-label", e.title);
}
$("time").setAttribute("aria-label", tr("Time"));

// ---- the engine
const engine = await KalveroModule({
  translate: (english) => words[english] ?? null,
  confirm: (text) => window.confirm(text),
  measure: Measure,
});
const Types = (args) => args.map((a) => (typeof a === "string" ? "string" : "number"));
const call = (name, ...args) => engine.ccall(name, "number", Types(args), args);
const text = (name, ...args) => engine.ccall(name, "string", Types(args), args);
const game = engine.ccall("kv_new", "number", [], []);

// ---- puzzles
let puzzles = [];
let fileName = "puzzles.txt";
let index = 0;
let shown = null;  // the line of the puzzle the engine shows, which its entries are kept under
const created = [];

// Shows puzzle i of the list (wrapping round); the shown puzzle's entries
// and time are kept first, and the new one's come back.
function Load(i) {
  if (!puzzles.length) return false;
  SaveEntries();
  const next = (i + puzzles.length) % puzzles.length;
  if (!call("kv_load", game, puzzles[next], next + 1, puzzles.length, fileName)) {
    Notice(fill(tr("Puzzle %1 could not be read"), next + 1));
    return false;
  }
  index = next;
  shown = puzzles[index];
  clock.Restart();
  const kept = JSON.parse(store.getItem("kalvero.entries." + shown) || "null");
  if (kept && call("kv_set_entries", game, kept.entries)) clock.elapsed = kept.ms || 0;
  store.setItem("kalvero.place", JSON.stringify({ fileName, index }));
  $("file").textContent = fileName;
  $("number").textContent = fill(tr("p# %1 of %2"), index + 1, puzzles.length);
  $("levelname").textContent = text("kv_level", game, 0);
  $("levelname").title = text("kv_grade", game, 0);
  Show();
  return true;
}

function SaveEntries() {
  if (shown === null) return;
  const entries = text("kv_entries", game);
  const key = "kalvero.entries." + shown;
  if (entries) store.setItem(key, JSON.stringify({ entries, ms: clock.Millis() }));
  else store.removeItem(key);
}

function TakeLines(body) {
  return body.split(/\r?\n/).map((l) => l.trim()).filter((l) => l.length > 0);
}

// ---- the clock: paused while the page is hidden or a creation runs,
// stopped at "All done!" until the next puzzle or a reset
const clock = {
  start: performance.now(),
  elapsed: 0,
  running: true,
  stopped: false,
  Restart() {
    Object.assign(this, { elapsed: 0, start: performance.now(), running: true, stopped: false });
  },
  Pause(paused) {
    if (paused && this.running) this.elapsed += performance.now() - this.start;
    if (!paused && !this.running) this.start = performance.now();
    this.running = !paused && !this.stopped;
  },
  Stop() {
    this.Pause(true);
    this.stopped = true;
  },
  Millis() {
    return this.elapsed + (this.running ? performance.now() - this.start : 0);
  },
};
const ClockText = (ms) => text("kv_clock_text", game, ms / 1000);
setInterval(() => ($("time").textContent = ClockText(clock.Millis())), 250);
document.addEventListener("visibilitychange", () => clock.Pause(document.hidden || creating !== null));

// Best times per grade and level, as the window keeps them ("Tough Hard").
function SolvedText(helped) {
  clock.Stop();
  const seconds = Math.floor(clock.Millis() / 1000);
  const time = ClockText(seconds * 1000);
  if (helped) return fill(tr("Solved in %1 with hints or the solution shown: not counted for the best times"), time);
  const grade = text("kv_grade", game, 1);
  const kind = (grade ? grade + " " : "") + text("kv_level", game, 1);
  const shownKind = grade ? fill(tr("%1 %2"), tr(grade), tr(text("kv_level", game, 1))) : tr(kind);
  const best = JSON.parse(store.getItem("kalvero.besttimes") || "{}");
  if (best[kind] !== undefined && best[kind] <= seconds)
    return fill(tr("Solved in %1; the best for %2 puzzles is %3"), time, shownKind, ClockText(best[kind] * 1000));
  best[kind] = seconds;
  store.setItem("kalvero.besttimes", JSON.stringify(best));
  return fill(tr("Solved in %1 — a new best for %2 puzzles"), time, shownKind);
}

// ---- showing what the engine reports
const canvas = $("board");
let areaTimer = 0;  // the sum-area frame disappears after two seconds
let board = [];     // the board's drawing calls, sent again only when they change
function Show() {
  const frame = JSON.parse(text("kv_frame", game));
  if (frame.board !== null) board = frame.board;
  const ctx = FitCanvas(canvas);
  Replay(ctx, board);
  Replay(ctx, frame.overlay);
  $("status").textContent = frame.status;
  $("selected").textContent = frame.selected;
  canvas.setAttribute("aria-valuetext", frame.selected);
  if (frame.restartClock) clock.Restart();
  if (frame.startTimer) {
    clearTimeout(areaTimer);
    areaTimer = setTimeout(() => Act("kv_timer"), 2000);
  }
  if (frame.notice) Notice(frame.solved ? frame.notice + "\n" + SolvedText(frame.helped) : frame.notice);
}
function Notice(message) {
  $("notice-text").textContent = message;
  if (!$("notice").open) $("notice").showModal();
}
new ResizeObserver(Show).observe(canvas);
matchMedia("(resolution: 1dppx)").addEventListener?.("change", Show);

function Look() {
  const dark = matchMedia("(prefers-color-scheme: dark)").matches ? 1 : 0;
  call("kv_look", game, dark, +$("same").checked, +$("lines").checked, +$("mistakes").checked);
  store.setItem("kalvero.aids", JSON.stringify([$("same").checked, $("lines").checked, $("mistakes").checked]));
  Show();
}
matchMedia("(prefers-color-scheme: dark)").addEventListener("change", Look);
for (const id of ["same", "lines", "mistakes"]) $(id).addEventListener("change", Look);

// ---- the board: pointer and keys
const Act = (name, ...args) => {
  if (creating !== null) return;
  call(name, game, ...args);
  Show();
};
const Twips = (event) => {
  const r = canvas.getBoundingClientRect();
  return [((event.clientX - r.left) / r.width) * kSurfaceTwips, ((event.clientY - r.top) / r.height) * kSurfaceTwips];
};
// Typing works as soon as the pointer is over the board, as in the window.
canvas.addEventListener("pointermove", (e) => {
  Act("kv_hover", ...Twips(e));
  if (document.activeElement !== canvas && !$("notice").open) canvas.focus({ preventScroll: true });
});
canvas.addEventListener("pointerdown", (e) => {
  Act("kv_hover", ...Twips(e));
  if (e.button === 2) {
    // The release counts wherever it happens.
    canvas.setPointerCapture(e.pointerId);
    Act("kv_right_down", ...Twips(e));
  }
  canvas.focus();
});
canvas.addEventListener("pointerup", (e) => e.button === 2 && Act("kv_right_up"));
canvas.addEventListener("pointerleave", () => Act("kv_leave"));
// Reached by the keyboard, the board selects its first cell, so arrows and
// digits work without a pointer.
canvas.addEventListener("focus", () => {
  if (canvas.matches(":focus-visible") && !$("selected").textContent) Act("kv_hover", 800, 800);
});
canvas.addEventListener("contextmenu", (e) => e.preventDefault());
const Button = { Pencil: 0, HidePencil: 1, Undo: 2, Redo: 3, Reset: 4, Check: 5, SolutionDown: 6, SolutionUp: 7, Hint: 8,
  ResetAll: 9 };
const Keys = { F2: 0, F3: 1, F4: 2, Home: 3, Delete: 4, Escape: 5, ArrowUp: 6, ArrowDown: 7, ArrowLeft: 8, ArrowRight: 9 };
canvas.addEventListener("keydown", (e) => {
  const ctrl = e.ctrlKey || e.metaKey;
  if (ctrl && (e.key === "y" || (e.shiftKey && e.key.toLowerCase() === "z"))) Act("kv_button", Button.Redo);
  else if (ctrl && e.key === "z") Act("kv_button", Button.Undo);
  else if (ctrl && e.key === "h") Act("kv_button", Button.Hint);
  else if (!ctrl && e.key.length === 1) Act("kv_char", e.key.charCodeAt(0));
  else if (e.key in Keys) {
    // Held Delete and Escape clear once; held arrows keep moving.
    if (!(e.repeat && (e.key === "Delete" || e.key === "Escape"))) Act("kv_key", Keys[e.key]);
  } else return;
  e.preventDefault();
});

// ---- buttons
const On = (id, action, right) => {
  $(id).addEventListener("click", action);
  if (right) $(id).addEventListener("contextmenu", (e) => (e.preventDefault(), right()));
};
On("prev", () => Load(index - 1), () => Load(0));
On("next", () => Load(index + 1), () => Load(puzzles.length - 1));
On("random", () => Load(Math.floor(Math.random() * puzzles.length)));
On("pencil", () => Act("kv_button", Button.Pencil), () => Act("kv_button", Button.HidePencil));
On("undo", () => Act("kv_button", Button.Undo), () => Act("kv_button", Button.ResetAll));
On("redo", () => Act("kv_button", Button.Redo));
On("reset", () => Act("kv_button", Button.Reset));
On("check", () => Act("kv_button", Button.Check));
On("hint", () => Act("kv_button", Button.Hint));
$("solution").addEventListener("pointerdown", () => Act("kv_button", Button.SolutionDown));
for (const up of ["pointerup", "pointerleave"]) $("solution").addEventListener(up, () => Act("kv_button", Button.SolutionUp));
$("solution").addEventListener("keydown", (e) => e.key === " " && !e.repeat && Act("kv_button", Button.SolutionDown));
$("solution").addEventListener("keyup", (e) => e.key === " " && Act("kv_button", Button.SolutionUp));

$("open").addEventListener("change", async () => {
  const file = $("open").files[0];
  if (!file) return;
  const lines = TakeLines(await file.text());
  const before = { puzzles, fileName, index };
  [puzzles, fileName] = [lines, file.name];
  // A file whose first puzzle cannot be read leaves the shown one as it was.
  if (!lines.length || !Load(0)) {
    ({ puzzles, fileName, index } = before);
    Notice(fill(tr("%1 does not appear to have any puzzles...\nPlease check data format"), file.name));
  }
  $("open").value = "";
});

// ---- creation in a worker, with cancel
let worker = new Worker("worker.js");
let creating = null;
function Create() {
  if (creating !== null) return;
  const level = +$("level").value;
  const grade = +$("grade").value;
  creating = { level, grade };
  clock.Pause(true);
  for (const id of ["create", "prev", "next", "random", "open"]) $(id).disabled = true;
  $("cancel").hidden = false;
  $("status").textContent = fill(tr("Creating puzzle (%1) ..."), tr($("level").selectedOptions[0].dataset.tr));
  worker.onmessage = (e) => {
    Finish();
    const line = e.data.lines[0];
    if (!line) return Notice(tr("Creation cancelled"));
    created.push(line);
    $("download").disabled = false;
    puzzles.push(line);
    Load(puzzles.length - 1);
    $("status").textContent = fill(tr("Puzzle created (%1)"), text("kv_level", game, 0));
  };
  worker.onerror = (e) => {
    Finish();
    Notice(tr("Creation cancelled") + "\n" + (e.message || ""));
  };
  worker.postMessage({ level, grade, seed: Math.floor(Math.random() * 2 ** 32), count: 1 });
}
function Finish() {
  creating = null;
  for (const id of ["create", "prev", "next", "random", "open"]) $(id).disabled = false;
  $("cancel").hidden = true;
  clock.Pause(document.hidden);
}
On("create", Create);
On("cancel", () => {
  worker.terminate();
  worker = new Worker("worker.js");
  Finish();
  $("status").textContent = tr("Creation cancelled");
});
On("download", () => {
  const blob = new Blob([created.map((l) => l + "\r\n").join("")], { type: "text/plain" });
  const link = document.createElement("a");
  link.href = URL.createObjectURL(blob);
  link.download = "newpuzzles.txt";
  link.click();
  URL.revokeObjectURL(link.href);
});
window.addEventListener("pagehide", SaveEntries);

// ---- start: the shipped puzzles, at the place last left
const aids = JSON.parse(store.getItem("kalvero.aids") || "[true,false,false]");
[$("same").checked, $("lines").checked, $("mistakes").checked] = aids;
puzzles = TakeLines(await (await fetch("puzzles.txt")).text());
const place = JSON.parse(store.getItem("kalvero.place") || "{}");
Look();
Load(place.fileName === fileName && place.index < puzzles.length ? place.index : 0);
window.kalvero = { puzzles: () => puzzles };
window.kalvero.readyMs = performance.now();
document.body.dataset.ready = "yes";
