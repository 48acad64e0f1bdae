#include "qt/graph_output.h"

#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "core/page_settings.h"
#include "core/text.h"
#include "graph/draw_graph.h"
#include "qt/qt_canvas.h"

namespace kxqt {
namespace {

// The printer resolution the printed pens and ticks were made for.
constexpr int kPrinterDotsPerInch = 300;

graph::Margins MarginsInThousandths(const QPrinter& printer) {
  QMarginsF inches = printer.pageLayout().margins(QPageLayout::Inch);
  auto thousandths = [](qreal value) { return static_cast<int>(std::lround(value * 1000.0)); };
  return {thousandths(inches.left()), thousandths(inches.top()), thousandths(inches.right()),
          thousandths(inches.bottom())};
}

void DrawPage(QPainter& painter, QPrinter& printer, int fontHeight, const GraphPainter& paint) {
  QRect page = printer.pageLayout().fullRectPixels(printer.resolution());
  graph::Margins margins = graph::MarginsInPixels(MarginsInThousandths(printer),
                                                  printer.logicalDpiX(), printer.logicalDpiY());
  graph::Rect area = graph::PrintArea(page.width(), page.height(), margins);
  QtCanvas canvas(painter);
  paint(canvas, area, fontHeight, true);
}

}  // namespace

bool IsPdfPath(const std::string& path) {
  constexpr std::string_view kPdf = ".pdf";
  return path.size() >= kPdf.size() &&
         core::EqualsNoCase(std::string_view(path).substr(path.size() - kPdf.size()), kPdf);
}

int ScreenDotsPerInch() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return 96;
  return std::max(1, static_cast<int>(std::lround(screen->logicalDotsPerInchY())));
}

void PreparePrinter(QPrinter& printer) {
  printer.setResolution(kPrinterDotsPerInch);
  auto inches = [](int thousandths) { return thousandths / 1000.0; };
  printer.setPageMargins(
      QMarginsF(inches(core::kDefaultMarginLeft), inches(core::kDefaultMarginTop),
                inches(core::kDefaultMarginRight), inches(core::kDefaultMarginBottom)),
      QPageLayout::Inch);
}

bool PrintGraphPages(QPrinter& printer, int screenFontHeight, const GraphPainter& paint) {
  printer.setDocName(QStringLiteral("Printing Graph"));
  printer.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  int fontHeight = screenFontHeight * printer.logicalDpiY() / ScreenDotsPerInch();
  int pages = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  for (int copy = 0; copy < pages; ++copy) {
    if (copy > 0) printer.newPage();
    DrawPage(painter, printer, fontHeight, paint);
  }
  return painter.end();
}

bool RenderGraphPng(const QString& path, graph::ImageSize size, const GraphPainter& paint) {
  QImage image(size.width, size.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter);
    paint(canvas, graph::Rect{0, 0, size.width, size.height}, graph::GraphFontHeight(size.height),
          false);
  }
  return image.save(path, "PNG");
}

bool RenderGraphPdf(const QString& path, int screenFontHeight, const GraphPainter& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  PreparePrinter(printer);
  return PrintGraphPages(printer, screenFontHeight, paint);
}

}  // namespace kxqt
