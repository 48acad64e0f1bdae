#include "ui/report_options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "planner/print_jobs.h"
#include "qt/latin1_text.h"
#include "ui/font_records.h"

namespace kxui {

namespace {

constexpr int kTitleLength = 59;
constexpr int kReportFont = 2;
constexpr int kPrintingReportsHelp = 784;  // the "Printing Reports" quick tip

}  // namespace

ReportOptionsDialog::ReportOptionsDialog(planner::Planner& planner, QWidget* parent)
    : QDialog(parent), planner_(planner) {
  setObjectName(QStringLiteral("OPTIONS"));
  setWindowTitle(QStringLiteral("Reports Options"));
  const planner::ReportOptions kept = planner::ReportOptionsOf(planner);
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  for (int i = 0; i < 3; ++i) {
    useTitle_[i] = new QCheckBox(QStringLiteral("Title %1").arg(i + 1), this);
    useTitle_[i]->setChecked(kept.useTitle[i]);
    titles_[i] = new QLineEdit(kxqt::ToQString(kept.titles[i]), this);
    titles_[i]->setMaxLength(kTitleLength);
    titles_[i]->setMinimumWidth(320);
    grid->addWidget(useTitle_[i], i, 0);
    grid->addWidget(titles_[i], i, 1);
  }
  layout->addLayout(grid);
  banding_ = new QCheckBox(QStringLiteral("Use color banding on reports"), this);
  boxing_ = new QCheckBox(QStringLiteral("Use rectangle boxing on reports"), this);
  columns_ = new QCheckBox(QStringLiteral("Use columns on reports"), this);
  banding_->setChecked(kept.banding);
  boxing_->setChecked(kept.boxing);
  columns_->setChecked(kept.columns);
  layout->addWidget(banding_);
  layout->addWidget(boxing_);
  layout->addWidget(columns_);
  auto* fonts = new QPushButton(QStringLiteral("Fonts"), this);
  layout->addWidget(fonts, 0, Qt::AlignLeft);
  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  layout->addWidget(buttons);
  connect(fonts, &QPushButton::clicked, this, &ReportOptionsDialog::ChooseFont);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    Store();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { planner_.Execute(kPrintingReportsHelp); });
}

void ReportOptionsDialog::Store() {
  planner::ReportOptions chosen;
  for (size_t i = 0; i < 3; ++i) {
    chosen.titles[i] = kxqt::ToLatin1(titles_[i]->text());
    chosen.useTitle[i] = useTitle_[i]->isChecked();
  }
  chosen.banding = banding_->isChecked();
  chosen.boxing = boxing_->isChecked();
  chosen.columns = columns_->isChecked();
  planner::StoreReportOptions(planner_, chosen);
}

void ReportOptionsDialog::ChooseFont() {
  bool chosen = false;
  const QFont font = QFontDialog::getFont(
      &chosen,
      FontOf(planner_.document().scenario.fonts[kReportFont], QFont(QStringLiteral("Courier"))),
      this);
  if (chosen) planner_.StoreFont(kReportFont, FontRecordOf(font));
}

}  // namespace kxui
