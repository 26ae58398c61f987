#include "app/file_commands.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMainWindow>
#include <QMimeData>

#include "app/creation_controller.h"
#include "app/puzzle_display.h"
#include "app/recent_menu.h"
#include "view/std_text.h"
#include "model/delete_puzzle.h"
#include "model/puzzle_file.h"
#include "model/recent_files.h"
#include "model/text.h"
#include "ui/box_control.h"
#include "ui/fn_dialog.h"
#include "ui/msg_form.h"
#include "view/board_view.h"
#include "view/mouse_buttons.h"

namespace kalvero {

namespace {

// The first local .txt file among dropped files, or "".
QString DroppedPuzzleFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
      return url.toLocalFile();
  return {};
}

}  // namespace

FileCommands::FileCommands(AppContext& ctx, const MainWidgets& widgets, PuzzleDisplay& display,
                           const CreationController& creation, QMainWindow& window)
    : QObject(&window),
      ctx_(ctx),
      w_(widgets),
      display_(display),
      creation_(creation),
      window_(window),
      gf1_(new FNDialog(&window)) {
  gf1_->setObjectName(QStringLiteral("gf1"));
  gf1_->hide();

  connect(w_.Button(ButtonId::Load), &BoxControl::mouseUp, this, [this] { Load(); });
  const std::pair<ButtonId, NavButton> navigation[] = {
      {ButtonId::Previous, NavButton::Previous}, {ButtonId::Next, NavButton::Next}, {ButtonId::Random, NavButton::Random}};
  for (const auto& [id, button] : navigation)
    connect(w_.Button(id), &BoxControl::mouseUp, this, [this, button](int mouse) {
      Navigate(button, mouse == kRightMouseButton ? MouseButton::Right : MouseButton::Left);
    });

  window.setAcceptDrops(true);
  window.installEventFilter(this);
}

bool FileCommands::Busy() const { return creation_.Creating(); }

bool FileCommands::OpenPuzzleFile(const QString& path) {
  PuzzleState& state = ctx_.state;
  const QFileInfo info(path);
  if (!info.exists()) {
    ShowFailure(tr("File not found:\n%1").arg(path));
    return false;
  }
  // A folder, a device or a FIFO is never read: it could block for ever.
  if (!info.isFile()) {
    ShowFailure(tr("Not a regular file:\n%1").arg(path));
    return false;
  }
  QApplication::setOverrideCursor(Qt::BusyCursor);
  const std::int32_t previousCount = state.PuzzleCount;
  state.PuzzleCount = CountPuzzles(Std(path));
  // The file opens at its first readable puzzle, so one bad line at its
  // head does not hide the rest.
  const bool failed = display_.ReadNearestPuzzle(path, 1) == 0;
  // A file with no puzzles has had the reader's message. Either way the
  // board, the player's entries and the undo list stay as they were; only
  // the count, which the read above changed, and the labels come back.
  const bool empty = state.PuzzleCount == 0;
  if (failed || empty) {
    state.PuzzleCount = previousCount;
    if (previousCount > 0) display_.ShowPuzzleLabels();
    QApplication::restoreOverrideCursor();
    if (!empty) ShowReadError(path);
    return false;
  }
  QApplication::restoreOverrideCursor();
  ctx_.solver.Generating = false;
  if (AddRecentFile(ctx_.settings.recent, Std(path))) ShowRecentFiles(window_, ctx_.settings.recent);
  w_.board->setFocus();
  return true;
}

void FileCommands::ShowReadError(const QString& path) {
  ShowFailure(ReadErrorText(path));
}

QString FileCommands::WriteErrorText(const QString& path) const {
  return tr("Could not write the puzzle file:\n%1").arg(path);
}

void FileCommands::ShowFailure(const QString& text) {
  ctx_.Message(text, kMsgError);
  ctx_.ProcessEvents();
}

void FileCommands::OpenFromOutside(const QString& path) {
  if (Busy() || path.isEmpty()) return;
  OpenPuzzleFile(QFileInfo(path).absoluteFilePath());
}

QString FileCommands::ChooseFile(const QString& mode) {
  // The dialog control leaves the process's working folder as it found it.
  return gf1_->ChoosePuzzleFile(mode, ctx_.paths.folder);
}

void FileCommands::Load() {
  if (Busy()) return;
  const QString path = ChooseFile(QStringLiteral("OPEN"));
  if (!path.isEmpty()) OpenPuzzleFile(path);
}

void FileCommands::OpenRecent(int index) {
  if (Busy()) return;
  const RecentFiles& recent = ctx_.settings.recent;
  if (index < 0 || index >= kRecentFileCount || !recent.visible[static_cast<std::size_t>(index)]) return;
  const QString caption = QStr(recent.caption[static_cast<std::size_t>(index)]);
  if (caption.trimmed().isEmpty()) return;
  if (!FileExists(Std(caption))) {
    display_.SetStatus(tr("%1 not found").arg(caption));
    return;
  }
  OpenPuzzleFile(caption);
}

