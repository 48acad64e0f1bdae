// A window of one table over the dialog that opened it, with OK and Print: the refinance's
// yearly rows, the mortgage schedule, the budget report. Print sends the table's print job.
#pragma once

#include <string>

#include "planner/forms/form.h"

namespace planner::forms {

class TableWindowForm : public Form {
 public:
  TableWindowForm(Planner& planner, std::string name, std::string title, int helpTopic,
                  std::string printJob);

 private:
  Outcome OnPress(const std::string& button) override;

  std::string printJob_;
};

}  // namespace planner::forms
