// Form1's construction: menus, the buttons beside the board, the level list
// and the labels, laid out in twips on the client area.
#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "app/client_area.h"
#include "generator/patterns.h"
#include "ui/box_control.h"
#include "ui/button_pictures.h"
#include "view/board_view.h"

namespace kalvero {

namespace {

struct ButtonLayout {
  ButtonId id;
  const char* objectName;
  const char* toolTip;
  ButtonPicture picture;
  int x;  // left edge in twips; every button is 340 x 320
};

// The buttons beside the board, left to right.
constexpr ButtonLayout kButtons[] = {
    {ButtonId::Load, "cmdload", "Load a new Puzzle File", ButtonPicture::Load, 30},
    {ButtonId::Previous, "Command8_0", "Previous Puzzle, rightclick for first puzzle", ButtonPicture::Previous, 400},
    {ButtonId::Random, "Command8_2", "Random Puzzle, rightclick to display a specific puzzle", ButtonPicture::Random, 760},
    {ButtonId::Next, "Command8_1", "Next Puzzle, rightclick for last puzzle", ButtonPicture::Next, 1120},
    {ButtonId::Create, "cmdcreate", "Create a new puzzle; right click to set options and create multiple puzzles",
     ButtonPicture::Create, 1520},
    {ButtonId::Pencil, "cmdpen", "Display pencil marks; rightclick to clear", ButtonPicture::Pencil, 3280},
    {ButtonId::Undo, "cmdundo", "Undo last manual placement; rightclick to reset all", ButtonPicture::Undo, 3640},
    {ButtonId::Reset, "cmdreset", "Reset puzzle", ButtonPicture::Reset, 4000},
    {ButtonId::Verify, "cmdverify", "Check if puzzle solved", ButtonPicture::Verify, 4400},
    {ButtonId::ShowSolution, "cmdshowsol", "Show Solution", ButtonPicture::ShowSolution, 4760},
};
constexpr int kButtonTop = 20;
constexpr int kButtonWidth = 340;
constexpr int kButtonHeight = 320;

QLabel* MakeLabel(const char* objectName, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(objectName));
  label->setAutoFillBackground(true);
  return label;
}

}  // namespace

MainWindow::MainWindow(AppPaths paths, QWidget* parent)
    : QMainWindow(parent), paths_(std::move(paths)), host_(this) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Kalvero"));
  BuildMenus();
  BuildClientArea();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
  file->setObjectName(QStringLiteral("mainx"));
  QMenu* options = file->addMenu(QStringLiteral("Options"));
  options->setObjectName(QStringLiteral("mnuoptx"));
  options->addAction(QStringLiteral("Change"))->setObjectName(QStringLiteral("mnuoptions"));
  QAction* save = options->addAction(QStringLiteral("Save"));
  save->setObjectName(QStringLiteral("mnuoptsave"));
  connect(save, &QAction::triggered, this, [this] {
    if (SaveConfig()) SetStatus(QStringLiteral("Current options saved"));
  });
  options->addSeparator();
  options->addAction(QStringLiteral("Cancel"));
  file->addSeparator();
  for (int i = 0; i < 5; ++i) {
    recent_[i] = file->addAction(QString());
    recent_[i]->setObjectName(QStringLiteral("mnuoldfiles_%1").arg(i));
    recent_[i]->setVisible(false);
  }
  recent_[5] = file->addSeparator();
  recent_[5]->setObjectName(QStringLiteral("mnuoldfiles_5"));
  recent_[5]->setVisible(false);
  file->addAction(QStringLiteral("Print"))->setObjectName(QStringLiteral("mnuprint"));
  file->addSeparator();
  file->addAction(QStringLiteral("Help"))->setObjectName(QStringLiteral("mnuFileHelp"));
  file->addAction(QStringLiteral("About"))->setObjectName(QStringLiteral("mnuabout"));
  file->addSeparator();
  QAction* exit = file->addAction(QStringLiteral("Exit"));
  exit->setObjectName(QStringLiteral("mnuexit"));
  connect(exit, &QAction::triggered, this, &MainWindow::Exit);

  QMenu* puzzle = menuBar()->addMenu(QStringLiteral("Puzzle"));
  puzzle->setObjectName(QStringLiteral("mnusavenew"));
  puzzle->addAction(QStringLiteral("Reset"))->setObjectName(QStringLiteral("mnuresetpuz"));
  puzzle->addSeparator();
  createMenu_ = puzzle->addMenu(QStringLiteral("Create"));
  mnucreateone_ = createMenu_->menuAction();
  mnucreateone_->setObjectName(QStringLiteral("mnucreateone"));
  const char* levels[] = {"Very Easy", "Easy", "Hard"};
  for (int i = 0; i < 3; ++i) {
    QAction* level = createMenu_->addAction(QLatin1String(levels[i]));
    level->setObjectName(QStringLiteral("mnucreatex_%1").arg(i));
    connect(level, &QAction::triggered, this, [this, i] { CreatePuzzle(i); });
  }
  createMenu_->addSeparator();
  createMenu_->addAction(QStringLiteral("Cancel"))->setObjectName(QStringLiteral("mnucreatex_4"));
  puzzle->addSeparator();
  puzzle->addAction(QStringLiteral("Append"))->setObjectName(QStringLiteral("mnuSave2InFile"));
  puzzle->addAction(QStringLiteral("Save"))->setObjectName(QStringLiteral("mnusaveas"));
  puzzle->addAction(QStringLiteral("Delete"))->setObjectName(QStringLiteral("mnudelete"));
  puzzle->addSeparator();
  QMenu* copy = puzzle->addMenu(QStringLiteral("Copy to Clipboard"));
  copy->menuAction()->setObjectName(QStringLiteral("mnicopy2clip"));
  copy->addAction(QStringLiteral("Puzzle"))->setObjectName(QStringLiteral("copy2clippuz"));
  copy->addAction(QStringLiteral("Solution"))->setObjectName(QStringLiteral("copy2clipsol"));
  copy->addSeparator();
  copy->addAction(QStringLiteral("Cancel"));
  puzzle->addSeparator();
  puzzle->addAction(QStringLiteral("Cancel"));
}

