#include "planner/forms/form_factory.h"

#include <functional>

#include "planner/forms/cash_event_forms.h"
#include "planner/forms/initial_values_form.h"

namespace planner::forms {

namespace {

using Maker = std::function<std::unique_ptr<Form>(Planner&, const Place&)>;

struct FormEntry {
  const char* name;
  Maker make;
};

const std::vector<FormEntry>& Entries() {
  static const std::vector<FormEntry> entries = {
      {"INITIAL", [](Planner& p, const Place&) { return MakeInitialValuesForm(p); }},
      {"WITHDRAWAL", [](Planner& p, const Place& at) { return MakeWithdrawalForm(p, at.event); }},
      {"INCOME", [](Planner& p, const Place& at) { return MakeDepositForm(p, at.event); }},
      {"TRANSFER", [](Planner& p, const Place& at) { return MakeTransferForm(p, at.event); }},
  };
  return entries;
}

}  // namespace

std::unique_ptr<Form> MakeForm(Planner& planner, const Place& place) {
  for (const FormEntry& entry : Entries()) {
    if (place.name == entry.name) return entry.make(planner, place);
  }
  return nullptr;
}

const std::vector<std::string>& FormNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const FormEntry& entry : Entries()) all.emplace_back(entry.name);
    return all;
  }();
  return names;
}

}  // namespace planner::forms
