#include "app/puzzle_display.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

#include "ui/fitted_label.h"
#include "ui/msg_form.h"
#include "view/std_text.h"
#include "hint/grade.h"
#include "model/puzzle_file.h"
#include "model/text.h"
#include "view/board_view.h"
#include "ui/translate.h"

namespace kalvero {

bool PuzzleDisplay::ReadPuzzle(const QString& fileName, std::int32_t n) {
  if (ctx_.state.PuzzleCount == 0) {
    ctx_.Message(
        QCoreApplication::translate("Kalvero", "%1 does not appear to have any puzzles...\nPlease check data format")
            .arg(fileName),
        kMsgError);
    ctx_.ProcessEvents();
    return false;
  }
  const QString level = w_.levelLabel->text();
  SetStatus(QCoreApplication::translate("Kalvero", "Reading a puzzle ..."));
  w_.levelLabel->clear();
  const ReadResult result = kalvero::ReadPuzzle(ctx_.state, Std(fileName), n);
  if (!result.ok()) {
    // The shown puzzle stays as it was, labels included; the status says
    // which puzzle could not be read.
    w_.levelLabel->setText(level);
    SetStatus(QCoreApplication::translate("Kalvero", "Puzzle %1 could not be read").arg(QString::number(n)));
    return false;
  }
  RedrawBoard();
  ShowPuzzleLabels();
  PuzzleChanged();
  SetStatus(QCoreApplication::translate("Kalvero", "Puzzle read"));
  return true;
}

QString ReadErrorText(const QString& fileName) {
  return QCoreApplication::translate("Kalvero", "Error in reading File:\n%1\nPlease check data format").arg(fileName);
}

std::int32_t PuzzleDisplay::ReadNearestPuzzle(const QString& fileName, std::int32_t n) {
  if (ReadPuzzle(fileName, n)) return n;
  if (ctx_.state.PuzzleCount == 0) return 0;
  const std::int32_t nearest = NearestReadablePuzzle(Std(fileName), n);
  if (nearest == 0 || !ReadPuzzle(fileName, nearest)) return 0;
  SetStatus(QCoreApplication::translate("Kalvero", "Puzzle %1 could not be read: puzzle %2 is shown")
                .arg(QString::number(n), QString::number(nearest)));
  return nearest;
}

void PuzzleDisplay::ShowPuzzleLabels() {
  const PuzzleState& state = ctx_.state;
  w_.fileLabel->SetFullText(QStr(std::string(BaseName(state.PuzzleFileName))));
  w_.fileLabel->setToolTip(QStr(state.PuzzleFileName));
  //: The puzzle's number in its file and the file's count of puzzles.
  w_.numberLabel->SetFullText(QCoreApplication::translate("Kalvero", "p# %1 of %2")
                                  .arg(QString::number(state.PuzzleNumber), QString::number(state.PuzzleCount)));
  ShowLevel(state.FixedCount);
  // The grade takes a fraction of a millisecond to find, so it is found
  // here, with the puzzle.
  const QString grade = QStr(GradeDescription(RatePuzzle(state), ctx_.host));
  w_.levelLabel->setToolTip(grade);
  w_.levelLabel->setAccessibleDescription(grade);
}

void PuzzleDisplay::ShowLevel(int fixedCount) {
  const char* name = LevelName(fixedCount);
  w_.levelList->setCurrentIndex(w_.levelList->findData(QLatin1String(name)));
  w_.levelLabel->setText(Translated(name));
}

void PuzzleDisplay::SetStatus(const QString& text) { w_.statusLabel->SetFullText(text); }

void PuzzleDisplay::RedrawBoard() {
  kalvero::RedrawBoard(w_.board->Surface(), w_.board->Geometry(), ctx_.state, ctx_.Colours());
  w_.board->Changed();
}

void PuzzleDisplay::DrawEmptyGrid() {
  RecordingSurface& surface = w_.board->Surface();
  surface.Clear(ctx_.scheme[kBackgroundEntry]);
  DrawGrid(surface, w_.board->Geometry(), ctx_.settings.GridColour);
  w_.board->Changed();
}

void PuzzleDisplay::ShowCurrent() {
  RedrawBoard();
  ShowPuzzleLabels();
}

void PuzzleDisplay::ShowNoPuzzle() {
  ctx_.state.PuzzleCount = 0;
  DrawEmptyGrid();
  for (FittedLabel* label : {w_.fileLabel, w_.numberLabel}) label->SetFullText(QString());
  w_.fileLabel->setToolTip(QString());
  w_.levelLabel->clear();
  w_.levelLabel->setToolTip(QString());
  w_.levelLabel->setAccessibleDescription(QString());
  SetStatus(QCoreApplication::translate("Kalvero", "Click Create for a new puzzle ..."));
  PuzzleChanged();
}

}  // namespace kalvero
