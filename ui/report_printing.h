// The print jobs of the planner on a printer or into a PDF file: the system print dialog with
// the copies, range and collation of the last job, the modeless abort dialog pumped between
// pages, Page Setup, and "Window Contents". The pages themselves are built and drawn by the
// session and the reports layer.
#pragma once

#include <QDialog>
#include <QString>

#include "planner/planner.h"
#include "reports/print_job.h"

class QLabel;
class QPrinter;
class QWidget;

namespace kxui {

// The abort dialog "Abort..." (PRINT_SCH): the page being printed and the Abort button.
class AbortDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit AbortDialog(QWidget* parent);
  void SetText(const QString& text);
  bool aborted() const { return aborted_; }

 private:
  QLabel* text_;
  bool aborted_ = false;
};

// Draws `order` of `document` on `printer` (a printer or a PDF); `abort` may be none.
reports::JobResult PrintOnDevice(QPrinter& printer, planner::Planner& planner,
                                 const reports::JobDocument& document,
                                 const std::vector<int>& order, AbortDialog* abort);

// The print dialog, then the job with its abort dialog. False when cancelled or failed.
bool PrintJobWithDialog(QWidget* parent, planner::Planner& planner,
                        const reports::JobDocument& document);

// The whole job into `pdfPath`, pages in the order of `choice` as the dialog would give it.
bool PrintJobToPdf(planner::Planner& planner, const reports::JobDocument& document,
                   const reports::PrintChoice& choice, const QString& pdfPath);

// Page Setup: the page-setup dialog with the kept printer, orientation and margins; OK keeps
// them, and a kept printer that cannot be made says "Invalid Printer".
bool RunPageSetup(QWidget* parent, planner::Planner& planner);
// The kept orientation and margins onto `printer`, and the kept printer when `choosePrinter`
// (a PDF keeps its file output).
void ApplyPageSetup(const planner::Planner& planner, QPrinter& printer, bool choosePrinter);
// What Page Setup's OK keeps of `printer`: its name, landscape when the page is wider than
// high, and the margins in thousandths of an inch.
void KeepPageSetup(planner::Planner& planner, const QPrinter& printer);

// "Window Contents": the picture of `window` stretched over one printed page.
bool PrintWindowContents(QWidget& window, QPrinter& printer);

}  // namespace kxui
