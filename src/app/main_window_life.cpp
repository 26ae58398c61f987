// Form1's life: start-up in its fixed order, the configuration file, and the
// two ways of ending the program (both keep the entries on the board for the
// next start).
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>

#include "app/creation_controller.h"
#include "app/main_window.h"
#include "app/play_controller.h"
#include "app/puzzle_display.h"
#include "app/recent_menu.h"
#include "app/scheme_styler.h"
#include "app/user_settings.h"
#include "ui/fitted_label.h"
#include "ui/msg_form.h"
#include "view/std_text.h"
#include "model/puzzle_file.h"
#include "model/text.h"

namespace kalvero {

void MainWindow::Start() {
  PuzzleState& state = ctx_.state;
  state.FixedCount = 7;
  // The level list starts at "Very Easy"; the level label stays empty until
  // a puzzle is read.
  widgets_.levelList->setCurrentIndex(widgets_.levelList->findData(QLatin1String(LevelName(state.FixedCount))));
  ctx_.settings.GridColour = ctx_.settings.NumbersColour = kBlack;
  styler_->StyleMessageBoxForStart();

  ctx_.schemeNames = SchemeNames(Std(ctx_.paths.schemeList));
  LoadConfiguration();
  ctx_.highlights = ctx_.userSettings.Highlights();
  styler_->ApplyScheme(ctx_.settings.SchemeFile);

  for (int cell = 1; cell <= kCellCount; ++cell) {
    state.CellCandidates[cell] = 0;
    state.FixedMark[cell] = false;
  }

  state.PuzzleFileName = Std(ctx_.paths.Resolve(QStr(ctx_.settings.PuzzleFileName)));
  state.PuzzleNumber = ctx_.settings.PuzzleNumber;
  widgets_.fileLabel->SetFullText(QString());
  widgets_.fileLabel->setToolTip(QString());
  if (!FileExists(state.PuzzleFileName)) {
    state.PuzzleFileName = Std(ctx_.paths.Resolve(QStringLiteral("puzzles.txt")));
    state.PuzzleNumber = 1;
  }
  state.PuzzleCount = CountPuzzles(state.PuzzleFileName);
  // A configured number beyond a file that has since shrunk opens its first puzzle.
  if (state.PuzzleNumber < 1 || state.PuzzleNumber > state.PuzzleCount) state.PuzzleNumber = 1;

  if (state.PuzzleCount == 0) {
    display_->ShowNoPuzzle();
    return;
  }
  // A line that cannot be read (or a file that changed since the last run)
  // gives way to the nearest puzzle of the file that can.
  const std::int32_t wanted = state.PuzzleNumber;
  const std::int32_t shown = display_->ReadNearestPuzzle(QStr(state.PuzzleFileName), wanted);
  if (shown == wanted) play_->ResumeEntries();
  if (shown != 0) return;
  ctx_.Message(ReadErrorText(QStr(state.PuzzleFileName)), kMsgError);
  ctx_.ProcessEvents();
  display_->ShowNoPuzzle();
}

void MainWindow::LoadConfiguration() {
  Settings& settings = ctx_.settings;
  const QString& path = ctx_.paths.configFile;
  int error = 0;
  const ConfigStatus status = ReadConfig(Std(path), settings, error);
  if (status != ConfigStatus::Loaded) {
    // A new file with the defaults is written only where nothing would be
    // lost: in place of a missing file, or of a malformed one once it is
    // kept beside it so its recent files and settings can be recovered by
    // hand. An unreadable one (a folder, no permission) is left as it is.
    bool writeDefaults = ctx_.paths.settingsWritable;
    QString text = tr("Configuration file not found ...\nA new file will be created");
    if (status == ConfigStatus::Malformed) {
      const std::string kept = KeepBadConfig(Std(path));
      writeDefaults = writeDefaults && !kept.empty();
      text = kept.empty()
                 ? tr("The configuration file could not be read:\n%1\nThe default settings are used").arg(path)
                 : tr("The configuration file could not be read and was kept as:\n%1\nA new file will be created")
                       .arg(QStr(kept));
    } else if (status == ConfigStatus::Unreadable) {
      writeDefaults = false;
      //: %1 the file, %2 the system's reason.
      text = tr("Could not read the configuration file:\n%1\n%2\nThe default settings are used")
                 .arg(path, QStr(FileErrorText(error, ctx_.host)));
    }
    ctx_.Message(text, kMsgWarning);
    ctx_.ProcessEvents();
    const RecentFiles keptCaptions = settings.recent;
    settings = DefaultSettings();
    settings.recent.caption = keptCaptions.caption;
    settings.recent.visible.fill(false);
    settings.recent.separatorVisible = false;
    if (writeDefaults && !WriteFileAtomically(Std(path), DefaultConfigText()))
      ctx_.Message(tr("Could not write the configuration file:\n%1").arg(path), kMsgError);
  }
  // Said once here; saving later stays quiet instead of failing each time.
  if (!ctx_.paths.settingsWritable)
    ctx_.Message(tr("Settings cannot be saved ...\nNeither the program folder nor the data folder can be written"),
                 kMsgWarning);
  widgets_.fileLabel->SetFullText(QStr(settings.PuzzleFileName));
  ShowRecentFiles(*this, settings.recent);
}


bool MainWindow::SaveConfig() {
  if (!ctx_.paths.settingsWritable) return false;
  Settings& settings = ctx_.settings;
  settings.PuzzleNumber = ctx_.state.PuzzleNumber;
  // A puzzle file inside the application folder is kept by its plain name,
  // so the configuration stays valid when the folder moves.
  QString puzzleFile = QStr(ctx_.state.PuzzleFileName);
  if (puzzleFile.startsWith(ctx_.paths.folder)) puzzleFile = puzzleFile.mid(ctx_.paths.folder.size());
  settings.PuzzleFileName = Std(puzzleFile);
  if (kalvero::SaveConfig(Std(ctx_.paths.configFile), settings)) return true;
  ctx_.Message(tr("Could not write the configuration file:\n%1").arg(ctx_.paths.configFile), kMsgError);
  return false;
}

void MainWindow::Exit() {
  const MsgResult answer = ctx_.Message(tr("Exit?"), kMsgQuestion);
  ctx_.ProcessEvents();
  if (answer != MsgResult::Yes) return;
  SaveConfig();
  CloseAllWindows();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A close request during a creation first lets the creation unwind; the
  // window closes when it has.
  if (creation_->Creating()) {
    creation_->CloseWhenDone();
    event->ignore();
    return;
  }
  // Any close request ends the program without asking and without saving.
  event->accept();
  CloseAllWindows();
}

void MainWindow::CloseAllWindows() {
  if (creation_->Creating()) {
    creation_->CloseWhenDone();
    return;
  }
  if (closingAll_) return;
  closingAll_ = true;
  if (!play_->KeepEntries())
    ctx_.Message(tr("Could not keep the unfinished entries in:\n%1").arg(ctx_.paths.unfinishedFile), kMsgError);
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window != this && window->isVisible()) window->close();
  close();
  QApplication::quit();
}

}  // namespace kalvero
