// A started planner with one form open, and short ways to type, press and read what was shown.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/accounts.h"
#include "core/text.h"
#include "planner/forms/form_factory.h"
#include "tests/planner/planner_fixture.h"

namespace planner_testing {

class FormTest : public PlannerTest {
 protected:
  void SetUp() override {
    StartPlanner();
    // A first start opens an example; the forms are tried on a new scenario.
    session().document().scenario = core::MakeNewScenario();
    session().document().modified = false;
    platform.prompter.Clear();
  }
  planner::forms::Form& Open(const std::string& name, int event = -1, int account = -1,
                             int budget = -1) {
    planner::Place place{planner::PlaceKind::Dialog, name};
    place.event = event;
    place.account = account;
    place.budget = budget;
    form_ = planner::forms::MakeForm(session(), place);
    EXPECT_NE(form_, nullptr) << name;
    return *form_;
  }
  void Set(const std::string& field, const std::string& text) {
    EXPECT_TRUE(form_->Set(field, text)) << field << "=" << text;
  }
  planner::forms::Outcome Press(const std::string& button) { return form_->Press(button); }
  std::string Shown(const std::string& field) const {
    const planner::forms::Field* f = form_->Active().Find(field);
    return f != nullptr ? f->text : "(no field " + field + ")";
  }
  core::Scenario& scenario() { return session().document().scenario; }
  // A live account of `kind` with a fresh identifier; returns its identifier.
  uint16_t AddAccount(const std::string& name, uint16_t kind = core::kInvestmentSavings,
                      float amount = 1000.0f) {
    core::Scenario& s = scenario();
    const int index = s.accountCount();
    core::Account& account = s.account(index);
    account = core::Account{};
    core::CopyText(account.name, name);
    account.kind = kind;
    account.initialAmount = amount;
    account.slot = core::TakeSlotForNewAccount(s, index);
    return core::AllocateAccountId(s);
  }
  std::string LastMessage() const {
    const auto lines = Messages();
    return lines.empty() ? "" : lines.back();
  }

  std::unique_ptr<planner::forms::Form> form_;
};

}  // namespace planner_testing
