// The Accounts and Scenario folders as the window shows them until their editing lists are
// built: the accounts with kind, balance and rate, and the scenario description; a double
// click opens the account's or the event's dialog through the session.
#pragma once

#include <QWidget>

#include "planner/planner.h"

class QListWidget;
class QTreeWidget;

namespace kxui {

class AccountsFolder final : public QWidget {
  Q_OBJECT

 public:
  AccountsFolder(planner::Planner& planner, QWidget* parent = nullptr);
  void Refresh();
  QTreeWidget* list() const { return list_; }

 private:
  planner::Planner& planner_;
  QTreeWidget* list_;
};

class ScenarioFolder final : public QWidget {
  Q_OBJECT

 public:
  ScenarioFolder(planner::Planner& planner, QWidget* parent = nullptr);
  void Refresh();
  QListWidget* list() const { return list_; }

 private:
  planner::Planner& planner_;
  QListWidget* list_;
};

}  // namespace kxui
