#include "ui/fn_dialog.h"

#include <QDir>
#include <QFileDialog>

namespace kalvero {

FNDialog::FNDialog(QWidget* parent) : BoxControl(QStringLiteral("..."), parent) {}

QString RunSystemFileDialog(const FileDialogRequest& request) {
  // A file chosen to save into is appended to, never replaced, so the
  // dialog asks no question about replacing it.
  if (request.save)
    return QFileDialog::getSaveFileName(request.owner, request.title, request.startPath, request.filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
  return QFileDialog::getOpenFileName(request.owner, request.title, request.startPath, request.filter);
}

QString FNDialog::GetFileName(const QString& mode, const QString& defaultName) {
  // A dialog may move the working folder when the user browses; callers
  // rely on relative paths staying where they were.
  const QString workingFolder = QDir::currentPath();

  FileDialogRequest request;
  request.save = mode.toUpper() == QLatin1String("SAVE");
  request.owner = window();
  request.title = title_;
  if (!fileTypes_.isEmpty()) request.filter = fileTypesName_ + QStringLiteral(" (") + fileTypes_ + QLatin1Char(')');
  request.startPath = defaultDir_;
  if (!request.startPath.isEmpty() && !request.startPath.endsWith(QLatin1Char('/'))) request.startPath += QLatin1Char('/');
  request.startPath += defaultName.trimmed();

  QString chosen = runner_ ? runner_(request) : RunSystemFileDialog(request);
  const qsizetype nul = chosen.indexOf(QChar(0));
  if (nul >= 0) chosen.truncate(nul);
  chosen = chosen.trimmed();

  QDir::setCurrent(workingFolder);
  return chosen;
}

QString FNDialog::ChoosePuzzleFile(const QString& mode, const QString& folder) {
  SetTitle(QStringLiteral("Kalvero"));
  SetFileTypes(QStringLiteral("*.txt"));
  SetFileTypesName(tr("Kalvero Files"));
  SetDefaultDir(folder);
  QString path = GetFileName(mode);
  if (!path.isEmpty() && !path.contains(QLatin1Char('.'))) path += QStringLiteral(".txt");
  return path;
}

}  // namespace kalvero
