// Form1's composition: the shared state, the parts, the client area, the
// menus (one table) and the buttons' connections.
#include "app/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QMenuBar>

#include "app/client_area.h"
#include "app/creation_controller.h"
#include "app/output_commands.h"
#include "app/play_controller.h"
#include "app/file_commands.h"
#include "app/puzzle_display.h"
#include "app/recent_menu.h"
#include "app/scheme_styler.h"
#include "generator/patterns.h"
#include "ui/box_control.h"
#include "view/mouse_buttons.h"

namespace kalvero {

MainWindow::MainWindow(AppPaths paths, QWidget* parent)
    : QMainWindow(parent), ctx_(std::move(paths), this), widgets_(BuildMainWidgets()) {
  setObjectName(QStringLiteral("Form1"));
  //: The program's name, the main window's title.
  setWindowTitle(tr("Kalvero"));
  setCentralWidget(widgets_.client);
  display_ = std::make_unique<PuzzleDisplay>(ctx_, widgets_);
  styler_ = std::make_unique<SchemeStyler>(ctx_, *this, widgets_);
  creation_ = new CreationController(ctx_, *display_, *this);
  output_ = new OutputCommands(ctx_, widgets_, *display_, *styler_, *creation_, *this);
  play_ = new PlayController(ctx_, widgets_, *display_, *creation_, this);
  files_ = new FileCommands(ctx_, widgets_, *display_, *creation_, *this);
  BuildMenuBar(*menuBar(), MenuTable());
  creation_->SetCreateEntry(findChild<QAction*>(QStringLiteral("mnucreateone")));
  ConnectButtons();
}

MainWindow::~MainWindow() = default;

std::vector<MenuRow> MainWindow::MenuTable() {
  std::vector<MenuRow> rows = FileMenu();
  const std::vector<MenuRow> puzzle = PuzzleMenu();
  rows.insert(rows.end(), puzzle.begin(), puzzle.end());
  return rows;
}

std::vector<MenuRow> MainWindow::FileMenu() {
  using R = MenuRow;
  std::vector<R> rows = {
      R::Submenu(QT_TRANSLATE_NOOP("Kalvero", "File"), "mainx"),
      R::Submenu(QT_TRANSLATE_NOOP("Kalvero", "Options"), "mnuoptx"),
      //: Options menu: opens the options window.
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Change"), "mnuoptions", [this] { output_->OpenOptions(); }),
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Save"), "mnuoptsave",
              [this] {
                if (SaveConfig()) display_->SetStatus(tr("Current options saved"));
              }),
      R::Separator(),
      //: Menu entry that only closes its menu.
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Cancel"), ""),
      R::End(),
      R::Separator(),
  };
  // The recent-file entries 0..4 and their separator 5, shown by the
  // configuration.
  for (int i = 0; i < kRecentFileCount; ++i) {
    R entry = R::Item("", "", [this, i] { files_->OpenRecent(i); });
    entry.objectName = RecentEntryName(i);
    entry.visible = false;
    rows.push_back(entry);
  }
  R separator = R::Separator("", false);
  separator.objectName = RecentEntryName(kRecentSeparatorIndex);
  rows.push_back(separator);
  const std::vector<R> rest = {
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Print"), "mnuprint", [this] { output_->PrintMenu(); }),
      R::Separator(),
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Help"), "mnuFileHelp", [this] { output_->OpenHelp(); }),
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "About"), "mnuabout", [this] { output_->ShowAbout(); }),
      R::Separator(),
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Exit"), "mnuexit", [this] { Exit(); }),
      R::End(),
  };
  rows.insert(rows.end(), rest.begin(), rest.end());
  return rows;
}

std::vector<MenuRow> MainWindow::PuzzleMenu() {
  using R = MenuRow;
  return {
      R::Submenu(QT_TRANSLATE_NOOP("Kalvero", "Puzzle"), "mnusavenew"),
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Reset"), "mnuresetpuz", [this] { play_->ResetPuzzle(); }),
      HintRow(),
      R::Separator(),
      R::Submenu(QT_TRANSLATE_NOOP("Kalvero", "Create"), "mnucreateone"),
      R::Item(kCreateLevels[0].menuText, "mnucreatex_0", [this] { creation_->CreatePuzzle(0); }),
      R::Item(kCreateLevels[1].menuText, "mnucreatex_1", [this] { creation_->CreatePuzzle(1); }),
      R::Item(kCreateLevels[2].menuText, "mnucreatex_2", [this] { creation_->CreatePuzzle(2); }),
      R::Separator("mnucreatex_3"),
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Cancel"), "mnucreatex_4"),
      R::End(),
      R::Separator(),
      //: Puzzle menu: adds the shown puzzle to the current puzzle file.
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Append"), "mnuSave2InFile", [this] { files_->Append(); }),
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Save"), "mnusaveas", [this] { files_->Save(); }),
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Delete"), "mnudelete", [this] { files_->Delete(); }),
      R::Separator(),
      R::Submenu(QT_TRANSLATE_NOOP("Kalvero", "Copy to Clipboard"), "mnicopy2clip"),
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Puzzle"), "copy2clippuz",
              [this] { output_->CopyToClipboard(CopyPicture::Puzzle); }),
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Solution"), "copy2clipsol",
              [this] { output_->CopyToClipboard(CopyPicture::Solution); }),
      R::Separator(),
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Cancel"), ""),
      R::End(),
      R::Separator(),
      R::Item(QT_TRANSLATE_NOOP("Kalvero", "Cancel"), ""),
      R::End(),
  };
}

void MainWindow::OpenPuzzleFile(const QString& path) { files_->OpenFromOutside(path); }

MenuRow MainWindow::HintRow() {
  MenuRow hint = MenuRow::Item(QT_TRANSLATE_NOOP("Kalvero", "Hint"), "mnuhint", [this] { play_->Hint(); });
  hint.shortcut = QStringLiteral("Ctrl+H");
  return hint;
}

void MainWindow::ConnectButtons() {
  connect(widgets_.Button(ButtonId::Create), &BoxControl::mouseUp, this, [this](int button) {
    if (button == kRightMouseButton)
      creation_->CreateMany();
    else if (button == kLeftMouseButton)
      creation_->CreatePuzzle(LevelIndexOfText(widgets_.levelList->currentData().toString().toStdString()));
  });
}

}  // namespace kalvero
