#include "ui/graph_window.h"

#include <QTabWidget>

#include "graph/plot_view.h"
#include "qt/latin1_text.h"
#include "ui/graph_folder.h"

namespace kxui {

GraphWindow::GraphWindow(planner::Planner& planner, QWidget* parent)
    : QMainWindow(parent), planner_(planner), tabs_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("graphWindow"));
  setWindowTitle(QStringLiteral("Graphs"));
  setAttribute(Qt::WA_DeleteOnClose);
  setCentralWidget(tabs_);
  resize(760, 520);
  Rebuild();
}

void GraphWindow::Rebuild() {
  const std::vector<graph::PlotTab> tabs = graph::PlotTabs(planner_.plot());
  std::vector<std::string> titles;
  for (const graph::PlotTab& tab : tabs) titles.push_back(tab.title);
  if (titles == titles_) return;
  titles_ = titles;
  tabs_->clear();
  for (GraphFolder* graph : graphs_) graph->deleteLater();
  graphs_.clear();
  for (const graph::PlotTab& tab : tabs) {
    auto* graph = new GraphFolder(planner_, tab, tabs_);
    graphs_.push_back(graph);
    tabs_->addTab(graph, kxqt::ToQString(tab.title));
  }
}

void GraphWindow::Refresh() {
  Rebuild();
  for (GraphFolder* graph : graphs_) graph->Refresh();
}

}  // namespace kxui
