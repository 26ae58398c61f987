#pragma once
// FNDialog: a small button whose owner asks it for a file name. GetFileName
// opens the system's open-file or save-file dialog with the filter, title and
// start folder set in the control's properties, and leaves the process's
// working folder as it found it.
#include <QString>
#include <functional>

#include "ui/box_control.h"

namespace kalvero {

// What the file dialog is asked to show.
struct FileDialogRequest {
  bool save = false;     // save dialog, else open dialog
  QWidget* owner = nullptr;
  QString title;
  QString startPath;     // start folder with a trailing "/", plus the default name when given
  QString filter;        // "Kalvero Files (*.txt)"
};

// Shows the dialog and returns the chosen path, "" when cancelled.
using FileDialogRunner = std::function<QString(const FileDialogRequest&)>;

class FNDialog : public BoxControl {
  Q_OBJECT

 public:
  explicit FNDialog(QWidget* parent = nullptr);

  QString FileTypes() const { return fileTypes_; }
  void SetFileTypes(const QString& patterns) { fileTypes_ = patterns; }
  QString FileTypesName() const { return fileTypesName_; }
  void SetFileTypesName(const QString& name) { fileTypesName_ = name; }
  QString Title() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }
  QString DefaultDir() const { return defaultDir_; }
  void SetDefaultDir(const QString& folder) { defaultDir_ = folder; }

  // Replaces the system dialog, for tests and scripted use; an empty runner
  // restores the system dialog.
  void SetDialogRunner(FileDialogRunner runner) { runner_ = std::move(runner); }

  // mode "SAVE" (any case) asks where to save, anything else which file to
  // open. Returns the chosen path trimmed, or "" when cancelled.
  QString GetFileName(const QString& mode, const QString& defaultName = {});

  // The program's puzzle-file question: "Kalvero Files (*.txt)" starting in
  // `folder`, for opening or for saving (mode as GetFileName). A chosen name
  // with no "." anywhere is a puzzle file named without its extension and
  // gets ".txt". "" when cancelled.
  QString ChoosePuzzleFile(const QString& mode, const QString& folder);

 private:
  QString fileTypes_;
  QString fileTypesName_;
  QString title_;
  QString defaultDir_;
  FileDialogRunner runner_;
};

// The system's own open-file or save-file dialog.
QString RunSystemFileDialog(const FileDialogRequest& request);

}  // namespace kalvero
