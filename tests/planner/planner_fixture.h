// A planner session over scripted platform services in a temporary working directory, with a
// view that records what the session asked of the window.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "planner/planner.h"
#include "platform/scripted.h"
#include "tests/support/temp_dir.h"

namespace planner_testing {

class RecordingView final : public planner::PlannerView {
 public:
  void ResultsChanged() override { ++resultsChanged; }
  void MenusChanged() override { ++menusChanged; }
  int ChooseOne(const std::string& title, const std::vector<std::string>& choices) override {
    chooserTitles.push_back(title);
    lastChoices = choices;
    if (nextChoices.empty()) return -1;
    const int choice = nextChoices.front();
    nextChoices.erase(nextChoices.begin());
    return choice;
  }
  bool Open(const planner::Place& place) override {
    opened.push_back(place);
    return opens;
  }
  void Raise(const planner::Place& place) override { raised.push_back(place); }
  void ShowAbout() override { ++aboutShown; }
  void RequestClose() override { ++closeRequests; }
  core::WindowRect WindowPlacement() const override { return window; }

  int resultsChanged = 0;
  int menusChanged = 0;
  int aboutShown = 0;
  int closeRequests = 0;
  bool opens = true;  // whether Open finds a window for the place
  std::vector<int> nextChoices;
  std::vector<std::string> chooserTitles;
  std::vector<std::string> lastChoices;
  std::vector<planner::Place> opened;
  std::vector<planner::Place> raised;
  core::WindowRect window{40, 30, 840, 630};
};

class PlannerTest : public ::testing::Test {
 protected:
  // A session in the working directory, started up; `words` are its start-up words.
  planner::Planner& StartPlanner(const std::string& words = "") {
    planner_ = std::make_unique<planner::Planner>(platform.services(), dir.path(),
                                                  planner::ParseStartupWords(words));
    planner_->SetView(&view);
    planner_->StartUp();
    return *planner_;
  }
  planner::Planner& session() { return *planner_; }
  // A scenario file in the working directory: one of the examples.
  std::string CopyExample(int n, const std::string& as = "");
  std::vector<std::string> Messages() const { return platform.prompter.Lines(); }

  testing_support::TempDir dir;
  platform::ScriptedPlatform platform;
  RecordingView view;
  std::unique_ptr<planner::Planner> planner_;
};

}  // namespace planner_testing
