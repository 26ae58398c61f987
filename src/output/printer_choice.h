#pragma once
// The current printer for the rest of the run: the system's default
// printer, or, on a system without any printer, a PDF file whose name is
// asked for when printing starts.
#include <QPrinter>
#include <QString>
#include <functional>

class QWidget;

namespace kalvero {

class PrinterChoice {
 public:
  PrinterChoice();

  QPrinter& Printer() { return printer_; }
  bool IsPdf() const { return printer_.outputFormat() == QPrinter::PdfFormat; }

  // What the print window shows as the current printer.
  QString DeviceName() const;

  // The platform print dialog, preset to the current printer; a confirmed
  // choice becomes the current printer. A file chosen there ("Print to
  // file") is used as it is: print runs do not ask for its name again.
  // False when cancelled.
  bool Select(QWidget* parent);

  // Before a print run: for a PDF printer whose file was not chosen in the
  // print dialog, asks for the file name (default in the user's documents
  // folder). False when the user cancels.
  bool PrepareOutput(QWidget* parent);

  // The PDF file's default name.
  static QString DefaultPdfFile();

  // Asks for the PDF file's name, starting from a suggestion; "" cancels.
  // A save-file dialog unless replaced (tests answer it themselves).
  using FileAsker = std::function<QString(QWidget* parent, const QString& suggested)>;
  void SetFileAsker(FileAsker asker) { askFile_ = std::move(asker); }

 private:
  QPrinter printer_{QPrinter::HighResolution};
  bool noPrinters_ = false;
  bool fileChosenInDialog_ = false;
  FileAsker askFile_;
};

}  // namespace kalvero
