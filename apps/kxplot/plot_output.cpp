#include "apps/kxplot/plot_output.h"

#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "core/page_settings.h"
#include "qt/qt_canvas.h"

namespace kxplot {
namespace {

// The printer resolution the printed pens and ticks were made for.
constexpr int kPrinterDotsPerInch = 300;

graph::Margins MarginsInThousandths(const QPrinter& printer) {
  QMarginsF inches = printer.pageLayout().margins(QPageLayout::Inch);
  auto thousandths = [](qreal value) { return static_cast<int>(std::lround(value * 1000.0)); };
  return {thousandths(inches.left()), thousandths(inches.top()), thousandths(inches.right()),
          thousandths(inches.bottom())};
}

void DrawPage(QPainter& painter, QPrinter& printer, const graph::PlotData& data,
              const PlotView& view, graph::Currency currency, int fontHeight) {
  QRect page = printer.pageLayout().fullRectPixels(printer.resolution());
  graph::Margins margins = graph::MarginsInPixels(MarginsInThousandths(printer),
                                                  printer.logicalDpiX(), printer.logicalDpiY());
  graph::Rect area = graph::PrintArea(page.width(), page.height(), margins);
  kxqt::QtCanvas canvas(painter);
  graph::DrawGraph(canvas, data, DrawOptionsOf(view, area, fontHeight, true, currency));
}

}  // namespace

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

bool PrintGraph(QPrinter& printer, const graph::PlotData& data, const PlotView& view,
                graph::Currency currency, int screenFontHeight) {
  printer.setDocName(QStringLiteral("Printing Graph"));
  printer.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  int fontHeight = screenFontHeight * printer.logicalDpiY() / ScreenDotsPerInch();
  int pages = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  for (int copy = 0; copy < pages; ++copy) {
    if (copy > 0) printer.newPage();
    DrawPage(painter, printer, data, view, currency, fontHeight);
  }
  return painter.end();
}

bool RenderPng(const QString& path, const graph::PlotData& data, const PlotView& view,
               graph::Currency currency, graph::ImageSize size) {
  QImage image(size.width, size.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    kxqt::QtCanvas canvas(painter);
    graph::Rect area{0, 0, size.width, size.height};
    graph::DrawGraph(
        canvas, data,
        DrawOptionsOf(view, area, graph::GraphFontHeight(size.height), false, currency));
  }
  return image.save(path, "PNG");
}

bool RenderPdf(const QString& path, const graph::PlotData& data, const PlotView& view,
               graph::Currency currency, int screenFontHeight) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  PreparePrinter(printer);
  return PrintGraph(printer, data, view, currency, screenFontHeight);
}

}  // namespace kxplot
