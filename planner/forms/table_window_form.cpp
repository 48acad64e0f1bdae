#include "planner/forms/table_window_form.h"

#include <utility>

#include "planner/planner.h"

namespace planner::forms {

TableWindowForm::TableWindowForm(Planner& planner, std::string name, std::string title,
                                 int helpTopic, std::string printJob)
    : Form(planner, std::move(name), std::move(title), helpTopic), printJob_(std::move(printJob)) {
  AddButtons({"OK", "Print"});
}

Outcome TableWindowForm::OnPress(const std::string& button) {
  if (button == "OK") return Outcome::Cancelled;
  if (button != "Print") return Outcome::Unknown;
  planner_.OpenPlace(Place{PlaceKind::PrintJob, printJob_}, 0);
  return Outcome::Done;
}

}  // namespace planner::forms
