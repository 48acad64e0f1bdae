#include "tests/apps/plot_fixture.h"

#include <QFile>

#include "core/text.h"
#include "tests/graph/plot_file_text.h"

namespace apps_testing {

graph::PlotData PlotDataWith(int accounts, int points) {
  graph::PlotData data;
  data.titleLines = {"File: fixture.RET", "Date: June 15, 2026", "Time: 12:00:00 PM "};
  data.pointCount = points;
  data.accountCount = accounts;
  for (int a = 0; a < accounts; ++a) {
    data.accountNames[static_cast<size_t>(a)] = core::Format("Account %d", a + 1);
  }
  for (int i = 0; i < points; ++i) {
    graph::PlotRow& row = data.rows[static_cast<size_t>(i)];
    row[graph::kAge] = 60.0f + static_cast<float>(i);
    row[graph::kNetWorth] = 12345.0f * static_cast<float>(i + 1) / static_cast<float>(points);
    for (int a = 0; a < accounts; ++a) {
      data.accountValues[static_cast<size_t>(i)][static_cast<size_t>(a)] = 100.0f;
    }
  }
  return data;
}

QString WriteText(const QTemporaryDir& dir, const QString& name, const std::string& text) {
  QString path = dir.filePath(name);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    file.write(text.data(), static_cast<qint64>(text.size()));
  }
  return path;
}

QString WritePlotFile(const QTemporaryDir& dir, const QString& name, const graph::PlotData& data) {
  return WriteText(dir, name, graph_testing::PlotFileText(data));
}

}  // namespace apps_testing
