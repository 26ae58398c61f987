// The page's way into the engine: a C interface over the play, hint, rating
// and creation units, with the board drawn by the window's own drawing
// routines onto recording surfaces the page replays. No rule is repeated
// here; this file only routes the page's events, as the window's play
// controller does.
#include <emscripten.h>

#include <string>

#include "generator/creation.h"
#include "generator/patterns.h"
#include "hint/grade.h"
#include "model/colour.h"
#include "model/config.h"
#include "model/puzzle_file.h"
#include "model/scheme_file.h"
#include "play/highlights.h"
#include "play/kept_entries.h"
#include "play/play_clock.h"
#include "play/play_session.h"
#include "play/selection.h"
#include "view/clue_strips.h"
#include "view/play_drawing.h"
#include "view/play_overlay.h"
#include "web_surface.h"

// The page's translation of an English text into `out` (app.js,
// Module.translate); 0 when the text has none.
EM_JS(int, kv_translate, (const char* english, char* out, int size), {
  const text = Module.translate(UTF8ToString(english));
  if (text === null) return 0;
  stringToUTF8(text, out, size);
  return 1;
});

// The page's yes-or-no question (reset asks before it clears the entries).
EM_JS(int, kv_confirm, (const char* text), { return Module.confirm(UTF8ToString(text)) ? 1 : 0; });

namespace kalvero::web {

namespace {

// The page as the engine's host: its language for the engine's sentences
// and its yes-or-no question; nothing else is asked through the host here.
class PageHost : public Host {
 public:
  void Yield() override {}
  MsgResult Message(const std::string& text, const std::string& style) override {
    if (style.find("vbyesno") == std::string::npos) return MsgResult::Ok;
    return kv_confirm(text.c_str()) ? MsgResult::Yes : MsgResult::No;
  }
  std::string Input(const std::string&, const std::string& defaultText, bool) override { return defaultText; }
  std::string Text(const char* english) const override {
    static thread_local char buffer[8192];
    return kv_translate(english, buffer, sizeof buffer) ? std::string(buffer) : std::string(english);
  }
};

// The board's colours: the shipped "xp" scheme for the light look, "night"
// with light lines and digits for the dark one.
BoardColours LookColours(bool dark) {
  SchemeColours scheme{};
  if (!LoadScheme("/all.col", dark ? "night.col" : "xp.col", scheme)) return {};
  const Colour background = scheme[kBackgroundEntry];
  const Colour ink = dark ? TextColourOn(background) : kBlack;
  return {ink, ink, ink, background, scheme[kControlEntry]};
}

}  // namespace

// One game on the page: a puzzle, its play session and the two drawings.
struct Game {
  PuzzleState state;
  Settings settings = DefaultSettings();
  PageHost host;
  PlaySession session{state, settings, [] { return false; }, host};
  BoardGeometry geometry;
  BoardColours colours = LookColours(false);
  PlayerAids aids;
  WebSurface board{geometry.SurfaceSize};
  WebSurface overlay{geometry.SurfaceSize};
  std::string status, notice, frame;
  bool solved = false;
  bool startTimer = false;    // the area frame's timer is to start
  bool restartClock = false;  // the puzzle was read again: the page's clock starts over
  bool boardChanged = true;   // the board's drawing changed since the page last took it
  bool stripPressed = false;  // the right button went down on a clue strip

  void Redraw() {
    RedrawBoard(board, geometry, state, colours);
    boardChanged = true;
    DrawOverlay();
  }
  void DrawOverlay() {
    overlay.Forget();
    DrawPlayOverlay(overlay, geometry, state, session.View(), colours, FindHighlights(state, aids));
  }
  // Shows what a play action reports, as the window's play controller does.
  void Apply(const PlayResult& result) {
    if (result.drawing != BoardDrawing::None) {
      DrawPlayResult(board, geometry, state, colours, result);
      boardChanged = true;
    }
    if (result.overlayChanged || result.drawing != BoardDrawing::None) DrawOverlay();
    if (result.status) status = *result.status;
    if (result.notice) notice = result.notice->text;
    solved = solved || result.solved;
    startTimer = startTimer || result.startTimer;
  }
};

}  // namespace kalvero::web

using kalvero::web::Game;
using namespace kalvero;

