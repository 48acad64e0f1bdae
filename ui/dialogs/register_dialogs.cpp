#include "ui/dialogs/register_dialogs.h"

#include <QApplication>

#include "planner/forms/account_form.h"
#include "planner/forms/form_factory.h"
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

bool SaveDialogScreenshots(QWidget& parent, planner::Planner& planner, const QDir& dir,
                           std::ostream& err) {
  bool saved = true;
  for (const std::string& name : planner::forms::FormNames()) {
    std::unique_ptr<planner::forms::Form> form =
        planner::forms::MakeForm(planner, planner::Place{planner::PlaceKind::Dialog, name});
    if (!form) continue;
    FormDialog dialog(*form, *form, &parent);
    dialog.show();
    QApplication::processEvents();
    const QString path = dir.filePath(QStringLiteral("dialog-%1.png").arg(QString::fromLatin1(name.c_str())));
    if (!dialog.grab().save(path, "PNG")) {
      err << "kxplan: cannot write " << path.toStdString() << '\n';
      saved = false;
    }
    dialog.hide();
  }
  return saved;
}

}  // namespace kxui
