// Form1's life: start-up, reading a puzzle, colour schemes, saving the
// configuration and the two ways of ending the program.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "app/client_area.h"
#include "app/main_window.h"
#include "app/std_text.h"
#include "model/puzzle_file.h"
#include "model/text.h"
#include "ui/box_control.h"
#include "ui/msg_form.h"
#include "view/board_view.h"
#include "view/qt_colour.h"

namespace kalvero {

int MainWindow::Message(const QString& text, const QString& style) { return MsgboxA(this, text, style); }

BoardColours MainWindow::Colours() const {
  return {settings_.GridColour, settings_.NumbersColour, settings_.PencilColour, scheme_[kBackgroundEntry],
          scheme_[controlColourIndex_]};
}

void MainWindow::Start() {
  state_.FixedCount = 7;
  levelList_->addItems({QStringLiteral("Very Easy"), QStringLiteral("Easy"), QStringLiteral("Hard")});
  ShowLevel(7);
  settings_.GridColour = settings_.NumbersColour = kBlack;

  schemeNames_ = SchemeNames(Std(paths_.schemeList));

  if (!LoadConfig(Std(paths_.configFile), settings_)) {
    Message(QStringLiteral("Configuration file not found ...\nA new file will be created"),
            QStringLiteral("vbok+vbexclamation"));
    ProcessEvents();
    const RecentFiles keptCaptions = settings_.recent;
    settings_ = DefaultSettings();
    settings_.recent.caption = keptCaptions.caption;
    settings_.recent.visible.fill(false);
    settings_.recent.separatorVisible = false;
    if (!WriteFileAtomically(Std(paths_.configFile), DefaultConfigText()))
      Message(QStringLiteral("Could not write the configuration file:\n") + paths_.configFile,
              QStringLiteral("vbok+vbcritical"));
  }
  fileLabel_->setText(QStr(settings_.PuzzleFileName));
  ShowRecentFiles();
  ApplyScheme(settings_.SchemeFile);

  for (int cell = 1; cell <= kCellCount; ++cell) {
    state_.CellCandidates[cell] = 0;
    state_.FixedMark[cell] = false;
  }

  state_.PuzzleFileName = Std(paths_.Resolve(QStr(settings_.PuzzleFileName)));
  state_.PuzzleNumber = settings_.PuzzleNumber;
  fileLabel_->clear();
  fileLabel_->setToolTip(QString());
  if (!FileExists(state_.PuzzleFileName)) {
    state_.PuzzleFileName = Std(paths_.Resolve(QStringLiteral("puzzles.txt")));
    state_.PuzzleNumber = 1;
  }
  state_.PuzzleCount = CountPuzzles(state_.PuzzleFileName);
  // A configured number beyond a file that has since shrunk opens its first puzzle.
  if (state_.PuzzleNumber < 1 || state_.PuzzleNumber > state_.PuzzleCount) state_.PuzzleNumber = 1;

  if (state_.PuzzleCount != 0) {
    bool failed = false;
    ReadPuzzle(QStr(state_.PuzzleFileName), state_.PuzzleNumber, failed);
    if (failed) {
      Message(QStringLiteral("Puzzle file not found:\n") + QStr(state_.PuzzleFileName),
              QStringLiteral("vbok+vbcritical"));
      ProcessEvents();
      DrawEmptyGrid();
      SetStatus(QStringLiteral("Click Create button for a new puzzle ..."));
    }
  } else {
    DrawEmptyGrid();
    SetStatus(QStringLiteral("Click Create for a new puzzle ..."));
  }
}

void MainWindow::ReadPuzzle(const QString& fileName, std::int32_t n, bool& failed) {
  if (state_.PuzzleCount == 0) {
    Message(fileName + QStringLiteral(" does not appear to have any puzzles...\nPlease check data format"),
            QStringLiteral("vbok+vbcritical"));
    ProcessEvents();
    return;
  }
  SetStatus(QStringLiteral("Reading a puzzle ..."));
  levelLabel_->clear();
  const ReadResult result = kalvero::ReadPuzzle(state_, Std(fileName), n);
  if (!result.ok()) {
    failed = true;
    levelLabel_->setText(QLatin1String(LevelName(state_.FixedCount)));
    return;
  }
  RedrawBoard();
  ShowPuzzleLabels();
  failed = false;
  SetStatus(QStringLiteral("Puzzle read"));
}

void MainWindow::ShowPuzzleLabels() {
  fileLabel_->setText(QStr(std::string(BaseName(state_.PuzzleFileName))));
  fileLabel_->setToolTip(QStr(state_.PuzzleFileName));
  numberLabel_->setText(QStringLiteral("p#") + QStr(NumberText(state_.PuzzleNumber)) + QStringLiteral(" of") +
                        QStr(NumberText(state_.PuzzleCount)));
  ShowLevel(state_.FixedCount);
}

void MainWindow::RedrawBoard() {
  kalvero::RedrawBoard(board_->Surface(), board_->Geometry(), state_, Colours());
  board_->Changed();
}

void MainWindow::DrawEmptyGrid() {
  RecordingSurface& surface = board_->Surface();
  surface.Clear(scheme_[kBackgroundEntry]);
  DrawGrid(surface, board_->Geometry(), settings_.GridColour);
  board_->Changed();
}

void MainWindow::ApplyScheme(const std::string& name) {
  if (!LoadScheme(Std(paths_.schemeList), name, scheme_)) {
    Message(QStringLiteral("Colour Scheme: ") + QStr(name) + QStringLiteral(" not found"),
            QStringLiteral("vbok+vbexclamation"));
    ProcessEvents();
    ProcessEvents();
    settings_.SchemeFile = "xp.col";
  }
  controlColourIndex_ = kControlEntry;
  if (settings_.SchemeColour13 > 0) scheme_[kControlEntry] = settings_.SchemeColour13;
  scheme_[kUserControlEntry] = settings_.SchemeColour13;

  const QColor background = ToQColor(scheme_[kBackgroundEntry]);
  const QColor control = ToQColor(scheme_[controlColourIndex_]);
  if (PaintsMenuBar(settings_.SchemeFile)) {
    const QString menuColour = ToQColor(scheme_[kMenuBarEntry]).name();
    menuBar()->setStyleSheet(QStringLiteral("QMenuBar { background-color: %1; } QMenu { background-color: %1; }")
                                 .arg(menuColour));
  } else {
    menuBar()->setStyleSheet(QString());
  }

  QFont messageFont(QStringLiteral("Ariel"), 9);
  messageFont.setBold(false);
  MessageForm(*this).SetAppearance(background, control, messageFont, ToQColor(kDarkColour));

  QPalette windowPalette = palette();
  windowPalette.setColor(QPalette::Window, background);
  client_->setPalette(windowPalette);
  for (QLabel* label : {fileLabel_, numberLabel_, levelLabel_, statusLabel_}) {
    QPalette p = label->palette();
    p.setColor(QPalette::Window, background);
    label->setPalette(p);
  }
  for (QWidget* box : {static_cast<QWidget*>(levelList_), static_cast<QWidget*>(pencilValue_)}) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, control);
    p.setColor(QPalette::Button, control);
    box->setPalette(p);
  }
  for (BoxControl* button : buttons_) button->SetBackColor(control);
}

bool MainWindow::SaveConfig() {
  settings_.PuzzleNumber = state_.PuzzleNumber;
  // A puzzle file inside the application folder is kept by its plain name,
  // so the configuration stays valid when the folder moves.
  QString puzzleFile = QStr(state_.PuzzleFileName);
  if (puzzleFile.startsWith(paths_.folder)) puzzleFile = puzzleFile.mid(paths_.folder.size());
  settings_.PuzzleFileName = Std(puzzleFile);
  for (int i = 0; i < kRecentFileCount; ++i) settings_.recent.caption[i] = Std(recent_[i]->text());
  if (kalvero::SaveConfig(Std(paths_.configFile), settings_)) return true;
  Message(QStringLiteral("Could not write the configuration file:\n") + paths_.configFile,
          QStringLiteral("vbok+vbcritical"));
  return false;
}

void MainWindow::Exit() {
  const int answer = Message(QStringLiteral("Exit?"), QStringLiteral("vbYesNo+vbquestion"));
  ProcessEvents();
  if (answer != static_cast<int>(MsgResult::Yes)) return;
  SaveConfig();
  CloseAllWindows();
}

}  // namespace kalvero
