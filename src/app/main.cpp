// Kalvero: a single-window program for digit-placement puzzles whose clues
// are the sums of the 3-cell blocks around the grid.
#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QIcon>
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app/app_paths.h"
#include "app/command_line.h"
#include "app/language.h"
#include "app/main_window.h"

namespace {

// The program's icon in every size built into the program, so every window
// shows it whether or not the desktop's icon theme has it installed.
QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) icon.addFile(QStringLiteral(":/icons/%1.png").arg(size));
  return icon;
}

std::vector<std::string> Arguments(const QStringList& args) {
  std::vector<std::string> out;
  for (qsizetype i = 1; i < args.size(); ++i) out.push_back(args.at(i).toStdString());
  return out;
}

// Prints a request's text and returns its exit code, or -1 to open the window.
int Answer(const kalvero::StartRequest& request) {
  switch (request.action) {
    case kalvero::StartAction::OpenWindow: return -1;
    case kalvero::StartAction::PrintText: std::cout << request.text << std::flush; return std::cout ? 0 : 1;
    case kalvero::StartAction::UsageError: std::cerr << request.text; return 2;
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  // --version and --help are answered before Qt looks for a display.
  std::vector<std::string> raw(argv + std::min(argc, 1), argv + argc);
  const kalvero::StartRequest early = kalvero::ReadCommandLine(raw);
  if (early.action == kalvero::StartAction::PrintText) return Answer(early);

  QApplication app(argc, argv);
  // Qt has taken its own options (-platform, -style ...) out of the list.
  const kalvero::StartRequest request = kalvero::ReadCommandLine(Arguments(QApplication::arguments()));
  if (const int code = Answer(request); code >= 0) return code;
  kalvero::SetApplicationIdentity();
  QApplication::setWindowIcon(ProgramIcon());
  // The language is chosen before any window exists, so every text is made
  // in it; an explicit --lang also sets the locale numbers are shown in.
  const QLocale locale = kalvero::ChosenLocale(request.language);
  if (!request.language.empty()) QLocale::setDefault(locale);
  kalvero::AppPaths paths = kalvero::RunningAppPaths();
  // Translations and help pages are shipped beside the English help page.
  const QString shipped = QFileInfo(paths.helpPage).absolutePath() + QLatin1Char('/');
  if (kalvero::InstallTranslations(app, locale, shipped))
    paths.helpPage = kalvero::HelpPageFor(shipped, locale, paths.helpPage);
  kalvero::MainWindow window(paths);
  window.Start();
  // The whole layout at its natural size, as far as the screen allows: Qt
  // would otherwise cap a new window at two thirds of the screen, which at a
  // large scale factor shrinks the board and leaves bands beside it.
  if (const QScreen* screen = window.screen())
    window.resize(window.sizeHint().boundedTo(screen->availableGeometry().size()));
  window.show();
  // A puzzle file named on the command line or handed over by the desktop
  // ("Open With" Kalvero) is opened once the window is up, as Load opens
  // one: it joins the recent files, and an unreadable one is reported and
  // leaves the configured puzzle shown.
  if (!request.file.empty()) window.OpenPuzzleFile(QString::fromStdString(request.file));
  return QApplication::exec();
}
