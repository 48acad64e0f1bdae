#include "ui/report_printing.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "planner/print_jobs.h"
#include "qt/latin1_text.h"
#include "qt/qt_canvas.h"
#include "reports/page_render.h"

namespace kxui {

namespace {

constexpr double kThousandthsPerMillimetre = 1000.0 / 25.4;

class PrinterDevice final : public reports::PageDevice {
 public:
  PrinterDevice(QPrinter& printer, planner::Planner& planner, const reports::JobDocument& document,
                AbortDialog* abort)
      : printer_(printer),
        planner_(planner),
        document_(document),
        abort_(abort),
        options_(planner::PageOptionsOf(planner)) {}
  ~PrinterDevice() override {
    if (painter_.isActive()) painter_.end();
  }

  bool StartPage() override {
    if (!painter_.isActive()) return painter_.begin(&printer_);
    return printer_.newPage();
  }
  bool RenderPage(int page) override {
    kxqt::QtCanvas canvas(painter_);
    const reports::PageGeometry geometry =
        planner::GeometryFor(planner_, printer_.width(), printer_.height(), printer_.logicalDpiX(),
                             printer_.logicalDpiY());
    painter_.fillRect(QRect(0, 0, printer_.width(), printer_.height()), Qt::white);
    reports::RenderJobPage(canvas, document_, page, geometry, options_);
    return true;
  }
  bool EndPage() override { return true; }
  bool AbortRequested() override {
    if (abort_ == nullptr) return false;
    QApplication::processEvents();
    return abort_->aborted();
  }
  void ShowProgress(const std::string& text) override {
    if (abort_ != nullptr) abort_->SetText(kxqt::ToQString(text));
  }
  bool Finish() { return !painter_.isActive() || painter_.end(); }

 private:
  QPrinter& printer_;
  planner::Planner& planner_;
  const reports::JobDocument& document_;
  AbortDialog* abort_;
  const reports::PageOptions options_;  // one date and time on every page of the job
  QPainter painter_;
};

void PreparePrinter(QPrinter& printer, const reports::JobDocument& document) {
  printer.setDocName(kxqt::ToQString(document.documentName));
  // The kept margins are measured from the paper's edge.
  printer.setFullPage(true);
}

}  // namespace

AbortDialog::AbortDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PRINT_SCH"));
  setWindowTitle(QStringLiteral("Abort..."));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  text_ = new QLabel(this);
  text_->setMinimumWidth(260);
  layout->addWidget(text_);
  auto* button = new QPushButton(QStringLiteral("Abort"), this);
  layout->addWidget(button, 0, Qt::AlignHCenter);
  connect(button, &QPushButton::clicked, this, [this] { aborted_ = true; });
}

void AbortDialog::SetText(const QString& text) { text_->setText(text); }

reports::JobResult PrintOnDevice(QPrinter& printer, planner::Planner& planner,
                                 const reports::JobDocument& document,
                                 const std::vector<int>& order, AbortDialog* abort) {
  PrinterDevice device(printer, planner, document, abort);
  const reports::JobResult result =
      reports::RunPrintJob(order, device, &planner.services().prompter);
  if (!device.Finish() && result == reports::JobResult::Printed) return reports::JobResult::Failed;
  return result;
}

bool PrintJobWithDialog(QWidget* parent, planner::Planner& planner,
                        const reports::JobDocument& document) {
  QPrinter printer(QPrinter::HighResolution);
  ApplyPageSetup(planner, printer, true);
  PreparePrinter(printer, document);
  reports::PrintChoice& choice = planner.printChoice();
  const int pageFiles = static_cast<int>(document.pages.size()) - 1;
  printer.setCopyCount(choice.copies);
  printer.setCollateCopies(choice.collate);
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
  dialog.setMinMax(1, std::max(1, pageFiles));
  if (dialog.exec() != QDialog::Accepted) return false;
  // The dialog's pages are the page files; a range leaves the title page out.
  choice.copies = std::max(1, printer.copyCount());
  choice.collate = printer.collateCopies();
  if (printer.printRange() == QPrinter::PageRange) {
    choice.from = printer.fromPage();
    choice.to = printer.toPage();
  } else {
    choice.from = 0;
    choice.to = -1;
  }
  // The copies are made here, page by page in the chosen order.
  printer.setCopyCount(1);
  AbortDialog abort(parent);
  abort.show();
  const std::vector<int> order = reports::JobPageOrder(pageFiles, choice);
  const reports::JobResult result = PrintOnDevice(printer, planner, document, order, &abort);
  abort.close();
  return result == reports::JobResult::Printed;
}

bool PrintJobToPdf(planner::Planner& planner, const reports::JobDocument& document,
                   const reports::PrintChoice& choice, const QString& pdfPath) {
  QPrinter printer(QPrinter::HighResolution);
  PreparePrinter(printer, document);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdfPath);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  ApplyPageSetup(planner, printer, false);
  const int pageFiles = static_cast<int>(document.pages.size()) - 1;
  const std::vector<int> order = reports::JobPageOrder(pageFiles, choice);
  if (order.empty()) return false;  // a range that holds no page writes no file
  return PrintOnDevice(printer, planner, document, order, nullptr) == reports::JobResult::Printed;
}

void ApplyPageSetup(const planner::Planner& planner, QPrinter& printer, bool choosePrinter) {
  const reports::PrinterSetup& setup = planner.printerSetup();
  if (choosePrinter && !setup.printerName.empty()) {
    printer.setPrinterName(QString::fromStdString(setup.printerName));
  }
  printer.setPageOrientation(setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  const std::array<int, 4> kept = planner::PageMargins(planner);
  printer.setPageMargins(
      QMarginsF(kept[0] / kThousandthsPerMillimetre, kept[1] / kThousandthsPerMillimetre,
                kept[2] / kThousandthsPerMillimetre, kept[3] / kThousandthsPerMillimetre),
      QPageLayout::Millimeter);
}

void KeepPageSetup(planner::Planner& planner, const QPrinter& printer) {
  const QPageLayout layout = printer.pageLayout();
  const QSizeF page = layout.fullRect(QPageLayout::Millimeter).size();
  reports::PrinterSetup& setup = planner.printerSetup();
  setup.printerName = printer.printerName().toStdString();
  setup.landscape = page.width() > page.height();
  const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
  auto thousandths = [](double mm) {
    return static_cast<int>(mm * kThousandthsPerMillimetre + 0.5);
  };
  planner::StorePageMargins(planner, {thousandths(margins.left()), thousandths(margins.top()),
                                      thousandths(margins.right()), thousandths(margins.bottom())});
}

bool RunPageSetup(QWidget* parent, planner::Planner& planner) {
  QPrinter printer(QPrinter::HighResolution);
  ApplyPageSetup(planner, printer, true);
  QPageSetupDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  KeepPageSetup(planner, printer);
  // The next job's printer is made from what was kept.
  QPrinter next(QPrinter::HighResolution);
  ApplyPageSetup(planner, next, true);
  if (!next.isValid()) {
    planner.services().prompter.ShowMessage("Print Error", "Invalid Printer",
                                            platform::Icon::Error);
    return false;
  }
  return true;
}

bool PrintWindowContents(QWidget& window, QPrinter& printer) {
  const QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB888);
  printer.setDocName(QStringLiteral("Window Contents"));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.drawImage(QRect(0, 0, printer.width(), printer.height()), picture);
  return painter.end();
}

}  // namespace kxui
