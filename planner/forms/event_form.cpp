#include "planner/forms/event_form.h"

#include "core/events.h"
#include "core/text.h"
#include "graph/format_money.h"
#include "planner/planner.h"

namespace planner::forms {

EventForm::EventForm(Planner& planner, std::string name, std::string title, int helpTopic,
                     int index)
    : Form(planner, std::move(name), std::move(title), helpTopic), index_(index) {
  core::Scenario& scenario = planner_.document().scenario;
  if (index_ >= 0 && index_ < scenario.eventCount()) {
    event_ = scenario.events[index_];
  } else {
    index_ = -1;
    event_ = core::FinancialEvent{};
    event_.kind = core::kEmptyEvent;
    event_.accountId = core::kNoAccountId;
  }
}

bool EventForm::StoreEvent() {
  core::Scenario& scenario = planner_.document().scenario;
  int index = index_;
  if (index < 0) {
    index = core::AppendEvent(scenario);
    if (index < 0) {
      Show("Event Error", "The scenario cannot hold more events.");
      return false;
    }
  }
  scenario.events[index] = event_;
  index_ = index;
  planner_.ScenarioEdited();
  return true;
}

void EventForm::StoreDescription() {
  core::CopyText(event_.description, Text("Description").substr(0, 49));
}

std::string EventForm::TodaysDollarsLabel() const {
  const bool pounds = planner_.CurrencyMark() != '$';
  return core::Format("Use amount in age %3.1f %s",
                      static_cast<double>(planner_.document().scenario.initial.startAge),
                      graph::CurrencyWord(pounds ? graph::Currency::Pounds
                                                 : graph::Currency::Dollars));
}

}  // namespace planner::forms
