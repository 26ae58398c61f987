#include "app/play_controller.h"

#include <QFile>
#include <QLineEdit>
#include <QShortcut>

#include "app/client_area.h"
#include "app/creation_controller.h"
#include "app/user_settings.h"
#include "hint/grade.h"
#include "hint/rating.h"
#include "model/posix_file.h"
#include "play/best_times.h"
#include "play/kept_entries.h"
#include "ui/box_control.h"
#include "view/board_view.h"
#include "view/mouse_buttons.h"
#include "view/play_drawing.h"
#include "view/play_overlay.h"
#include "view/std_text.h"
#include "ui/translate.h"
#include "view/clue_strips.h"

namespace kalvero {

namespace {

constexpr int kAreaFrameMs = 2000;
// Far more than any kept-entries text; a larger file is not one of ours.
constexpr std::size_t kKeptEntriesMaxBytes = 64 * 1024;

PlayKey KeyOf(int key) {
  switch (key) {
    case Qt::Key_F2: return PlayKey::F2;
    case Qt::Key_F3: return PlayKey::F3;
    case Qt::Key_F4: return PlayKey::F4;
    case Qt::Key_Home: return PlayKey::Home;
    case Qt::Key_Delete: return PlayKey::Delete;
    case Qt::Key_Escape: return PlayKey::Escape;
    case Qt::Key_Up: return PlayKey::Up;
    case Qt::Key_Down: return PlayKey::Down;
    case Qt::Key_Left: return PlayKey::Left;
    case Qt::Key_Right: return PlayKey::Right;
    default: return PlayKey::Other;
  }
}

}  // namespace

PlayController::PlayController(AppContext& ctx, const MainWidgets& widgets, PuzzleDisplay& display,
                               const CreationController& creation, QObject* parent)
    : QObject(parent),
      ctx_(ctx),
      w_(widgets),
      display_(display),
      session_(ctx.state, ctx.settings, [&creation] { return creation.Creating(); }, ctx.host) {
  timer_ = new PlayTimer(*w_.timeLabel, [this, &creation] {
    return creation.Creating() || (w_.client->window()->windowState() & Qt::WindowMinimized);
  }, this);
  timer1_.setObjectName(QStringLiteral("Timer1"));
  timer1_.setSingleShot(true);
  timer1_.setInterval(kAreaFrameMs);
  connect(&timer1_, &QTimer::timeout, this, [this] { Apply(session_.TimerFired()); });
  display_.SetPuzzleChanged([this] {
    session_.PuzzleRead();
    if (ctx_.state.PuzzleCount == 0) session_.LeaveBoard();
    timer_->Restart();
    ShowOverlay();
  });
  display_.SetOverlayRefresh([this] { ShowOverlay(); });
  ConnectBoard();
  ConnectButtons();
  for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
    auto* redo = new QShortcut(keys, w_.client);
    connect(redo, &QShortcut::activated, this, [this] { Apply(session_.Redo()); });
  }
}

void PlayController::ConnectBoard() {
  BoardView* board = w_.board;
  connect(board, &BoardView::pointerMoved, this, &PlayController::PointerMoved);
  connect(board, &BoardView::pointerLeft, this, [this] { Apply(session_.LeaveBoard()); });
  connect(board, &BoardView::buttonPressed, this, &PlayController::ButtonPressed);
  connect(board, &BoardView::buttonReleased, this, &PlayController::ButtonReleased);
  connect(board, &BoardView::characterTyped, this, [this](int code) { Apply(session_.TypeChar(code)); });
  connect(board, &BoardView::keyReleased, this, &PlayController::KeyReleased);
}

void PlayController::ConnectButtons() {
  connect(w_.Button(ButtonId::Pencil), &BoxControl::mouseUp, this, [this](int button) {
    Apply(button == kRightMouseButton ? session_.HidePencilMarks() : session_.ShowPencilMarks());
  });
  connect(w_.Button(ButtonId::Undo), &BoxControl::mouseUp, this, [this](int button) {
    if (button == kRightMouseButton)
      Apply(session_.ResetAll(ctx_.host, [this] { return Reread(); }));
    else
      Apply(session_.Undo());
  });
  connect(w_.Button(ButtonId::Reset), &BoxControl::mouseUp, this, [this] { ResetPuzzle(); });
  connect(w_.Button(ButtonId::Verify), &BoxControl::mouseUp, this, [this] { Apply(session_.Check()); });
  connect(w_.Button(ButtonId::ShowSolution), &BoxControl::mouseDown, this, [this] { Apply(session_.ShowSolution()); });
  connect(w_.Button(ButtonId::ShowSolution), &BoxControl::mouseUp, this, [this] { Apply(session_.HideSolution()); });
}

void PlayController::Hint() { Apply(session_.AskHint()); }

void PlayController::ResetPuzzle() { Apply(session_.ResetPuzzle(ctx_.host, [this] { return Reread(); })); }

bool PlayController::KeepEntries() {
  if (!ctx_.paths.settingsWritable) return true;
  const std::string path = Std(ctx_.paths.unfinishedFile);
  if (ctx_.state.PuzzleCount == 0 || !HasEntries(ctx_.state)) {
    // Only an earlier kept file is removed, never a folder in its place.
    if (MayWriteFileAt(path)) QFile::remove(ctx_.paths.unfinishedFile);
    return true;
  }
  ctx_.userSettings.SetKeptTime(ctx_.state.PuzzleLine, timer_->Elapsed());
  return WriteFileAtomically(path, KeptEntriesText(ctx_.state));
}