std::int32_t FileCommands::AskPuzzleNumber() {
  const PuzzleState& state = ctx_.state;
  for (;;) {
    const QString answer =
        Inputbox(&window_, QStr(PuzzleNumberPrompt(state.PuzzleCount, ctx_.host)), QStr(NumberText(state.PuzzleNumber)), false);
    ctx_.ProcessEvents();
    const NumberAnswer read = ReadNumberAnswer(Std(answer), state.PuzzleCount);
    if (read.kind == AnswerKind::End) return 0;
    if (read.kind == AnswerKind::Chosen) return read.number;
  }
}

void FileCommands::Navigate(NavButton button, MouseButton mouse) {
  if (Busy()) return;
  PuzzleState& state = ctx_.state;
  const NavStep step = NavigationStep(button, mouse, state.PuzzleNumber, state.PuzzleCount);
  std::int32_t n = 0;
  switch (step.action) {
    case NavAction::None: return;
    case NavAction::Show: n = step.number; break;
    case NavAction::ShowRandom: n = RandomPuzzleNumber(ctx_.random.Next(), state.PuzzleCount); break;
    case NavAction::AskNumber: n = AskPuzzleNumber(); break;
  }
  if (n == 0) return;
  const std::int32_t shown = state.PuzzleNumber;
  state.PuzzleNumber = n;
  if (!display_.ReadPuzzle(QStr(state.PuzzleFileName), n)) {
    // The file changed under the program: the number stays the shown puzzle's.
    state.PuzzleNumber = shown;
    ShowReadError(QStr(state.PuzzleFileName));
    return;
  }
  w_.board->setFocus();
}

void FileCommands::Append() {
  PuzzleState& state = ctx_.state;
  if (Busy() || state.PuzzleCount == 0) return;
  const QString path = QStr(state.PuzzleFileName);
  if (!WritePuzzle(state, state.PuzzleFileName, WriteMode::Append)) {
    ShowFailure(WriteErrorText(path));
    return;
  }
  state.PuzzleCount = CountPuzzles(state.PuzzleFileName);
  ctx_.Message(tr("Puzzle# %1 added to file: %2").arg(QString::number(state.PuzzleCount), path), kMsgInformation);
  ctx_.ProcessEvents();
}

void FileCommands::Save() {
  const PuzzleState& state = ctx_.state;
  if (Busy() || state.PuzzleCount == 0) return;
  const QString path = ChooseFile(QStringLiteral("SAVE"));
  if (path.isEmpty()) return;
  if (!AppendLine(Std(path), state.PuzzleLine)) {
    ShowFailure(WriteErrorText(path));
    return;
  }
  ctx_.Message(tr("Puzzle# %1 added to file:\n%2").arg(QString::number(CountPuzzles(Std(path))), path),
               kMsgInformation);
  ctx_.ProcessEvents();
}

void FileCommands::Delete() {
  PuzzleState& state = ctx_.state;
  // Without a shown puzzle there is nothing the user could mean to delete.
  if (Busy() || state.PuzzleCount == 0) return;
  const QString path = QStr(state.PuzzleFileName);
  state.PuzzleCount = CountPuzzles(state.PuzzleFileName);
  if (state.PuzzleCount < 2) return;
  const MsgResult answer = ctx_.Message(tr("Remove current puzzle from file: %1?").arg(path), kMsgQuestion);
  ctx_.ProcessEvents();
  if (answer != MsgResult::Yes) return;

  std::int32_t n = state.PuzzleNumber;
  switch (DeletePuzzleLine(state.PuzzleFileName, n)) {
    case DeleteStatus::Ok: break;
    case DeleteStatus::CannotWrite:
      ShowFailure(WriteErrorText(path));
      return;
    case DeleteStatus::CannotRead:
    case DeleteStatus::NoSuchLine:
      ShowReadError(path);
      return;
  }
  state.PuzzleCount = CountPuzzles(state.PuzzleFileName);
  if (n > state.PuzzleCount) n = state.PuzzleCount;
  // When the puzzle that took its place cannot be read, the nearest one that
  // can is shown instead, or none, so the board never shows a puzzle the
  // file no longer holds at that number.
  const std::int32_t shown = display_.ReadNearestPuzzle(path, n);
  QString deleted;
  if (shown == 0) {
    display_.ShowNoPuzzle();
    deleted = tr("Puzzle deleted\nNo puzzle of the file could be read");
  } else if (shown != n) {
    deleted = tr("Puzzle deleted\nPuzzle %1 could not be read: puzzle %2 is shown")
                  .arg(QString::number(n), QString::number(shown));
  } else {
    deleted = tr("Puzzle deleted");
  }
  ctx_.Message(deleted, kMsgInformation);
  ctx_.ProcessEvents();
}

bool FileCommands::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == &window_ && (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop)) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedPuzzleFile(drop->mimeData());
    if (path.isEmpty() || Busy()) {
      drop->ignore();
      return true;
    }
    drop->acceptProposedAction();
    // Opened once the drop has finished, so the drag source is not kept
    // waiting through the messages an opening may show.
    if (type == QEvent::Drop)
      QMetaObject::invokeMethod(this, [this, path] { OpenFromOutside(path); }, Qt::QueuedConnection);
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kalvero
