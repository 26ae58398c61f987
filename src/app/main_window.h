#pragma once
// Form1: the main window. It owns the shared state (AppContext) and the
// parts that each do one job on it, composes the menus and the client area,
// and runs start-up and shut-down in their fixed order.
//
// Parts, each built on the same AppContext and MainWidgets: PuzzleDisplay
// (reading and showing the current puzzle), SchemeStyler (colours of every
// window), CreationController (single and batch creation), PlayController
// (the board, its buttons, hints, undo and redo), FileCommands (opening,
// navigating and changing puzzle files) and OutputCommands (printing, the
// clipboard, the options, help and About windows).
#include <QMainWindow>
#include <memory>
#include <vector>

#include "app/app_context.h"
#include "app/main_widgets.h"
#include "app/menu_table.h"

namespace kalvero {

class CreationController;
class OutputCommands;
class PlayController;
class FileCommands;
class PuzzleDisplay;
class SchemeStyler;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(AppPaths paths, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up: configuration, colour scheme, the configured puzzle.
  void Start();

  // Writes the configuration file (Options > Save and Exit).
  bool SaveConfig();

  // Asks "Exit?" and on Yes saves the configuration and closes every window.
  void Exit();

  // Opens a puzzle file named from outside the window (the command line):
  // a relative name is taken from the current directory.
  void OpenPuzzleFile(const QString& path);

  // The state the window's parts share.
  AppContext& Context() { return ctx_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::vector<MenuRow> MenuTable();
  std::vector<MenuRow> FileMenu();
  std::vector<MenuRow> PuzzleMenu();
  MenuRow HintRow();
  void ConnectButtons();
  void LoadConfiguration();
  void CloseAllWindows();

  AppContext ctx_;
  MainWidgets widgets_;
  std::unique_ptr<PuzzleDisplay> display_;
  std::unique_ptr<SchemeStyler> styler_;
  CreationController* creation_ = nullptr;  // owned as a child QObject
  OutputCommands* output_ = nullptr;        // owned as a child QObject
  PlayController* play_ = nullptr;          // owned as a child QObject
  FileCommands* files_ = nullptr;           // owned as a child QObject
  bool closingAll_ = false;
};

}  // namespace kalvero
