#include "qt/graph_window_parts.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTabBar>
#include <QVBoxLayout>

#include "graph/draw_graph.h"
#include "qt/graph_output.h"

namespace kxqt {
namespace {

constexpr int kStartHeight = 380;
constexpr int kSmallestWidth = 400;
constexpr int kSmallestHeight = 300;

}  // namespace

void SizeGraphWindow(QMainWindow& window, int startWidth) {
  window.setMinimumSize(kSmallestWidth, kSmallestHeight);
  window.resize(startWidth, kStartHeight);
}

QWidget* NewWhiteCentralWidget(QWidget* parent) {
  auto* central = new QWidget(parent);
  QPalette white = central->palette();
  white.setColor(QPalette::Window, Qt::white);
  central->setPalette(white);
  central->setAutoFillBackground(true);
  return central;
}

QTabBar* PlaceTabsOverPanel(QMainWindow& window, GraphPanelBase* panel) {
  QWidget* central = NewWhiteCentralWidget(&window);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(3, 4, 5, 0);
  layout->setSpacing(0);
  auto* tabs = new QTabBar(central);
  tabs->setExpanding(false);
  tabs->setDrawBase(true);
  layout->addWidget(tabs);
  layout->addWidget(panel, 1);
  window.setCentralWidget(central);
  window.setFocusProxy(panel);
  // The graph text is a hundredth of the window's height at start, but never unreadable.
  panel->SetFontHeight(graph::GraphFontHeight(kStartHeight));
  return tabs;
}

QStringList TabTitlesOf(const QTabBar& tabs) {
  QStringList titles;
  for (int i = 0; i < tabs.count(); ++i) titles << tabs.tabText(i);
  return titles;
}

QAction* AddMenuCommand(QMenu& menu, const char* text, const char* keys) {
  QAction* action = menu.addAction(QString::fromLatin1(text));
  action->setShortcut(QKeySequence(QString::fromLatin1(keys)));
  return action;
}

bool AskPrinterAndPage(QPrinter& printer, QWidget* parent) {
  PreparePrinter(printer);
  QPrintDialog printDialog(&printer, parent);
  printDialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  printDialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  printDialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (printDialog.exec() != QDialog::Accepted) return false;
  QPageSetupDialog pageDialog(&printer, parent);
  return pageDialog.exec() == QDialog::Accepted;
}

void ShowAboutBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("About"), text, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("about"));
  box.exec();
}

}  // namespace kxqt
