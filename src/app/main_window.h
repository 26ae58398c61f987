#pragma once
// Form1: the main window. It owns the puzzle state and the settings for the
// life of the program, builds the menus, the buttons beside the board, the
// level list and the labels, and runs start-up and shut-down.
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "app/app_paths.h"
#include "app/gui_host.h"
#include "generator/creation.h"
#include "generator/generator.h"
#include "generator/random_source.h"
#include "model/config.h"
#include "model/puzzle_state.h"
#include "model/scheme_file.h"
#include "solver/solver_state.h"
#include "view/board_painter.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;

namespace kalvero {

class BoardView;
class BoxControl;
class ClientArea;
class CreateOptionsForm;

// The buttons beside the board, in the order they stand.
enum class ButtonId { Load, Previous, Random, Next, Create, Pencil, Undo, Reset, Verify, ShowSolution, Count };

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(AppPaths paths, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up: configuration, colour scheme, the configured puzzle.
  void Start();

  // Reads puzzle n of a file into the puzzle state and shows it. `failed`
  // is set to false on success and to true when the file holds no such
  // readable line; with no puzzles at all a message is shown and `failed`
  // keeps its value.
  void ReadPuzzle(const QString& fileName, std::int32_t n, bool& failed);

  // Loads the scheme named in the settings and recolours every window.
  void ApplyScheme(const std::string& name);

  // Clears the board and draws the current puzzle.
  void RedrawBoard();

  // Writes the configuration file (Options > Save and Exit).
  bool SaveConfig();

  // Asks "Exit?" and on Yes saves the configuration and closes every window.
  void Exit();

  // Shows a message in the program's own message box.
  int Message(const QString& text, const QString& style);

  // Creates one verified puzzle of level 0 "Very Easy", 1 "Easy" or 2
  // "Hard" and shows it; other indices and a running creation do nothing.
  void CreatePuzzle(int levelIndex);

  // Batch creation: asks for a pattern, a count and an output file in the
  // create-options window, then appends that many verified puzzles.
  void CreateMany();

  // Asks a running creation to stop after its current attempt.
  void CancelCreation();

  // True while a single or batch creation runs; loading, navigation, the
  // options window and another creation are refused meanwhile.
  bool Creating() const { return creating_; }

  // Seeds the generator's random source (it is seeded from the clock at
  // start; tests seed it for repeatable puzzles).
  void SeedRandom(std::uint64_t seed) { random_ = PseudoRandom(seed); }

  CreateOptionsForm* CreateOptions();

  // Access for the other parts of the program and for tests.
  PuzzleState& State() { return state_; }
  Settings& CurrentSettings() { return settings_; }
  const SchemeColours& Scheme() const { return scheme_; }
  const AppPaths& Paths() const { return paths_; }
  BoardView* Board() const { return board_; }
  BoxControl* Button(ButtonId id) const { return buttons_[static_cast<int>(id)]; }
  QAction* RecentEntry(int i) const { return recent_[i]; }
  QAction* CreateEntry() const { return mnucreateone_; }
  QString StatusText() const;
  QString FileLabelText() const;
  QString NumberLabelText() const;
  QString LevelLabelText() const;
  BoardColours Colours() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildClientArea();
  void SetStatus(const QString& text);
  void ShowRecentFiles();
  void ShowLevel(int fixedCount);
  void DrawEmptyGrid();
  void CloseAllWindows();
  void ProcessEvents();
  void ShowPuzzleLabels();
  // Runs a creation with the Create entry disabled, the busy pointer shown
  // and Escape or a close request cancelling it.
  template <typename Body>
  void RunCreation(Body&& body);
  CreationContext MakeCreationContext();

  AppPaths paths_;
  PuzzleState state_;
  Settings settings_;
  SchemeColours scheme_{};
  int controlColourIndex_ = kControlEntry;
  std::vector<std::string> schemeNames_;
  GuiHost host_;
  bool closingAll_ = false;

  SolverState solver_;
  PseudoRandom random_{ClockSeed()};
  Generator generator_{random_};
  CreationControl creationControl_;
  bool creating_ = false;
  bool closeAfterCreation_ = false;
  CreateOptionsForm* form3_ = nullptr;

  ClientArea* client_ = nullptr;
  BoardView* board_ = nullptr;
  std::array<BoxControl*, static_cast<int>(ButtonId::Count)> buttons_{};
  QComboBox* levelList_ = nullptr;   // Combo1
  QLabel* fileLabel_ = nullptr;
  QLabel* numberLabel_ = nullptr;
  QLabel* levelLabel_ = nullptr;
  QLabel* statusLabel_ = nullptr;
  QLineEdit* pencilValue_ = nullptr;  // Label5
  std::array<QAction*, 6> recent_{};  // mnuoldfiles 0..4 and the separator 5
  QAction* mnucreateone_ = nullptr;
  QMenu* createMenu_ = nullptr;
};

}  // namespace kalvero
