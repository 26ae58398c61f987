#pragma once
// Puzzle creation from the window: one puzzle from the Create menu or the
// create button, and batches from the create-options window. The creation
// runs on this thread and lets window events through at its yields; Escape
// or a close request cancels it after the current attempt. While it runs the
// Create entry is disabled and the busy pointer shows; every other part of
// the window asks Creating() before it acts.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "app/app_context.h"
#include "app/puzzle_display.h"
#include "generator/creation.h"
#include "generator/generator.h"

class QAction;
class QMainWindow;

namespace kalvero {

class CreateOptionsForm;

class CreationController : public QObject {
  Q_OBJECT
 public:
  CreationController(AppContext& ctx, PuzzleDisplay& display, QMainWindow& window);
  ~CreationController() override;

  // The Create menu entry, disabled while a creation runs.
  void SetCreateEntry(QAction* entry) { createEntry_ = entry; }

  // Creates one verified puzzle of level index 0 "Very Easy", 1 "Easy" or
  // 2 "Hard" and shows it; other indices and a running creation do nothing.
  void CreatePuzzle(int levelIndex);

  // Batch creation: asks for a pattern, a count and an output file in the
  // create-options window, then appends that many verified puzzles.
  void CreateMany();

  // Asks a running creation to stop after its current attempt.
  void Cancel();

  // True while a single or batch creation runs.
  bool Creating() const { return creating_; }

  // A close request during a creation: cancel, and close the window once
  // the creation has unwound.
  void CloseWhenDone();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A message to give once a creation has ended; none when the text is empty.
  struct CreationReport {
    QString text;
    QString style;
  };
  // Runs a creation with the Create entry disabled, the busy pointer shown
  // and Escape cancelling it. The body's report is shown once the window is
  // back to normal (so Escape works in the report's message box).
  void RunCreation(const std::function<CreationReport()>& body);
  // The context of a creation keeping only puzzles of `grade`, when set.
  CreationContext MakeCreationContext(std::optional<Grade> grade);
  // "Creating a Tough Hard puzzle … 312 tried", with a short note when the
  // grade is very rare at the level.
  QString GradedStatus(Grade grade) const;
  CreateOptionsForm* CreateOptions();
  // After a cancelled or failed creation: the puzzle shown before, or the
  // empty board when there was none.
  void ShowAfterCreation(bool hadPuzzle);

  AppContext& ctx_;
  PuzzleDisplay& display_;
  QMainWindow& window_;
  Generator generator_;
  CreationControl control_;
  QAction* createEntry_ = nullptr;
  bool creating_ = false;
  bool closeAfterCreation_ = false;
  QPointer<CreateOptionsForm> optionsForm_;
  int tried_ = 0;  // puzzles the running graded creation has rated
};

}  // namespace kalvero
