// Plot files for the desktop tests, made by hand so that every expected tab, scale and value
// can be worked out from the numbers here.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <string>

#include "graph/plot_data.h"

namespace apps_testing {

// `points` yearly points from age 60; net worth climbs in equal steps to 12,345 at the last
// point, every other total is 0; `accounts` accounts named "Account 1", ... worth 100 each;
// no groups and no purchasing-power series.
graph::PlotData PlotDataWith(int accounts, int points);

// Writes the data in the planner's layout as `name` in `dir` and returns the path.
QString WritePlotFile(const QTemporaryDir& dir, const QString& name, const graph::PlotData& data);
QString WriteText(const QTemporaryDir& dir, const QString& name, const std::string& text);

}  // namespace apps_testing