void PlayController::ResumeEntries() {
  std::string text;
  int error = 0;
  if (!ReadRegularFile(Std(ctx_.paths.unfinishedFile), text, error, kKeptEntriesMaxBytes)) return;
  if (!RestoreEntries(text, ctx_.state)) return;
  if (const auto kept = ctx_.userSettings.KeptTime(ctx_.state.PuzzleLine))
    timer_->Restart(*kept);
  display_.RedrawBoard();
  display_.SetStatus(tr("Unfinished entries restored"));
}

QString PlayController::SolvedText() {
  timer_->Stop();
  const QString time = QStr(ClockText(timer_->Elapsed()));
  if (session_.Helped())
    return tr("Solved in %1 with hints or the solution shown: not counted for the best times").arg(time);
  const std::optional<Grade> grade = GradeOf(ctx_.state);
  // Best times are filed under the English names; the sentence names them
  // in the user's language.
  const char* level = LevelName(ctx_.state.FixedCount);
  const std::string kind = (grade ? std::string(InfoOf(*grade).name) + " " : std::string()) + level;
  //: %1 the grade, %2 the level: "Tough Hard".
  const QString shownKind = grade ? tr("%1 %2").arg(Translated(InfoOf(*grade).name), Translated(level)) : Translated(level);
  const std::string file = Std(ctx_.paths.bestTimesFile);
  BestTimes times = BestTimes::Read(file);
  if (!times.Record(kind, timer_->Elapsed()))
    //: %1 the time taken, %2 the grade and level, %3 the best time.
    return tr("Solved in %1; the best for %2 puzzles is %3")
        .arg(time, shownKind, QStr(ClockText(*times.Best(kind))));
  if (!ctx_.paths.settingsWritable || !times.Write(file))
    return tr("Solved in %1 — a new best for %2 puzzles (the best times could not be saved)").arg(time, shownKind);
  return tr("Solved in %1 — a new best for %2 puzzles").arg(time, shownKind);
}

bool PlayController::Reread() {
  return display_.ReadPuzzle(QStr(ctx_.state.PuzzleFileName), ctx_.state.PuzzleNumber);
}

void PlayController::PointerMoved(QPointF twips) {
  const BoardGeometry& g = w_.board->Geometry();
  if (const auto hit = StripAt(g, twips.x(), twips.y())) {
    Apply(session_.StripHover(hit->strip, hit->x, hit->y, hit->rect.w, hit->rect.h));
    return;
  }
  Apply(session_.Hover(CellAt(twips.x(), twips.y(), g.GridLeft, g.GridTop, g.CellSize)));
  // Typing works as soon as the pointer is over the board.
  w_.board->setFocus(Qt::MouseFocusReason);
}

void PlayController::ButtonPressed(int button, QPointF twips) {
  if (button != kRightMouseButton) return;
  const auto hit = StripAt(w_.board->Geometry(), twips.x(), twips.y());
  stripPressed_ = hit.has_value();
  if (hit) Apply(session_.StripPress(hit->strip, hit->x, hit->y, hit->rect.w, hit->rect.h));
}

void PlayController::ButtonReleased(int button, QPointF) {
  if (button != kRightMouseButton) return;
  if (stripPressed_) {
    stripPressed_ = false;
    Apply(session_.StripRelease());
  } else {
    Apply(session_.CopyPencilValue());
  }
}

void PlayController::KeyReleased(int key) { Apply(session_.KeyReleased(KeyOf(key))); }

void PlayController::Apply(const PlayResult& result) {
  if (result.drawing != BoardDrawing::None) {
    DrawPlayResult(w_.board->Surface(), w_.board->Geometry(), ctx_.state, ctx_.Colours(), result);
    w_.board->Changed();
  }
  if (result.overlayChanged || result.drawing != BoardDrawing::None) ShowOverlay();
  if (result.startTimer) timer1_.start();
  if (result.status) display_.SetStatus(QStr(*result.status));
  if (result.notice) {
    const QString text = QStr(result.notice->text) + (result.solved ? QStringLiteral("\n") + SolvedText() : QString());
    ctx_.Message(text, QStr(result.notice->style));
    ctx_.ProcessEvents();
  }
}

void PlayController::ShowOverlay() {
  RecordingSurface& overlay = w_.board->Overlay();
  overlay.Forget();
  DrawPlayOverlay(overlay, w_.board->Geometry(), ctx_.state, session_.View(), ctx_.Colours(),
                  FindHighlights(ctx_.state, ctx_.highlights));
  w_.board->Changed();
  timer_->SetShown(ctx_.highlights.timer);
  w_.pencilValue->setText(QStr(session_.View().pencilValue));
  const PuzzleState& s = ctx_.state;
  QString value;
  if (s.SelRow != -1) {
    const std::string& entry = s.FixedValue[s.SelRow][s.SelCol].empty() ? s.UserEntry[s.SelRow][s.SelCol]
                                                                          : s.FixedValue[s.SelRow][s.SelCol];
    //: The selected cell for screen readers: its row, its column and its digit.
    value = tr("row %1, column %2: %3").arg(QString::number(s.SelRow), QString::number(s.SelCol), QStr(entry));
  }
  w_.board->SetAccessibleValue(value);
}

}  // namespace kalvero
