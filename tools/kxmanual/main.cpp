// kxmanual: the manual as a PDF. Reads the manual's HTML (built from the help pages by
// cmake/KxHelpManual.cmake), lays it out with QTextDocument and prints it with QPdfWriter on
// A4 (or Letter) pages with the page number at the foot of every page.
//
//   kxmanual MANUAL.html OUT.pdf [--letter]
//
// Runs without a display (QT_QPA_PLATFORM=offscreen). Exit codes: 0 written, 1 bad usage,
// 2 the HTML could not be read, 3 the PDF could not be written.
#include <QFile>
#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

// Lays the document out on pages of the writer's paint rectangle less a foot line, and draws
// each page with its number centred in the foot line.
bool PrintWithPageNumbers(QTextDocument& doc, QPdfWriter& writer) {
  QPainter painter;
  if (!painter.begin(&writer)) {
    return false;
  }
  const QRectF page(0, 0, writer.width(), writer.height());
  const qreal footHeight = painter.fontMetrics().height() * 2.5;
  const QRectF body(0, 0, page.width(), page.height() - footHeight);

  // The document is laid out in device pixels of the writer, so that fonts keep their size.
  doc.documentLayout()->setPaintDevice(&writer);
  doc.setPageSize(body.size());
  const int pages = doc.pageCount();

  QFont footFont = doc.defaultFont();
  for (int n = 0; n < pages; ++n) {
    if (n > 0 && !writer.newPage()) {
      return false;
    }
    painter.save();
    painter.translate(0, -n * body.height());
    const QRectF shown(0, n * body.height(), body.width(), body.height());
    painter.setClipRect(shown);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = shown;
    doc.documentLayout()->draw(&painter, context);
    painter.restore();

    painter.setFont(footFont);
    painter.drawText(QRectF(0, body.height(), page.width(), footHeight), Qt::AlignCenter,
                     QStringLiteral("Page %1 of %2").arg(n + 1).arg(pages));
  }
  return painter.end();
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  QStringList args = app.arguments();
  args.removeFirst();
  const bool letter = args.removeAll(QStringLiteral("--letter")) > 0;
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: kxmanual MANUAL.html OUT.pdf [--letter]\n");
    return 1;
  }

  QFile in(args[0]);
  if (!in.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "kxmanual: cannot read %s\n", qPrintable(args[0]));
    return 2;
  }
  QTextDocument doc;
  doc.setMetaInformation(QTextDocument::DocumentUrl,
                         QUrl::fromLocalFile(QFileInfo(args[0]).absoluteFilePath()).toString());
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPointSizeF(10.5);
  doc.setDefaultFont(font);
  doc.setDefaultStyleSheet(QStringLiteral(
      "h1 { font-size: 17pt; } h2 { font-size: 13pt; } td, th { padding: 3px; }"));
  doc.setHtml(QString::fromUtf8(in.readAll()));

  QPdfWriter writer(args[1]);
  writer.setTitle(QStringLiteral("Kestrune Dudavovez Odoredo - Manual"));
  writer.setCreator(QStringLiteral("kxmanual"));
  writer.setResolution(300);
  writer.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                                   QPageLayout::Portrait, QMarginsF(20, 18, 20, 15),
                                   QPageLayout::Millimeter));
  if (!PrintWithPageNumbers(doc, writer)) {
    std::fprintf(stderr, "kxmanual: cannot write %s\n", qPrintable(args[1]));
    return 3;
  }
  return 0;
}
