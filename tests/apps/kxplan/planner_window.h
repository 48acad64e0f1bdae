// What the kxplan window tests share: a planner session over scripted services in a fresh
// temporary folder, and its window shown and exposed after the start-up.
#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "planner/planner.h"
#include "platform/scripted.h"
#include "tests/apps/window_harness.h"
#include "ui/main_window.h"

namespace apps_testing {

class PlannerWindowTest : public QObject {
 protected:
  // Before each test: a new folder and new services.
  void Prepare() {
    dir_ = std::make_unique<QTemporaryDir>();
    platform_ = std::make_unique<platform::ScriptedPlatform>();
  }
  // After each test: the window before the session it shows.
  void Finish() {
    window_.reset();
    planner_.reset();
  }
  // A first start in the folder, with its messages cleared.
  kxui::MainWindow& Start() {
    planner_ = std::make_unique<planner::Planner>(
        platform_->services(), dir_->path().toStdString(), planner::StartupOptions{});
    window_ = std::make_unique<kxui::MainWindow>(*planner_);
    ShowExposed(*window_);
    planner_->StartUp();
    platform_->prompter.Clear();
    return *window_;
  }
  std::vector<std::string> Messages() const { return platform_->prompter.Lines(); }

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<platform::ScriptedPlatform> platform_;
  std::unique_ptr<planner::Planner> planner_;
  std::unique_ptr<kxui::MainWindow> window_;
};

}  // namespace apps_testing
