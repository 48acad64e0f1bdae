// The calculators' pictures for --screenshot: each dialog filled with a worked example and its
// result computed, as a user would see it after pressing its button.
#pragma once

#include <QDir>
#include <ostream>

#include "planner/forms/form.h"
#include "planner/planner.h"

class QWidget;

namespace kxui {

// "dialog-NAME.png" of `shown`, a form of `root` (itself, or the second dialog it opened).
bool SaveFormPicture(planner::forms::Form& root, planner::forms::Form& shown, QWidget& parent,
                     const QDir& dir, std::ostream& err);

bool SaveCalculatorScreenshots(QWidget& parent, planner::Planner& planner, const QDir& dir,
                               std::ostream& err);

}  // namespace kxui
