// The part every event dialog shares: the record it edits (a cleared new one, or a copy of an
// existing event), and storing it back at its place when OK has checked everything.
#pragma once

#include <string>

#include "core/event.h"
#include "planner/forms/form.h"

namespace planner::forms {

class EventForm : public Form {
 protected:
  // `index` -1: a new event.
  EventForm(Planner& planner, std::string name, std::string title, int helpTopic, int index);

  bool isNew() const { return index_ < 0; }
  // The record goes to its place (a new one after the last event); false with a message when
  // the table is full. The scenario is then edited and rerun.
  bool StoreEvent();
  // The description field's text as the record stores it.
  void StoreDescription();
  // The label of "Amount is in today's dollars": "Use amount in age %3.1f %s".
  std::string TodaysDollarsLabel() const;

  core::FinancialEvent event_{};
  int index_;
};

}  // namespace planner::forms
