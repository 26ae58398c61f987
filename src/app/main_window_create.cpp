// Form1's puzzle creation: one puzzle from the Create menu or the create
// button, and batches from the create-options window. The creation runs on
// this thread and lets window events through at its yields; Escape or a
// close request cancels it after the current attempt.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>

#include "app/main_window.h"
#include "app/std_text.h"
#include "generator/patterns.h"
#include "model/puzzle_file.h"
#include "model/text.h"
#include "ui/create_options_form.h"
#include "view/board_view.h"

namespace kalvero {

CreationContext MainWindow::MakeCreationContext() {
  CreationContext ctx{state_, solver_, generator_, host_, creationControl_, paths_.tempPuzzles.toStdString(), {}};
  ctx.hooks.status = [this](const std::string& text) { statusLabel_->setText(QStr(text)); };
  ctx.hooks.read = [this](const std::string& fileName, std::int32_t n) {
    bool failed = true;
    ReadPuzzle(QStr(fileName), n, failed);
    return !failed;
  };
  return ctx;
}

template <typename Body>
void MainWindow::RunCreation(Body&& body) {
  creating_ = true;
  closeAfterCreation_ = false;
  creationControl_.Reset();
  solver_.PlacementLimit = settings_.PlacementLimit;
  mnucreateone_->setEnabled(false);
  QApplication::setOverrideCursor(Qt::BusyCursor);
  qApp->installEventFilter(this);

  body();

  qApp->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
  mnucreateone_->setEnabled(true);
  creating_ = false;
  if (closeAfterCreation_) close();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (creating_ && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    CancelCreation();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::CancelCreation() {
  if (creating_) RequestCancel(creationControl_, solver_);
}

void MainWindow::CreatePuzzle(int levelIndex) {
  if (levelIndex < 0 || levelIndex >= static_cast<int>(kCreateLevels.size())) return;
  if (creating_ || !mnucreateone_->isEnabled()) return;
  RunCreation([&] {
    CreationContext ctx = MakeCreationContext();
    const CreateResult result = CreateLevelPuzzle(ctx, FixedCountOfLevel(levelIndex));
    if (result.ok()) return;
    // The puzzle shown before the creation is back in the state; show it again.
    if (state_.PuzzleCount > 0) {
      RedrawBoard();
      ShowPuzzleLabels();
    }
    if (result.status == CreateStatus::Cancelled) {
      SetStatus(QStringLiteral("Creation cancelled"));
    } else {
      SetStatus(QString());
      Message(QStringLiteral("Could not write the temporary puzzle file:\n") + paths_.tempPuzzles,
              QStringLiteral("vbok+vbcritical"));
    }
  });
}

CreateOptionsForm* MainWindow::CreateOptions() {
  if (!form3_) form3_ = new CreateOptionsForm(random_, this);
  form3_->SetColours(scheme_[kBackgroundEntry], scheme_[controlColourIndex_], settings_.GridColour);
  return form3_;
}

void MainWindow::CreateMany() {
  if (creating_ || !mnucreateone_->isEnabled()) return;
  CreateOptionsForm* form = CreateOptions();
  form->Prepare(paths_.folder + QStringLiteral("newpuzmulti.txt"), paths_.folder);
  form->exec();
  ProcessEvents();
  if (form->Tag().isEmpty()) return;

  const Grid<int> pattern = form->Pattern();
  if (PatternCount(pattern) == 0) {
    Message(QStringLiteral("Fixed cells not set"), QStringLiteral("vbcritical+vbok"));
    ProcessEvents();
    return;
  }
  const std::string outFile = paths_.Resolve(form->OutputFile().trimmed()).toStdString();
  const int n = WholeNumber(form->PuzzleCountText());
  if (n > 1) {
    const int answer = Message(QStr(BatchQuestionText(n)), QStringLiteral("vbquestion+vbyesno"));
    if (answer != static_cast<int>(MsgResult::Yes)) return;
  }

  RunCreation([&] {
    CreationContext ctx = MakeCreationContext();
    const BatchResult result = CreatePuzzleBatch(ctx, pattern, n, outFile);
    if (!result.previousShown) {
      // The shown file has no puzzles left (or the batch made none): keep
      // the board consistent with the state.
      RedrawBoard();
      ShowPuzzleLabels();
    }
    switch (result.status) {
      case CreateStatus::Created:
        Message(QStr(BatchReportText(n, outFile, result.total)), QStringLiteral("vbinformation+vbok"));
        ProcessEvents();
        break;
      case CreateStatus::Cancelled:
        SetStatus(QStringLiteral("Creation cancelled after") + QStr(NumberText(result.created)) +
                  QStringLiteral(" puzzles"));
        break;
      case CreateStatus::FileError:
        Message(QStringLiteral("Could not write the puzzle file:\n") + QStr(outFile), QStringLiteral("vbok+vbcritical"));
        break;
    }
  });
}

}  // namespace kalvero
