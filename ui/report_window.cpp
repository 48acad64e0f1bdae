#include "ui/report_window.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "planner/print_jobs.h"
#include "qt/latin1_text.h"
#include "reports/report_window_layout.h"
#include "ui/report_printing.h"

namespace kxui {

namespace {

constexpr int kStartWidth = 760;
constexpr int kStartHeight = 480;

}  // namespace

ReportWindow::ReportWindow(planner::Planner& planner, reports::ReportKind kind, QWidget* parent)
    : QDialog(parent), planner_(planner), kind_(kind) {
  setObjectName(QStringLiteral("reportschedule"));
  setWindowTitle(kxqt::ToQString(reports::InfoOf(kind).title));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  table_ = new QTableWidget(this);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setAlternatingRowColors(true);
  QPalette bands = table_->palette();
  bands.setColor(QPalette::AlternateBase, QColor(0xDC, 0xE8, 0xF4));
  table_->setPalette(bands);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(false);
  layout->addWidget(table_);

  auto* buttons = new QHBoxLayout;
  if (kind == reports::ReportKind::AccountsIo) {
    buttons->addWidget(new QLabel(QStringLiteral("Age:"), this));
    ageField_ = new QLineEdit(this);
    ageField_->setObjectName(QStringLiteral("age"));
    ageField_->setReadOnly(true);
    ageField_->setMaximumWidth(80);
    buttons->addWidget(ageField_);
    auto* go = new QPushButton(QStringLiteral("Go"), this);
    go->setObjectName(QStringLiteral("go"));
    buttons->addWidget(go);
    connect(go, &QPushButton::clicked, this, &ReportWindow::Go);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &ReportWindow::RowChosen);
  }
  buttons->addStretch();
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  auto* print = new QPushButton(QStringLiteral("Print"), this);
  print->setObjectName(QStringLiteral("print"));
  buttons->addWidget(ok);
  buttons->addWidget(print);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(print, &QPushButton::clicked, this, &ReportWindow::Print);
  resize(kStartWidth, kStartHeight);
}

bool ReportWindow::Load() {
  const int pages = reports::BuildReport(planner::ReportSourceOf(planner_), kind_, true);
  if (pages == 0) return false;
  const auto lines = reports::ReadPageFile(planner_.workDir(), "spage1");
  if (!lines) {
    planner_.services().prompter.ShowMessage("FILE OPEN ERROR", "Cannot open spage1",
                                             platform::Icon::Error);
    return false;
  }
  const reports::ScreenTable screen = reports::ScreenTableOf(*lines);
  table_->setColumnCount(static_cast<int>(screen.titles.size()));
  QStringList titles;
  for (const std::string& title : screen.titles) titles << kxqt::ToQString(title);
  table_->setHorizontalHeaderLabels(titles);
  table_->setRowCount(static_cast<int>(screen.rows.size()));
  for (size_t r = 0; r < screen.rows.size(); ++r) {
    for (size_t c = 0; c < screen.rows[r].size() && c < screen.titles.size(); ++c) {
      auto* item = new QTableWidgetItem(kxqt::ToQString(screen.rows[r][c]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
  SizeColumns();
  return true;
}

void ReportWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  SizeColumns();
}

void ReportWindow::SizeColumns() {
  const QFontMetrics metrics(table_->font());
  const QFontMetrics headerMetrics(table_->horizontalHeader()->font());
  std::vector<int> titleWidths;
  for (int c = 0; c < table_->columnCount(); ++c) {
    const QTableWidgetItem* header = table_->horizontalHeaderItem(c);
    titleWidths.push_back(
        headerMetrics.horizontalAdvance(header != nullptr ? header->text() : QString()) + 16);
  }
  const std::vector<int> widths = reports::ReportColumnWidths(
      titleWidths, metrics.horizontalAdvance(QString::fromLatin1(reports::kAgeSample)) + 16,
      metrics.horizontalAdvance(QString::fromLatin1(reports::kValueSample)) + 16,
      table_->viewport()->width() + 20 - 2);
  for (size_t c = 0; c < widths.size(); ++c) table_->setColumnWidth(static_cast<int>(c), widths[c]);
}

void ReportWindow::Print() {
  const auto job =
      planner::BuildPrintJob(planner_, std::string("report:") + reports::InfoOf(kind_).word);
  if (job) PrintJobWithDialog(this, planner_, *job);
}

void ReportWindow::RowChosen() {
  const auto rows = table_->selectionModel()->selectedRows();
  if (rows.isEmpty() || ageField_ == nullptr) return;
  const QTableWidgetItem* age = table_->item(rows.first().row(), 0);
  if (age == nullptr) return;
  const auto choice = reports::IoRowChoiceOf(kxqt::ToLatin1(age->text()));
  ageField_->setText(choice ? kxqt::ToQString(reports::IoChoiceText(*choice)) : QString());
}

void ReportWindow::Go() {
  const auto rows = table_->selectionModel()->selectedRows();
  if (rows.isEmpty()) return;
  const QTableWidgetItem* age = table_->item(rows.first().row(), 0);
  if (age == nullptr) return;
  const auto choice = reports::IoRowChoiceOf(kxqt::ToLatin1(age->text()));
  if (!choice) return;
  const auto job =
      planner::BuildPrintJob(planner_, "accounts-io-detail:" + std::to_string(choice->age) +
                                           (choice->incoming ? ":I" : ":O"));
  if (job) PrintJobWithDialog(this, planner_, *job);
}

bool OpenReportWindow(planner::Planner& planner, reports::ReportKind kind, QWidget* parent) {
  auto* window = new ReportWindow(planner, kind, parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  if (!window->Load()) {
    delete window;
    return true;  // the place exists; there was nothing to show
  }
  window->show();
  return true;
}

}  // namespace kxui
