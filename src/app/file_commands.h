#pragma once
// The puzzle file commands of the main window: the Load button, the
// recent-file entries, the three navigation buttons and the Puzzle menu's
// Append, Save and Delete, plus a file given on the command line or dropped
// on the window. All of them do nothing while a creation runs, since a
// creation reads and writes the same files and replaces the shown puzzle.
#include <QObject>
#include <QString>

#include "app/app_context.h"
#include "app/main_widgets.h"
#include "model/navigation.h"

class QAction;
class QMainWindow;

namespace kalvero {

class CreationController;
class FNDialog;
class PuzzleDisplay;

class FileCommands : public QObject {
  Q_OBJECT
 public:
  // Connects the Load and navigation buttons and accepts dropped .txt files
  // on the window; the window's menu calls the other commands.
  FileCommands(AppContext& ctx, const MainWidgets& widgets, PuzzleDisplay& display, const CreationController& creation,
               QMainWindow& window);

  // Makes path the current puzzle file and shows its first readable puzzle,
  // putting the path at the head of the recent files. A missing or
  // unreadable file, or one with no puzzles, is reported and changes
  // nothing: the shown puzzle, the entries and the undo list stay; returns
  // false then.
  bool OpenPuzzleFile(const QString& path);

  // A file named on the command line or dropped on the window: a relative
  // name is taken from the current directory. Refused while a creation runs.
  void OpenFromOutside(const QString& path);

  // The Load button: a file chosen in the open dialog; a name with no "."
  // gets ".txt".
  void Load();
  // The recent-file entry `index` (0..4) of the File menu; a missing file
  // only reports itself in the status text.
  void OpenRecent(int index);
  // A navigation button released with the left or right mouse button.
  void Navigate(NavButton button, MouseButton mouse);
  // Puzzle > Append: the current puzzle added to the current file.
  void Append();
  // Puzzle > Save: the current puzzle's line added to a file chosen in the
  // save dialog; the current file stays.
  void Save();
  // Puzzle > Delete: after a Yes, the current puzzle removed from its file
  // (never the last one) and the puzzle that followed it shown.
  void Delete();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Busy() const;
  QString ChooseFile(const QString& mode);
  std::int32_t AskPuzzleNumber();
  void ShowReadError(const QString& path);
  // The message for a puzzle file that could not be written.
  QString WriteErrorText(const QString& path) const;
  void ShowFailure(const QString& text);

  AppContext& ctx_;
  const MainWidgets& w_;
  PuzzleDisplay& display_;
  const CreationController& creation_;
  QMainWindow& window_;
  FNDialog* gf1_;  // the hidden file-dialog control
};

}  // namespace kalvero
