#include "ui/list_folders.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/text.h"
#include "engine/money_text.h"
#include "qt/latin1_text.h"

namespace kxui {

namespace {

const char* KindName(uint16_t kind) {
  static const char* const kNames[] = {"Asset", "Equity", "Investment Savings",
                                       "Retirement Savings", "Tax Free Savings"};
  return kind < 5 ? kNames[kind] : "?";
}

QVBoxLayout* FolderLayout(QWidget* folder, const char* hint) {
  auto* layout = new QVBoxLayout(folder);
  layout->setContentsMargins(6, 6, 6, 6);
  auto* label = new QLabel(QString::fromLatin1(hint), folder);
  layout->addWidget(label);
  return layout;
}

}  // namespace

AccountsFolder::AccountsFolder(planner::Planner& planner, QWidget* parent)
    : QWidget(parent), planner_(planner), list_(new QTreeWidget(this)) {
  list_->setObjectName(QStringLiteral("accounts"));
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({QStringLiteral("Account"), QStringLiteral("Kind"),
                          QStringLiteral("Balance"), QStringLiteral("Rate")});
  list_->header()->setSectionResizeMode(QHeaderView::Stretch);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    planner_.EditAccount(list_->indexOfTopLevelItem(item));
  });
  FolderLayout(this, "Double click an account to edit.")->addWidget(list_, 1);
}

void AccountsFolder::Refresh() {
  list_->clear();
  const core::Scenario& s = planner_.document().scenario;
  const char mark = planner_.CurrencyMark();
  for (int a = 0; a < s.accountCount(); ++a) {
    const core::Account& account = s.account(a);
    auto* item = new QTreeWidgetItem(list_);
    item->setText(0, kxqt::ToQString(core::TextOf(account.name)));
    item->setText(1, QString::fromLatin1(KindName(account.kind)));
    item->setText(2, kxqt::ToQString(engine::MoneyText(account.initialAmount, mark).view()));
    item->setText(3, kxqt::ToQString(engine::RateText(account.rate).view()));
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
  }
}

ScenarioFolder::ScenarioFolder(planner::Planner& planner, QWidget* parent)
    : QWidget(parent), planner_(planner), list_(new QListWidget(this)) {
  list_->setObjectName(QStringLiteral("events"));
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    planner_.EditEvent(planner_.eventListing().EventAtLine(list_->row(item)));
  });
  FolderLayout(this, "Double click an event to edit.")->addWidget(list_, 1);
}

void ScenarioFolder::Refresh() {
  list_->clear();
  for (const std::string& line : planner_.eventListing().lines()) {
    list_->addItem(kxqt::ToQString(line));
  }
}

}  // namespace kxui
