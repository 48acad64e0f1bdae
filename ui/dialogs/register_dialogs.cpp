#include "ui/dialogs/register_dialogs.h"

#include <QApplication>
#include <utility>
#include <vector>

#include "planner/forms/account_form.h"
#include "planner/forms/form_factory.h"
#include "ui/dialogs/calculator_screenshots.h"
#include "ui/dialogs/form_dialog.h"
#include "ui/main_window.h"

namespace kxui {

namespace {

// The modal dialog of `place`, once at a time.
bool OpenFormDialog(QWidget& parent, planner::Planner& planner, const planner::Place& place) {
  std::unique_ptr<planner::forms::Form> form = planner::forms::MakeForm(planner, place);
  if (!form) return false;
  if (!planner.BeginDialog(place)) return true;
  FormDialog dialog(*form, *form, &parent);
  dialog.exec();
  planner.EndDialog(place);
  return true;
}

}  // namespace

void RegisterEditingDialogs(MainWindow& window, planner::Planner& planner) {
  for (const std::string& name : planner::forms::FormNames()) {
    window.RegisterPlace(name, [&window, &planner](const planner::Place& place) {
      return OpenFormDialog(window, planner, place);
    });
  }
  // An imported account is completed in the Account Information dialog.
  planner.SetImportAccountDialog([&window, &planner](core::Scenario&, int index) {
    std::unique_ptr<planner::forms::Form> form = planner::forms::MakeAccountForm(planner, index, true);
    FormDialog dialog(*form, *form, &window);
    dialog.exec();
    return form->closed() && dialog.result() == QDialog::Accepted;
  });
}

namespace {

// The second dialogs, each reached from its first by a press (after a choice, where the
// button needs one).
struct SecondDialog {
  const char* first;
  const char* choose;  // a list field set to its second entry first, or nullptr
  const char* button;
  std::vector<std::pair<const char*, const char*>> typed;  // fields typed before the press
};

const SecondDialog kSecondDialogs[] = {
    {"ACCOUNTINFO", nullptr, "Dividend", {}},
    {"FUNDAMENTALS", "Select account.", "Press to change selected account's rate", {}},
    // A 200,000 mortgage at 7 % for 30 years, from 40.
    {"MORTGAGE", nullptr, "Schedule",
     {{"Description", "House"}, {"Start Age", "40"}, {"Payoff Age", "70"}, {"Rate", "7"},
      {"Amount", "250000"}, {"Down Payment / Equity", "50000"}, {"Number of Years", "30"}}},
};

}  // namespace

bool SaveDialogScreenshots(QWidget& parent, planner::Planner& planner, const QDir& dir,
                           std::ostream& err) {
  bool saved = true;
  for (const std::string& name : planner::forms::FormNames()) {
    std::unique_ptr<planner::forms::Form> form =
        planner::forms::MakeForm(planner, planner::Place{planner::PlaceKind::Dialog, name});
    if (form) saved &= SaveFormPicture(*form, *form, parent, dir, err);
  }
  for (const SecondDialog& second : kSecondDialogs) {
    std::unique_ptr<planner::forms::Form> form = planner::forms::MakeForm(
        planner, planner::Place{planner::PlaceKind::Dialog, second.first});
    if (!form) continue;
    for (const auto& [field, text] : second.typed) form->Set(field, text);
    if (second.choose != nullptr) {
      const planner::forms::Field* list = form->Find(second.choose);
      if (list == nullptr || list->entries.size() < 2) continue;
      form->Set(second.choose, list->entries[1]);
    }
    if (form->Press(second.button) != planner::forms::Outcome::Opened) continue;
    saved &= SaveFormPicture(*form, form->Active(), parent, dir, err);
  }
  return saved;
}

}  // namespace kxui