void MainWindow::BuildClientArea() {
  auto client = std::make_unique<ClientArea>();
  client_ = client.get();

  for (const ButtonLayout& entry : kButtons) {
    auto* button = new BoxControl(client_);
    button->setObjectName(QLatin1String(entry.objectName));
    button->setToolTip(QLatin1String(entry.toolTip));
    button->SetPicture([picture = entry.picture](QPainter& p, const QRectF& r) { DrawButtonPicture(p, r, picture); });
    client_->Place(button, {entry.x, kButtonTop, kButtonWidth, kButtonHeight});
    buttons_[static_cast<int>(entry.id)] = button;
  }
  connect(Button(ButtonId::Create), &BoxControl::mouseUp, this, [this](int button) {
    if (button == 2) CreateMany();
    else if (button == 1) CreatePuzzle(LevelIndexOfText(levelList_->currentText().toStdString()));
  });

  levelList_ = new QComboBox(client_);
  levelList_->setObjectName(QStringLiteral("Combo1"));
  levelList_->setToolTip(QStringLiteral("Set difficulty level for a new puzzle"));
  client_->Place(levelList_, {1900, kButtonTop, 1300, kButtonHeight});

  pencilValue_ = new QLineEdit(client_);
  pencilValue_->setObjectName(QStringLiteral("Label5"));
  pencilValue_->setToolTip(QStringLiteral("Pencil value"));
  pencilValue_->setReadOnly(true);
  pencilValue_->setFocusPolicy(Qt::NoFocus);
  client_->Place(pencilValue_, {5160, kButtonTop, 1320, kButtonHeight});

  board_ = new BoardView(client_);
  client_->Place(board_, {30, 360, board_->Geometry().SurfaceSize, board_->Geometry().SurfaceSize}, 0);

  constexpr int kLabelTop = 6815;
  constexpr int kLabelHeight = 400;
  fileLabel_ = MakeLabel("lblfile", client_);
  client_->Place(fileLabel_, {30, kLabelTop, 2150, kLabelHeight});
  numberLabel_ = MakeLabel("lblpuznum", client_);
  client_->Place(numberLabel_, {2200, kLabelTop, 1250, kLabelHeight});
  levelLabel_ = MakeLabel("lbllevel", client_);
  client_->Place(levelLabel_, {3470, kLabelTop, 850, kLabelHeight});
  statusLabel_ = MakeLabel("lblstatus", client_);
  statusLabel_->setWordWrap(true);
  client_->Place(statusLabel_, {4340, kLabelTop - 20, 2140, kLabelHeight + 20}, 7.5);

  setCentralWidget(client.release());
}

QString MainWindow::StatusText() const { return statusLabel_->text(); }
QString MainWindow::FileLabelText() const { return fileLabel_->text(); }
QString MainWindow::NumberLabelText() const { return numberLabel_->text(); }
QString MainWindow::LevelLabelText() const { return levelLabel_->text(); }

void MainWindow::SetStatus(const QString& text) { statusLabel_->setText(text); }

void MainWindow::ShowLevel(int fixedCount) {
  const QString name = QLatin1String(LevelName(fixedCount));
  levelList_->setCurrentIndex(levelList_->findText(name));
  levelLabel_->setText(name);
}

void MainWindow::ShowRecentFiles() {
  for (int i = 0; i < kRecentFileCount; ++i) {
    recent_[i]->setText(QString::fromStdString(settings_.recent.caption[i]));
    recent_[i]->setVisible(settings_.recent.visible[i]);
  }
  recent_[5]->setVisible(settings_.recent.separatorVisible);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A close request during a creation first lets the creation unwind; the
  // window closes when it has.
  if (creating_) {
    closeAfterCreation_ = true;
    CancelCreation();
    event->ignore();
    return;
  }
  // Any close request ends the program without asking and without saving.
  event->accept();
  CloseAllWindows();
}

void MainWindow::CloseAllWindows() {
  if (creating_) {
    closeAfterCreation_ = true;
    CancelCreation();
    return;
  }
  if (closingAll_) return;
  closingAll_ = true;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window != this && window->isVisible()) window->close();
  close();
  QApplication::quit();
}

void MainWindow::ProcessEvents() { host_.YieldNow(); }

}  // namespace kalvero