extern "C" {

// The page's one game, which lives as long as the page.
EMSCRIPTEN_KEEPALIVE Game* kv_new() { return new Game; }

// Loads a puzzle line as puzzle `number` of `count` of file `name`; 1 when
// it was read (otherwise the shown puzzle stays).
EMSCRIPTEN_KEEPALIVE int kv_load(Game* game, const char* line, int number, int count, const char* name) {
  if (!LoadPuzzleLine(game->state, line).ok()) return 0;
  game->state.PuzzleNumber = number;
  game->state.PuzzleCount = count;
  game->state.PuzzleFileName = name;
  game->session.PuzzleRead();
  game->solved = false;
  game->notice.clear();
  game->status = game->host.Text(QT_TRANSLATE_NOOP("Kalvero", "Puzzle read"));
  game->Redraw();
  return 1;
}

// The player's entries kept as the window keeps them ("" for none), and
// back: entries come back only onto the puzzle they were kept for.
EMSCRIPTEN_KEEPALIVE const char* kv_entries(Game* game) {
  game->frame = HasEntries(game->state) ? KeptEntriesText(game->state) : std::string();
  return game->frame.c_str();
}
EMSCRIPTEN_KEEPALIVE int kv_set_entries(Game* game, const char* kept) {
  if (!RestoreEntries(kept, game->state)) return 0;
  game->Redraw();
  return 1;
}

// "7:32" (or "1:07:32") for a time in seconds, as the window shows it.
EMSCRIPTEN_KEEPALIVE const char* kv_clock_text(Game* game, double seconds) {
  game->frame = ClockText(static_cast<PlayClock::Millis>(seconds * 1000));
  return game->frame.c_str();
}

// Everything the page shows, as JSON; the notice and a changed board are
// handed over once.
EMSCRIPTEN_KEEPALIVE const char* kv_frame(Game* game) {
  using kalvero::web::JsonString;
  const PuzzleState& s = game->state;
  std::string selected;
  if (s.SelRow != -1) {
    const std::string& entry =
        s.FixedValue[s.SelRow][s.SelCol].empty() ? s.UserEntry[s.SelRow][s.SelCol] : s.FixedValue[s.SelRow][s.SelCol];
    selected = Fill(game->host.Text(QT_TRANSLATE_NOOP("Kalvero", "row %1, column %2: %3")),
                    {std::to_string(s.SelRow), std::to_string(s.SelCol), entry});
  }
  // The board goes over only when it changed (most pointer moves change
  // the overlay alone); null tells the page to keep the one it has.
  const std::string board = game->boardChanged ? game->board.Json() : std::string("null");
  game->frame = "{\"board\":" + board + ",\"overlay\":" + game->overlay.Json() +
                ",\"status\":" + JsonString(game->status) + ",\"notice\":" + JsonString(game->notice) +
                ",\"selected\":" + JsonString(selected) +
                ",\"solved\":" + (game->solved ? "true" : "false") +
                ",\"helped\":" + (game->session.Helped() ? "true" : "false") +
                ",\"startTimer\":" + (game->startTimer ? "true" : "false") +
                ",\"restartClock\":" + (game->restartClock ? "true" : "false") + "}";
  game->notice.clear();
  game->solved = false;
  game->startTimer = false;
  game->restartClock = false;
  game->boardChanged = false;
  return game->frame.c_str();
}

// Pointer at (x, y) twips over the board (a cell or a clue strip), or off it.
EMSCRIPTEN_KEEPALIVE void kv_hover(Game* game, double x, double y) {
  const BoardGeometry& g = game->geometry;
  if (const auto hit = StripAt(g, x, y))
    game->Apply(game->session.StripHover(hit->strip, hit->x, hit->y, hit->rect.w, hit->rect.h));
  else
    game->Apply(game->session.Hover(CellAt(x, y, g.GridLeft, g.GridTop, g.CellSize)));
}
// The right button down at (x, y) and up: on a clue strip it shows the
// area's marks while held, elsewhere the release copies the computed marks.
EMSCRIPTEN_KEEPALIVE void kv_right_down(Game* game, double x, double y) {
  const auto hit = StripAt(game->geometry, x, y);
  game->stripPressed = hit.has_value();
  if (hit) game->Apply(game->session.StripPress(hit->strip, hit->x, hit->y, hit->rect.w, hit->rect.h));
}
EMSCRIPTEN_KEEPALIVE void kv_right_up(Game* game) {
  game->Apply(game->stripPressed ? game->session.StripRelease() : game->session.CopyPencilValue());
  game->stripPressed = false;
}
// The area frame's timer ran out.
EMSCRIPTEN_KEEPALIVE void kv_timer(Game* game) { game->Apply(game->session.TimerFired()); }
EMSCRIPTEN_KEEPALIVE void kv_leave(Game* game) { game->Apply(game->session.LeaveBoard()); }

// A character typed; a key (PlayKey's order) that the window acts on when it
// is released, which the page sends as it goes down (held, it repeats).
EMSCRIPTEN_KEEPALIVE void kv_char(Game* game, int code) { game->Apply(game->session.TypeChar(code)); }
EMSCRIPTEN_KEEPALIVE void kv_key(Game* game, int key) {
  if (key >= 0 && key <= static_cast<int>(PlayKey::Other)) game->Apply(game->session.KeyReleased(static_cast<PlayKey>(key)));
}

// The page's buttons.
enum Button { kPencil, kHidePencil, kUndo, kRedo, kReset, kCheck, kSolutionDown, kSolutionUp, kHint, kResetAll };
EMSCRIPTEN_KEEPALIVE void kv_button(Game* game, int button) {
  PlaySession& s = game->session;
  // Reads the puzzle again from its line, as the window reads it again
  // from its file: entries, marks, undo and hints start over.
  const auto reread = [game] {
    const std::string line = game->state.PuzzleLine;
    if (!LoadPuzzleLine(game->state, line).ok()) return false;
    game->session.PuzzleRead();
    game->restartClock = true;
    game->Redraw();
    return true;
  };
  switch (button) {
    case kPencil: game->Apply(s.ShowPencilMarks()); break;
    case kHidePencil: game->Apply(s.HidePencilMarks()); break;
    case kUndo: game->Apply(s.Undo()); break;
    case kRedo: game->Apply(s.Redo()); break;
    case kReset: game->Apply(s.ResetPuzzle(game->host, reread)); break;
    case kCheck: game->Apply(s.Check()); break;
    case kSolutionDown: game->Apply(s.ShowSolution()); break;
    case kSolutionUp: game->Apply(s.HideSolution()); break;
    case kHint: game->Apply(s.AskHint()); break;
    case kResetAll: game->Apply(s.ResetAll(game->host, reread)); break;
    default: break;
  }
}

// The light or dark look and the highlights.
EMSCRIPTEN_KEEPALIVE void kv_look(Game* game, int dark, int sameDigit, int lines, int mistakes) {
  game->colours = kalvero::web::LookColours(dark != 0);
  game->aids.sameDigit = sameDigit != 0;
  game->aids.sameDigitLines = lines != 0;
  game->aids.mistakes = mistakes != 0;
  if (!game->state.SolutionText.empty()) game->Redraw();
}

// "Tough: needs locked candidates" for the shown puzzle; its grade's
// English name (the best times' key) with `english`.
EMSCRIPTEN_KEEPALIVE const char* kv_grade(Game* game, int english) {
  const Rating rating = RatePuzzle(game->state);
  const std::optional<Grade> grade = GradeOf(rating);
  if (english) game->frame = grade ? InfoOf(*grade).name : "";
  else game->frame = GradeDescription(rating, game->host);
  return game->frame.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* kv_level(Game* game, int english) {
  const char* name = LevelName(game->state.FixedCount);
  game->frame = english ? std::string(name) : game->host.Text(name);
  return game->frame.c_str();
}

// Creates one puzzle of level 0..2 (and grade 0..3, or -1 for any) from the
// seed; its line, or "" when none could be made. For the page's worker.
EMSCRIPTEN_KEEPALIVE const char* kv_create(int level, int grade, double seed) {
  static thread_local std::string line;
  PuzzleState puzzle;
  SolverState solver;
  PseudoRandom random(static_cast<std::uint64_t>(seed));
  Generator generator{random};
  SilentHost host;
  CreationControl control;
  CreationContext ctx{puzzle, solver, generator, host, control, "", {}};
  if (grade >= 0 && grade < kGradeCount)
    ctx.hooks.keep = [wanted = kGrades[grade].grade](const PuzzleState& p) { return GradeOf(p) == wanted; };
  const CreateResult result = CreateLevelPuzzle(ctx, FixedCountOfLevel(level));
  line = result.ok() ? PuzzleLineOf(puzzle) : std::string();
  return line.c_str();
}

}  // extern "C"
