// The calculators' pictures for --screenshot: each dialog filled with a worked example and its
// result computed, as a user would see it after pressing its button.
#pragma once

#include <QDir>
#include <ostream>

#include "planner/planner.h"

class QWidget;

namespace kxui {

bool SaveCalculatorScreenshots(QWidget& parent, planner::Planner& planner, const QDir& dir,
                               std::ostream& err);

}  // namespace kxui
