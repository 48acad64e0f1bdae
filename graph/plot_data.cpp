#include "graph/plot_data.h"

#include <algorithm>

namespace graph {

float GroupSum(const PlotData& data, int point, int group) {
  float sum = 0.0f;
  int accounts = std::clamp(data.accountCount, 0, kMaxAccounts);
  for (int account = 0; account < accounts; ++account) {
    if (data.accountGroup[static_cast<size_t>(account)] == group) {
      sum += data.AccountValue(point, account);
    }
  }
  return sum;
}

bool GroupIsShown(const PlotData& data, int group) {
  return data.groupNames[static_cast<size_t>(group)].size() > 1;
}

PlotData SlicePoints(const PlotData& data, int first, int count) {
  PlotData slice = data;
  first = std::clamp(first, 0, data.pointCount);
  count = std::clamp(count, 0, data.pointCount - first);
  for (int i = 0; i < count; ++i) {
    size_t to = static_cast<size_t>(i);
    size_t from = static_cast<size_t>(first + i);
    slice.rows[to] = data.rows[from];
    slice.accountValues[to] = data.accountValues[from];
    slice.purchasingPower[to] = data.purchasingPower[from];
  }
  slice.pointCount = count;
  return slice;
}

}  // namespace graph
