#pragma once
// The main window's output and dialog commands: File > Print, Puzzle > Copy
// to Clipboard, Options > Change, File > Help and File > About. Printing
// and the options window are refused while a creation runs.
#include <QObject>
#include <QPointer>

#include "app/app_context.h"
#include "output/clipboard.h"
#include "output/printer_choice.h"

class QMainWindow;

namespace kalvero {

struct MainWidgets;
class CreationController;
class HelpWindow;
class OptionsForm;
class PrntForm;
class PuzzleDisplay;
class SchemeStyler;

class OutputCommands : public QObject {
  Q_OBJECT
 public:
  OutputCommands(AppContext& ctx, const MainWidgets& widgets, PuzzleDisplay& display, SchemeStyler& styler,
                 const CreationController& creation, QMainWindow& window);
  ~OutputCommands() override;

  // File > Print: the print window, then the current puzzle or a range.
  void PrintMenu();
  // Asks, prints the current puzzle with its solution and reports.
  void PrintCurrentPuzzle();
  // Prints a range two per page, shows the last puzzle read and reports.
  void PrintPuzzleRange(int first, int last);

  void CopyToClipboard(CopyPicture which);
  void OpenOptions();
  void OpenHelp();
  void ShowAbout();

  PrinterChoice& Printer() { return printer_; }

 private:
  AppContext& ctx_;
  const MainWidgets& w_;
  PuzzleDisplay& display_;
  SchemeStyler& styler_;
  const CreationController& creation_;
  QMainWindow& window_;
  PrinterChoice printer_;
  QPointer<PrntForm> printForm_;
  QPointer<OptionsForm> options_;
  QPointer<HelpWindow> help_;
};

}  // namespace kalvero
