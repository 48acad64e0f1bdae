// The places of the Reports menu in the planner's window: the report windows, the print jobs,
// Page Setup and the Reports Options dialog.
#pragma once

#include "planner/planner.h"

namespace kxui {

class MainWindow;

void RegisterReportPlaces(MainWindow& window, planner::Planner& planner);

}  // namespace kxui
