#include "app/main_widgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include "app/client_area.h"
#include "generator/patterns.h"
#include "ui/box_control.h"
#include "ui/fitted_label.h"
#include "ui/button_pictures.h"
#include "ui/translate.h"
#include "view/board_view.h"

namespace kalvero {

namespace {

struct ButtonLayout {
  ButtonId id;
  const char* objectName;
  const char* toolTip;  // marked for translation
  ButtonPicture picture;
  int x;  // left edge in twips; every button is 340 x 320
};

// The buttons beside the board, left to right.
constexpr ButtonLayout kButtons[] = {
    {ButtonId::Load, "cmdload", QT_TRANSLATE_NOOP("Kalvero", "Load a new Puzzle File"), ButtonPicture::Load, 30},
    {ButtonId::Previous, "Command8_0", QT_TRANSLATE_NOOP("Kalvero", "Previous Puzzle, rightclick for first puzzle"),
     ButtonPicture::Previous, 400},
    {ButtonId::Random, "Command8_2",
     QT_TRANSLATE_NOOP("Kalvero", "Random Puzzle, rightclick to display a specific puzzle"), ButtonPicture::Random,
     760},
    {ButtonId::Next, "Command8_1", QT_TRANSLATE_NOOP("Kalvero", "Next Puzzle, rightclick for last puzzle"),
     ButtonPicture::Next, 1120},
    {ButtonId::Create, "cmdcreate",
     QT_TRANSLATE_NOOP("Kalvero", "Create a new puzzle; right click to set options and create multiple puzzles"),
     ButtonPicture::Create, 1520},
    {ButtonId::Pencil, "cmdpen", QT_TRANSLATE_NOOP("Kalvero", "Display pencil marks; rightclick to clear"),
     ButtonPicture::Pencil, 3280},
    {ButtonId::Undo, "cmdundo", QT_TRANSLATE_NOOP("Kalvero", "Undo last manual placement; rightclick to reset all"),
     ButtonPicture::Undo, 3640},
    {ButtonId::Reset, "cmdreset", QT_TRANSLATE_NOOP("Kalvero", "Reset puzzle"), ButtonPicture::Reset, 4000},
    {ButtonId::Verify, "cmdverify", QT_TRANSLATE_NOOP("Kalvero", "Check if puzzle solved"), ButtonPicture::Verify,
     4400},
    {ButtonId::ShowSolution, "cmdshowsol", QT_TRANSLATE_NOOP("Kalvero", "Show Solution"), ButtonPicture::ShowSolution,
     4760},
};
constexpr int kButtonTop = 20;
constexpr int kButtonWidth = 340;
constexpr int kButtonHeight = 320;
constexpr int kLabelTop = 6815;
constexpr int kLabelHeight = 400;

template <typename Label = QLabel, typename... Args>
Label* MakeLabel(const char* objectName, ClientArea* client, const TwipRect& rect, double fontPoints, Args... args) {
  auto* label = new Label(args..., client);
  label->setObjectName(QLatin1String(objectName));
  label->setAutoFillBackground(true);
  client->Place(label, rect, fontPoints);
  return label;
}

}  // namespace

MainWidgets BuildMainWidgets() {
  MainWidgets w;
  w.client = new ClientArea();

  for (const ButtonLayout& entry : kButtons) {
    auto* button = new BoxControl(w.client);
    button->setObjectName(QLatin1String(entry.objectName));
    button->setToolTip(Translated(entry.toolTip));
    button->SetPicture(ButtonPicturePainter(entry.picture));
    w.client->Place(button, {entry.x, kButtonTop, kButtonWidth, kButtonHeight});
    w.buttons[static_cast<int>(entry.id)] = button;
  }

  w.levelList = new QComboBox(w.client);
  w.levelList->setObjectName(QStringLiteral("Combo1"));
  w.levelList->setToolTip(QCoreApplication::translate("Kalvero", "Set difficulty level for a new puzzle"));
  // Each entry shows its level's name in the user's language and keeps the
  // English one as its data, which the create button goes by.
  for (const CreateLevel& level : kCreateLevels)
    w.levelList->addItem(Translated(level.menuText), QLatin1String(level.menuText));
  w.client->Place(w.levelList, {1900, kButtonTop, 1300, kButtonHeight});

  w.pencilValue = new QLineEdit(w.client);
  w.pencilValue->setObjectName(QStringLiteral("Label5"));
  const QString pencilValue = QCoreApplication::translate("Kalvero", "Pencil value");
  w.pencilValue->setToolTip(pencilValue);
  w.pencilValue->setAccessibleName(pencilValue);
  w.pencilValue->setReadOnly(true);
  w.pencilValue->setFocusPolicy(Qt::NoFocus);
  w.client->Place(w.pencilValue, {5160, kButtonTop, 1320, kButtonHeight});

  w.board = new BoardView(w.client);
  w.client->Place(w.board, {30, 360, w.board->Geometry().SurfaceSize, w.board->Geometry().SurfaceSize}, 0);

  using Telling = FittedLabel::Telling;
  w.fileLabel = MakeLabel<FittedLabel>("lblfile", w.client, {30, kLabelTop, 1560, kLabelHeight}, 8.0, Telling::Nothing);
  w.timeLabel = MakeLabel("lbltime", w.client, {1620, kLabelTop, 560, kLabelHeight}, 8.0);
  //: Accessible name of the play-time label.
  w.timeLabel->setAccessibleName(QCoreApplication::translate("Kalvero", "Time"));
  w.numberLabel = MakeLabel<FittedLabel>("lblpuznum", w.client, {2200, kLabelTop, 1110, kLabelHeight}, 8.0,
                                         Telling::CutTextAsToolTip);
  // Wide enough for the longest level name in every language ("Sehr leicht").
  w.levelLabel = MakeLabel("lbllevel", w.client, {3330, kLabelTop, 990, kLabelHeight}, 8.0);
  w.statusLabel = MakeLabel<FittedLabel>("lblstatus", w.client, {4340, kLabelTop - 20, 2140, kLabelHeight + 20}, 7.5,
                                         Telling::WholeTextEverywhere);
  w.statusLabel->setWordWrap(true);
  return w;
}

}  // namespace kalvero
