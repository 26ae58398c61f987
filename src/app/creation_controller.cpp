#include "app/creation_controller.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>

#include "ui/msg_form.h"
#include "ui/translate.h"
#include "view/std_text.h"
#include "generator/patterns.h"
#include "hint/grade.h"
#include "model/puzzle_file.h"
#include "model/text.h"
#include "ui/create_options_form.h"

namespace kalvero {

CreationController::CreationController(AppContext& ctx, PuzzleDisplay& display, QMainWindow& window)
    : QObject(&window),
      ctx_(ctx),
      display_(display),
      window_(window),
      generator_(ctx.random) {}

CreationController::~CreationController() = default;

CreationContext CreationController::MakeCreationContext(std::optional<Grade> grade) {
  CreationContext c{ctx_.state, ctx_.solver, generator_, ctx_.host, control_, Std(ctx_.paths.tempPuzzles), {}};
  c.hooks.status = [this](const std::string& text, CreationPhase) { display_.SetStatus(QStr(text)); };
  c.hooks.read = [this](const std::string& fileName, std::int32_t n) { return display_.ReadPuzzle(QStr(fileName), n); };
  tried_ = 0;
  if (!grade) return c;
  c.hooks.keep = [this, grade](const PuzzleState& puzzle) {
    ++tried_;
    return GradeOf(puzzle) == grade;
  };
  // While it searches, a graded creation says what it looks for and how
  // many puzzles it has tried; the engine's other texts pass through.
  c.hooks.status = [this, grade](const std::string& text, CreationPhase phase) {
    if (phase == CreationPhase::Searching)
      display_.SetStatus(GradedStatus(*grade));
    else
      display_.SetStatus(QStr(text));
  };
  return c;
}

QString CreationController::GradedStatus(Grade grade) const {
  const int fixed = ctx_.state.FixedCount;
  // The status label has room for three short lines: the full note is in
  // the create-options window.
  const QString text = GradeIsRare(grade, fixed)
                           //: %1 the grade, %2 the level, %3 how many puzzles have been rated.
                           ? tr("Creating a %1 %2 puzzle … %3 tried (very rare: may take minutes)")
                           //: %1 the grade, %2 the level, %3 how many puzzles have been rated.
                           : tr("Creating a %1 %2 puzzle … %3 tried");
  return text.arg(Translated(InfoOf(grade).name), Translated(LevelName(fixed)), QString::number(tried_));
}

void CreationController::RunCreation(const std::function<CreationReport()>& body) {
  creating_ = true;
  closeAfterCreation_ = false;
  control_.Reset();
  ctx_.solver.PlacementLimit = ctx_.settings.PlacementLimit;
  createEntry_->setEnabled(false);
  QApplication::setOverrideCursor(Qt::BusyCursor);
  qApp->installEventFilter(this);

  const CreationReport report = body();

  qApp->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
  createEntry_->setEnabled(true);
  creating_ = false;
  if (closeAfterCreation_) {
    window_.close();
    return;
  }
  if (report.text.isEmpty()) return;
  ctx_.Message(report.text, report.style);
  ctx_.ProcessEvents();
}

bool CreationController::eventFilter(QObject* watched, QEvent* event) {
  if (creating_ && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    Cancel();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void CreationController::Cancel() {
  if (creating_) RequestCancel(control_, ctx_.solver);
}

void CreationController::CloseWhenDone() {
  closeAfterCreation_ = true;
  Cancel();
}

void CreationController::ShowAfterCreation(bool hadPuzzle) {
  if (hadPuzzle)
    display_.ShowCurrent();
  else
    display_.ShowNoPuzzle();
}

void CreationController::CreatePuzzle(int levelIndex) {
  if (levelIndex < 0 || levelIndex >= static_cast<int>(kCreateLevels.size())) return;
  if (creating_ || !createEntry_->isEnabled()) return;
  RunCreation([&]() -> CreationReport {
    CreationContext c = MakeCreationContext(ctx_.userSettings.CreationGrade());
    const CreateResult result = CreateLevelPuzzle(c, FixedCountOfLevel(levelIndex));
    if (result.ok()) return {};
    // The engine has put back the puzzle state of before the creation.
    const bool hadPuzzle = ctx_.state.PuzzleCount > 0;
    ShowAfterCreation(hadPuzzle);
    if (result.status == CreateStatus::Cancelled) {
      if (hadPuzzle) display_.SetStatus(tr("Creation cancelled"));
      return {};
    }
    if (hadPuzzle) display_.SetStatus(QString());
    return {tr("Could not write the temporary puzzle file:\n%1").arg(ctx_.paths.tempPuzzles), kMsgError};
  });
}

CreateOptionsForm* CreationController::CreateOptions() {
  if (!optionsForm_) optionsForm_ = new CreateOptionsForm(ctx_.random, &window_);
  optionsForm_->SetColours(ctx_.scheme[kBackgroundEntry], ctx_.ControlColour(), ctx_.settings.GridColour);
  return optionsForm_;
}

void CreationController::CreateMany() {
  if (creating_ || !createEntry_->isEnabled()) return;
  CreateOptionsForm* form = CreateOptions();
  form->Prepare(ctx_.paths.folder + QStringLiteral("newpuzmulti.txt"), ctx_.paths.folder);
  form->SetGrade(ctx_.userSettings.CreationGrade());
  form->exec();
  ctx_.ProcessEvents();
  // The grade is the player's choice for every later creation, whichever
  // way the window was left.
  const std::optional<Grade> grade = form->ChosenGrade();
  if (grade != ctx_.userSettings.CreationGrade() && !ctx_.userSettings.SetCreationGrade(grade)) {
    ctx_.Message(tr("Could not save the grade in:\n%1").arg(ctx_.paths.userSettingsFile), kMsgWarning);
    ctx_.ProcessEvents();
  }
  if (!form->Accepted()) return;

  const Grid<int> pattern = form->Pattern();
  if (PatternCount(pattern) == 0) {
    ctx_.Message(tr("Fixed cells not set"), kMsgError);
    ctx_.ProcessEvents();
    return;
  }
  const std::string outFile = Std(ctx_.paths.Resolve(form->OutputFile().trimmed()));
  const int n = WholeNumber(Std(form->PuzzleCountText()), Rounding::HalfEven);
  if (n > 1 && ctx_.Message(QStr(BatchQuestionText(n, ctx_.host)), kMsgQuestion) != MsgResult::Yes)
    return;

  RunCreation([&]() -> CreationReport {
    CreationContext c = MakeCreationContext(grade);
    const BatchResult result = CreatePuzzleBatch(c, pattern, n, outFile);
    // The engine has put back the puzzle state of before the batch, the
    // player's entries with it; the batch may have added to its file.
    const bool hadPuzzle = ctx_.state.PuzzleCount > 0;
    ShowAfterCreation(hadPuzzle);
    switch (result.status) {
      case CreateStatus::Created: {
        QString report = QStr(BatchReportText(n, outFile, result.total, ctx_.host));
        if (grade) report += QStringLiteral("\r\n") + tr("Puzzles tried: %1").arg(QString::number(tried_));
        return {report, kMsgInformation};
      }
      case CreateStatus::Cancelled:
        if (hadPuzzle)
          display_.SetStatus(tr("Creation cancelled after %1 puzzles").arg(QString::number(result.created)));
        return {};
      case CreateStatus::FileError:
        break;
    }
    return {tr("Could not write the puzzle file:\n%1").arg(QStr(outFile)), kMsgError};
  });
}

}  // namespace kalvero
