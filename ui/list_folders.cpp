#include "ui/list_folders.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/accounts.h"
#include "core/text.h"
#include "planner/folder_lists.h"
#include "qt/latin1_text.h"

namespace kxui {

namespace {
constexpr int kPrintScenarioCommand = 905;  // Reports > Print Scenario
}  // namespace

namespace {

QPushButton* AddButton(QHBoxLayout* row, const char* text, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  row->addWidget(button);
  return button;
}

}  // namespace

AccountsFolder::AccountsFolder(planner::Planner& planner, QWidget* parent)
    : QWidget(parent),
      planner_(planner),
      list_(new QTreeWidget(this)),
      count_(new QLabel(this)),
      total_(new QLabel(this)),
      withdrawalOrder_(new QCheckBox(QStringLiteral("Sort by withdrawal order"), this)) {
  list_->setObjectName(QStringLiteral("accounts"));
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  QStringList headers;
  for (const char* column : planner::kAccountColumns) headers << QString::fromLatin1(column);
  list_->setHeaderLabels(headers);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(list_, &QTreeWidget::itemDoubleClicked, this,
          [this] { planner_.EditAccount(SelectedAccount()); });
  connect(withdrawalOrder_, &QCheckBox::toggled, this, [this] { Refresh(); });

  auto* totals = new QHBoxLayout;
  totals->addWidget(new QLabel(QStringLiteral("Number of Accounts:"), this));
  totals->addWidget(count_);
  totals->addSpacing(24);
  totals->addWidget(new QLabel(QStringLiteral("Total:"), this));
  totals->addWidget(total_);
  totals->addStretch(1);
  totals->addWidget(withdrawalOrder_);
  auto* buttons = new QHBoxLayout;
  connect(AddButton(buttons, "Add", this), &QPushButton::clicked, this,
          [this] { planner::AddAccountFromList(planner_); });
  connect(AddButton(buttons, "Edit", this), &QPushButton::clicked, this,
          [this] { planner_.EditAccount(SelectedAccount()); });
  connect(AddButton(buttons, "Delete", this), &QPushButton::clicked, this,
          [this] { planner::DeleteAccountFromList(planner_, SelectedAccount()); });
  connect(AddButton(buttons, "Import", this), &QPushButton::clicked, this,
          [this] { planner_.ImportAccountData(); });
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(list_, 1);
  layout->addLayout(totals);
  layout->addLayout(buttons);
}

int AccountsFolder::SelectedAccount() const {
  const int row = list_->indexOfTopLevelItem(list_->currentItem());
  if (row < 0 || row >= static_cast<int>(rowIds_.size())) return -1;
  return core::FindAccountIndex(planner_.document().scenario, rowIds_[static_cast<size_t>(row)]);
}

void AccountsFolder::Refresh() {
  list_->clear();
  const planner::AccountListView view = planner::AccountList(
      planner_.document().scenario, planner_.CurrencyMark(), withdrawalOrder_->isChecked());
  rowIds_ = view.ids;
  for (const auto& row : view.rows) {
    auto* item = new QTreeWidgetItem(list_);
    for (int c = 0; c < planner::kAccountColumnCount; ++c) {
      item->setText(c, kxqt::ToQString(row[static_cast<size_t>(c)]));
    }
    for (int c : {6, 7, 9, 10, 12, 13, 14, 15, 16}) {
      item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  count_->setText(kxqt::ToQString(view.count));
  total_->setText(kxqt::ToQString(view.total));
}

ScenarioFolder::ScenarioFolder(planner::Planner& planner, QWidget* parent)
    : QWidget(parent), planner_(planner), list_(new QListWidget(this)) {
  list_->setObjectName(QStringLiteral("events"));
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this] { planner_.EditEvent(SelectedEvent()); });
  auto* buttons = new QHBoxLayout;
  connect(AddButton(buttons, "Add", this), &QPushButton::clicked, this,
          [this] { planner_.OpenPlace(planner::Place{planner::PlaceKind::Dialog, "EVENTS"}, 0); });
  connect(AddButton(buttons, "Edit", this), &QPushButton::clicked, this,
          [this] { planner_.EditEvent(SelectedEvent()); });
  connect(AddButton(buttons, "Copy", this), &QPushButton::clicked, this,
          [this] { planner::CopyEventFromList(planner_, SelectedEvent()); });
  connect(AddButton(buttons, "Delete", this), &QPushButton::clicked, this,
          [this] { planner::DeleteEventFromList(planner_, SelectedEvent()); });
  connect(AddButton(buttons, "Print", this), &QPushButton::clicked, this,
          [this] { planner_.Execute(kPrintScenarioCommand); });
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
}

int ScenarioFolder::SelectedEvent() const {
  const int row = list_->currentRow();
  return row < 0 ? -1 : planner_.eventListing().EventAtLine(row);
}

void ScenarioFolder::Refresh() {
  list_->clear();
  for (const std::string& line : planner_.eventListing().lines()) {
    list_->addItem(kxqt::ToQString(line));
  }
}

}  // namespace kxui
