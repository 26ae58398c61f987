// Kalvero: a single-window program for digit-placement puzzles whose clues
// are the sums of the 3-cell blocks around the grid.
#include <QApplication>
#include <QIcon>

#include "app/app_paths.h"
#include "app/main_window.h"

namespace {

// The program's icon in every size built into the program, so every window
// shows it whether or not the desktop's icon theme has it installed.
QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) icon.addFile(QStringLiteral(":/icons/%1.png").arg(size));
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kalvero::SetApplicationIdentity();
  QApplication::setWindowIcon(ProgramIcon());
  kalvero::MainWindow window(kalvero::RunningAppPaths());
  window.Start();
  window.show();
  // A puzzle file named on the command line or handed over by the desktop
  // ("Open With" Kalvero) is opened once the window is up, as Load opens
  // one: it joins the recent files, and an unreadable one is reported and
  // leaves the configured puzzle shown.
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) window.OpenPuzzleFile(args.at(1));
  return QApplication::exec();
}
