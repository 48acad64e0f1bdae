// Plot files for the comparison tests: a scenario over a range of ages whose values are worked
// out from the age, so that every aligned value can be checked by hand.
#pragma once

#include <QTemporaryDir>
#include <string>

#include "graph/plot_data.h"
#include "tests/apps/plot_fixture.h"

namespace kxcomp_testing {

// Ages first..last; at age A net worth is 100 * A, incoming 10 * A and the purchasing-power
// value A; every other column is 0; no accounts.
inline graph::PlotData AgesData(int first, int last) {
  graph::PlotData data = apps_testing::PlotDataWith(0, last - first + 1);
  for (int i = 0; i < data.pointCount; ++i) {
    graph::PlotRow& row = data.rows[static_cast<size_t>(i)];
    float age = static_cast<float>(first + i);
    row[graph::kAge] = age;
    row[graph::kNetWorth] = 100.0f * age;
    row[graph::kTotalIncoming] = 10.0f * age;
    data.purchasingPower[static_cast<size_t>(i)] = age;
  }
  data.hasPurchasingPower = true;
  return data;
}

inline std::string AgesFile(const QTemporaryDir& dir, const QString& name, int first, int last) {
  return apps_testing::WritePlotFile(dir, name, AgesData(first, last)).toStdString();
}

}  // namespace kxcomp_testing
