// Kalvero: a single-window program for digit-placement puzzles whose clues
// are the sums of the 3-cell blocks around the grid.
#include <QApplication>

#include "app/app_paths.h"
#include "app/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kalvero"));
  QApplication::setOrganizationName(QStringLiteral("Kalvero"));
  kalvero::MainWindow window(kalvero::RunningAppPaths());
  window.Start();
  window.show();
  return QApplication::exec();
}
