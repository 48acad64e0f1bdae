// The calculators of the Tools/Aids menu as forms: the mortgage calculator, accelerated
// payments, the refinance analysis, the trade-off analysis, the inflation calculator, the
// effective yearly rate and the taxes, inflation and investment analysis. Each keeps its last
// inputs in the session for the life of the planner.
#pragma once

#include <memory>

#include "core/event.h"
#include "planner/forms/form.h"

namespace planner::forms {

std::unique_ptr<Form> MakeMortgageCalculatorForm(Planner& planner);
// `mortgage`: the mortgage event the analysis starts from, -1 none.
std::unique_ptr<Form> MakeAcceleratedForm(Planner& planner, int mortgage = -1);
std::unique_ptr<Form> MakeInflationForm(Planner& planner);
// `fromDialog`: opened from another dialog, whose rate field "Use This Effective Yearly Rate"
// fills (the result is in the field "Effective Yearly Rate" when the form closes).
std::unique_ptr<Form> MakeEffectiveRateForm(Planner& planner, bool fromDialog);
std::unique_ptr<Form> MakeInvestmentForm(Planner& planner);
std::unique_ptr<Form> MakeTradeOffForm(Planner& planner);
// `mortgage`: the mortgage event analysed and copied by "Create This Refinance Event", -1 none.
std::unique_ptr<Form> MakeRefinanceForm(Planner& planner, int mortgage = -1);

// The Mortgage Schedule of `mortgage` as the Mortgage dialog holds it: its rows, and
// "psched.tmp" written for printing.
std::unique_ptr<Form> MakePaymentScheduleForm(Planner& planner, const core::FinancialEvent& mortgage);

// The effective rate a closed effective-rate form hands its caller: its text when "Use This
// Effective Yearly Rate" closed it, else empty.
std::string EffectiveRateHandedBack(const Form& form);

}  // namespace planner::forms
