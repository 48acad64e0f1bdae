// The Preferences dialog: the colour banding, the Kestrune Software folder and the default
// fonts, with the two font choosers. What it stores, the session stores.
#pragma once

#include <QDialog>

#include "planner/planner.h"

class QCheckBox;
class QPushButton;

namespace kxui {

class PreferencesDialog final : public QDialog {
  Q_OBJECT

 public:
  PreferencesDialog(planner::Planner& planner, QWidget* parent = nullptr);

 private:
  void ChooseFont(int index);
  void Store();

  planner::Planner& planner_;
  QCheckBox* banding_;
  QCheckBox* hideFolder_;
  QCheckBox* defaultFonts_;
  QPushButton* folderFonts_;
  QPushButton* valueFonts_;
};

}  // namespace kxui
