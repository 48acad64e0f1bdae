#include "ui/dialogs/calculator_screenshots.h"

#include <QApplication>

#include "planner/forms/form_factory.h"
#include "ui/dialogs/form_dialog.h"

namespace kxui {

namespace {

// The worked examples: a 100,000 mortgage with 20,000 down at 6 % for 30 years; 200 a month more
// on a 200,000 mortgage; 1,000 from 30 to 32 at 4 %; 1,000 for 10 years at 10 %; a 200,000
// mortgage at 7 % refinanced at 50 for 10 years at 5 %; buying against leasing over 36 months.
void FillWorkedExamples(planner::CalculatorValues& values) {
  values.mortgageTexts = {"100000", "20000", "6", "30", "0.0"};
  values.accelerated = {200000.0f, 30, 30, 6.0f, 200.0f, 5.0f, 24.0f, 3.0f};
  values.inflation = {30.0f, 32.0f, 1000.0f, 4.0f};
  values.investment = {1000.0f, 10, 10.0f, 0.0f, 0.0f};
  calc::RefinanceInputs& refinance = values.refinance;
  refinance = calc::RefinanceInputs{};
  refinance.startAge = 40;
  refinance.amount = 200000.0f;
  refinance.rate = 7.0f;
  refinance.years = 30;
  refinance.refinanceAge = 50.0f;
  refinance.refinancedRate = 5.0f;
  refinance.refinancedYears = 10;
  refinance.closingCosts = 3000.0f;
  refinance.taxRate = 25.0f;
  refinance.savingsRate = 3.0f;
  calc::TradeOffInputs& trade = values.tradeOff;
  trade = calc::TradeOffInputs{};
  trade.names = {"Buy", "Lease", ""};
  trade.fixedCost = {20000.0f, 2000.0f, 0.0f};
  trade.costPerPeriod = {100.0f, 350.0f, 0.0f};
  trade.fixedAmount = {8000.0f, 0.0f, 0.0f};
  trade.periods = 36;
}

struct Calculator {
  const char* name;
  const char* press;  // the button that computes; nullptr for a dialog that shows its results
};

constexpr Calculator kCalculators[] = {
    {"MORTGAGEC", "Calculate"}, {"ACCEL", "Calculate"}, {"INFLATE", "Calculate"},
    {"TAXINF", "Calculate"},    {"REFINANCE", "Do Analysis"}, {"TRADE", nullptr},
    {"REFINANCE", "Show Details"},  // its DETAILS, over the same analysis
};

}  // namespace

bool SaveFormPicture(planner::forms::Form& root, planner::forms::Form& shown, QWidget& parent,
                     const QDir& dir, std::ostream& err) {
  FormDialog dialog(root, shown, &parent);
  dialog.show();
  QApplication::processEvents();
  const QString path =
      dir.filePath(QStringLiteral("dialog-%1.png").arg(QString::fromLatin1(shown.name().c_str())));
  const bool saved = dialog.grab().save(path, "PNG");
  dialog.hide();
  if (saved) return true;
  err << "kxplan: cannot write " << path.toStdString() << '\n';
  return false;
}

bool SaveCalculatorScreenshots(QWidget& parent, planner::Planner& planner, const QDir& dir,
                               std::ostream& err) {
  const planner::CalculatorValues kept = planner.calculators();
  FillWorkedExamples(planner.calculators());
  bool saved = true;
  for (const Calculator& calculator : kCalculators) {
    auto form = planner::forms::MakeForm(planner, {planner::PlaceKind::Dialog, calculator.name});
    if (!form) continue;
    if (calculator.press != nullptr) form->Press(calculator.press);
    // A press that opens a second dialog (the refinance's yearly rows) shows both.
    if (&form->Active() != form.get()) saved &= SaveFormPicture(*form, form->Active(), parent, dir, err);
    saved &= SaveFormPicture(*form, *form, parent, dir, err);
  }
  planner.calculators() = kept;
  return saved;
}

}  // namespace kxui
