#include "graph/plot_view.h"

#include <algorithm>

#include "graph/graph_names.h"

namespace graph {

std::vector<PlotTab> PlotTabs(const graph::PlotData& data) {
  using graph::GraphKind;
  std::vector<PlotTab> tabs = {
      {"Net Worth", GraphKind::NetWorth, 0, 0},
      {"Incoming / Outgoing", GraphKind::IncomingOutgoing, 0, 0},
      {"Incoming", GraphKind::Incoming, 0, 0},
      {"Outgoing", GraphKind::Outgoing, 0, 0},
      {data.groupsTitle.empty() ? std::string("Groups") : data.groupsTitle, GraphKind::Groups, 0,
       0},
  };
  int accounts = std::clamp(data.accountCount, 0, graph::kMaxAccounts);
  for (int first = 0; first < accounts; first += 10) {
    tabs.push_back({graph::AccountTabTitle(first, accounts), GraphKind::Accounts, first,
                    std::min(accounts, first + 10)});
  }
  return tabs;
}

void PlotView::SelectTab(const PlotTab& tab) {
  kind = tab.kind;
  kindBeforePie = tab.kind;
  firstAccount = tab.firstAccount;
  lastAccount = tab.lastAccount;
}

void PlotView::OpenPie(int point) {
  if (ShowsPie()) return;
  kindBeforePie = kind;
  kind = graph::GraphKind::Pie;
  piePoint = point;
}

void PlotView::ClosePie() {
  if (ShowsPie()) kind = kindBeforePie;
}

graph::DrawOptions DrawOptionsOf(const PlotView& view, const graph::Rect& area, int fontHeight,
                                 bool printing, graph::Currency currency, graph::Program program,
                                 bool zoomed) {
  graph::DrawOptions options;
  options.kind = view.kind;
  options.firstAccount = view.firstAccount;
  options.lastAccount = view.lastAccount;
  options.style = view.style;
  options.legend = view.legend;
  options.program = program;
  options.zoomed = zoomed;
  options.printing = printing;
  options.currency = currency;
  options.fontHeight = fontHeight;
  options.area = area;
  options.pieKind = view.kindBeforePie;
  options.piePoint = view.piePoint;
  return options;
}

}  // namespace graph
