#include "app/output_commands.h"

#include <QLabel>
#include <QMainWindow>

#include "app/creation_controller.h"
#include "app/main_widgets.h"
#include "app/puzzle_display.h"
#include "app/scheme_styler.h"
#include "output/printing.h"
#include "app/user_settings.h"
#include "ui/fitted_label.h"
#include "ui/help_windows.h"
#include "ui/msg_form.h"
#include "ui/options_form.h"
#include "ui/prnt_form.h"

namespace kalvero {

OutputCommands::OutputCommands(AppContext& ctx, const MainWidgets& widgets, PuzzleDisplay& display,
                               SchemeStyler& styler, const CreationController& creation, QMainWindow& window)
    : QObject(&window),
      ctx_(ctx),
      w_(widgets),
      display_(display),
      styler_(styler),
      creation_(creation),
      window_(window) {}

OutputCommands::~OutputCommands() = default;

void OutputCommands::PrintMenu() {
  if (creation_.Creating() || ctx_.state.PuzzleCount < 1) return;
  if (!printForm_) printForm_ = new PrntForm(printer_, &window_);
  printForm_->Prepare(w_.fileLabel->FullText(), QString::fromStdString(ctx_.state.PuzzleFileName),
                      ctx_.state.PuzzleCount);
  printForm_->exec();
  ctx_.ProcessEvents();
  if (printForm_->Tag() != QLatin1String("Y")) return;
  if (printForm_->CurrentPuzzleChosen()) {
    PrintCurrentPuzzle();
    return;
  }
  PrintPuzzleRange(printForm_->Range().first, printForm_->Range().last);
}

void OutputCommands::PrintCurrentPuzzle() {
  if (creation_.Creating() || ctx_.state.PuzzleCount < 1) return;
  if (ctx_.Message(tr("Print current puzzle and its solution?"), kMsgQuestion) != MsgResult::Yes) return;
  if (!printer_.PrepareOutput(&window_)) return;
  const PrintOutcome outcome =
      kalvero::PrintCurrentPuzzle(printer_.Printer(), ctx_.state, ctx_.settings.PrinterLineSize);
  ctx_.Message(outcome.report,
               outcome.printed ? kMsgInformation : kMsgError);
}

void OutputCommands::PrintPuzzleRange(int first, int last) {
  if (!printer_.PrepareOutput(&window_)) return;
  std::int32_t lastRead = ctx_.state.PuzzleNumber;
  const PrintOutcome outcome = kalvero::PrintPuzzleRange(printer_.Printer(), ctx_.state, first, last,
                                                         ctx_.settings.PrinterLineSize, lastRead);
  // The last puzzle printed is shown; one that cannot be read leaves the
  // shown puzzle, and the status says so.
  if (outcome.printed && lastRead != ctx_.state.PuzzleNumber)
    static_cast<void>(display_.ReadPuzzle(QString::fromStdString(ctx_.state.PuzzleFileName), lastRead));
  ctx_.Message(outcome.report,
               outcome.printed ? kMsgInformation : kMsgError);
  ctx_.ProcessEvents();
}

void OutputCommands::CopyToClipboard(CopyPicture which) {
  // In the no-puzzle state the puzzle left in memory is not shown: nothing to copy.
  if (ctx_.state.PuzzleCount < 1 || ctx_.state.SolutionText.empty()) return;
  DrawCopyPicture(which, ctx_.state);
}

void OutputCommands::OpenOptions() {
  if (creation_.Creating()) return;
  if (!options_) {
    options_ = new OptionsForm(ctx_.settings, ctx_.highlights, ctx_.scheme, ctx_.controlColourIndex,
                               ctx_.schemeNames, ctx_.paths.schemeList.toStdString(), &window_);
    options_->setWindowModality(Qt::ApplicationModal);
    connect(options_, &OptionsForm::applied, this, [this] {
      if (!ctx_.userSettings.SetHighlights(ctx_.highlights))
        ctx_.Message(tr("Could not save the highlights in:\n%1").arg(ctx_.paths.userSettingsFile), kMsgWarning);
      styler_.ApplyScheme(ctx_.settings.SchemeFile);
      display_.RedrawBoard();
      display_.RefreshOverlay();
    });
  }
  options_->show();
  options_->raise();
  options_->activateWindow();
}

void OutputCommands::OpenHelp() {
  if (!help_) help_ = new HelpWindow(&window_);
  help_->SetUrl(QUrl::fromLocalFile(ctx_.paths.helpPage));
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void OutputCommands::ShowAbout() {
  AboutForm about(ctx_.scheme[kAboutEntry], ctx_.scheme[kBackgroundEntry], &window_);
  about.exec();
}

}  // namespace kalvero
