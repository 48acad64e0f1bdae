// The editing dialogs of the planner window: every form's template name opens its dialog, and
// the headless screenshots show each one.
#pragma once

#include <QDir>
#include <ostream>

#include "planner/planner.h"

namespace kxui {

class MainWindow;

// Registers an opener for every template name that has a form.
void RegisterEditingDialogs(MainWindow& window, planner::Planner& planner);

// Saves "dialog-NAME.png" of every editing dialog, as it opens on the current scenario.
bool SaveDialogScreenshots(QWidget& parent, planner::Planner& planner, const QDir& dir,
                           std::ostream& err);

}  // namespace kxui
