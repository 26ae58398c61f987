#include "output/printer_choice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace kalvero {

PrinterChoice::PrinterChoice()
    : askFile_([](QWidget* parent, const QString& suggested) {
        return QFileDialog::getSaveFileName(parent, QCoreApplication::translate("Kalvero", "Print to PDF file"),
                                            suggested, QCoreApplication::translate("Kalvero", "PDF Files (*.pdf)"));
      }) {
  printer_.setPageOrientation(QPageLayout::Portrait);
  noPrinters_ = QPrinterInfo::availablePrinters().isEmpty();
  if (noPrinters_) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(DefaultPdfFile());
  }
}

QString PrinterChoice::DefaultPdfFile() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
  return folder + QStringLiteral("/kalvero-puzzles.pdf");
}

QString PrinterChoice::DeviceName() const {
  if (IsPdf()) {
    return noPrinters_ ? QCoreApplication::translate("Kalvero", "PDF file (no printer installed)")
                       : QCoreApplication::translate("Kalvero", "PDF file");
  }
  return printer_.printerName();
}

bool PrinterChoice::Select(QWidget* parent) {
  QPrintDialog dialog(&printer_, parent);
  dialog.setWindowTitle(QCoreApplication::translate("Kalvero", "Select a printer"));
  if (dialog.exec() != QDialog::Accepted) return false;
  fileChosenInDialog_ = IsPdf() && !printer_.outputFileName().isEmpty();
  return true;
}

bool PrinterChoice::PrepareOutput(QWidget* parent) {
  if (!IsPdf() || fileChosenInDialog_) return true;
  const QString start = printer_.outputFileName().isEmpty() ? DefaultPdfFile() : printer_.outputFileName();
  const QString file = askFile_(parent, start);
  if (file.isEmpty()) return false;
  printer_.setOutputFileName(file);
  return true;
}

}  // namespace kalvero
