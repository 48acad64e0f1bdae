// The Accounts folder (the account list view with its columns, "Number of Accounts:",
// "Total:", Add, Edit, Delete, Import and "Sort by withdrawal order") and the Scenario folder
// (the event listing with Add, Edit, Copy, Delete and Print). Every button goes to the
// session; what the lists show comes from planner/folder_lists.h.
#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "planner/planner.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QTreeWidget;

namespace kxui {

class AccountsFolder final : public QWidget {
  Q_OBJECT

 public:
  AccountsFolder(planner::Planner& planner, QWidget* parent = nullptr);
  void Refresh();
  QTreeWidget* list() const { return list_; }
  QLabel* count() const { return count_; }
  QLabel* total() const { return total_; }
  QCheckBox* withdrawalOrder() const { return withdrawalOrder_; }
  // The account index of the selected row, -1 for none.
  int SelectedAccount() const;

 private:
  planner::Planner& planner_;
  QTreeWidget* list_;
  QLabel* count_;
  QLabel* total_;
  QCheckBox* withdrawalOrder_;
  std::vector<uint16_t> rowIds_;
};

class ScenarioFolder final : public QWidget {
  Q_OBJECT

 public:
  ScenarioFolder(planner::Planner& planner, QWidget* parent = nullptr);
  void Refresh();
  QListWidget* list() const { return list_; }
  // The event of the selected line, -1 for none.
  int SelectedEvent() const;

 private:
  planner::Planner& planner_;
  QListWidget* list_;
};

}  // namespace kxui
