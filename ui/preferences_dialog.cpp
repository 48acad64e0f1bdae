#include "ui/preferences_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/font_records.h"

namespace kxui {

namespace {

constexpr int kPreferencesHelpTopic = 1572;
constexpr int kValueFont = 0;
constexpr int kFolderFont = 1;

}  // namespace

PreferencesDialog::PreferencesDialog(planner::Planner& planner, QWidget* parent)
    : QDialog(parent),
      planner_(planner),
      banding_(new QCheckBox(QStringLiteral("Use color banding on accounts and schedules"), this)),
      hideFolder_(new QCheckBox(QStringLiteral("Do not show Kestrune Software Folder"), this)),
      defaultFonts_(new QCheckBox(QStringLiteral("Use default fonts"), this)),
      folderFonts_(new QPushButton(QStringLiteral("Select Scenario/Results Folder Fonts"), this)),
      valueFonts_(new QPushButton(QStringLiteral("Select Results Value Fonts"), this)) {
  setWindowTitle(QStringLiteral("Preferences"));
  setObjectName(QStringLiteral("PREF"));
  const planner::DisplayPreferences shown = planner_.displayPreferences();
  banding_->setChecked(shown.colorBanding);
  hideFolder_->setChecked(shown.hideMakerFolder);
  defaultFonts_->setChecked(shown.defaultFonts);

  auto enableFonts = [this] {
    folderFonts_->setEnabled(!defaultFonts_->isChecked());
    valueFonts_->setEnabled(!defaultFonts_->isChecked());
  };
  enableFonts();
  connect(defaultFonts_, &QCheckBox::toggled, this, enableFonts);
  connect(folderFonts_, &QPushButton::clicked, this, [this] { ChooseFont(kFolderFont); });
  connect(valueFonts_, &QPushButton::clicked, this, [this] { ChooseFont(kValueFont); });

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    Store();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { planner_.ShowHelp(kPreferencesHelpTopic); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(banding_);
  layout->addWidget(hideFolder_);
  layout->addWidget(defaultFonts_);
  layout->addSpacing(6);
  layout->addWidget(folderFonts_);
  layout->addWidget(valueFonts_);
  layout->addSpacing(6);
  layout->addWidget(buttons);
}

void PreferencesDialog::ChooseFont(int index) {
  bool chosen = false;
  const QFont font = QFontDialog::getFont(
      &chosen, FontOf(planner_.document().scenario.fonts[index], this->font()), this);
  if (chosen) planner_.StoreFont(index, FontRecordOf(font));
  // Each font button closes the dialog, as the user expects of a button that opened a chooser.
  reject();
}

void PreferencesDialog::Store() {
  planner_.StoreDisplayPreferences(planner::DisplayPreferences{
      banding_->isChecked(), hideFolder_->isChecked(), defaultFonts_->isChecked()});
}

}  // namespace kxui
