// Loans, mortgages and credit cards added to the engine harness, and the totals a run left at
// the start of an age, for the debt tests.
#pragma once

#include <gtest/gtest.h>

#include "tests/engine/engine_harness.h"

namespace engine_test {

inline constexpr float kCent = 0.005f;
// Totals that held a few hundred thousand on the way keep cents only to within float steps of
// 1/64 or 1/128.
inline constexpr float kLargeCent = 0.05f;

inline core::FinancialEvent& AddLoan(Harness& h, const char* name, uint16_t intoAccount,
                                     float amount, float rate, uint16_t years) {
  core::FinancialEvent& loan = h.AddEvent(core::kLoan, name, 30.0f, 60.0f, amount);
  loan.accountId = intoAccount;
  loan.loanRate = rate;
  loan.years = years;
  loan.paymentAccountId = core::kNoAccountId;
  return loan;
}

inline core::FinancialEvent& AddMortgage(Harness& h, const char* name, float amount, float down,
                                         float rate, uint16_t years) {
  core::FinancialEvent& mortgage = h.AddEvent(core::kMortgage, name, 30.0f, 60.0f, amount);
  mortgage.downPaymentToEquity = 0;  // shares its place with accountId
  mortgage.downPayment = down;
  mortgage.loanRate = rate;
  mortgage.years = years;
  mortgage.paymentAccountId = core::kNoAccountId;
  return mortgage;
}

inline core::FinancialEvent& AddCard(Harness& h, const char* name, float balance, float payment,
                                     float rate) {
  core::FinancialEvent& card = h.AddEvent(core::kLoan, name, 30.0f, 60.0f, balance);
  card.cardMarker = core::kCardMarker;
  card.monthlyPayment = payment;
  card.loanRate = rate;
  card.accountChosen = 0;
  return card;
}

// The kind totals of the year heading of a whole age.
inline float SeriesAt(const Harness& h, engine::KindSeries series, int age) {
  return h.ctx->results.kindByAge[static_cast<size_t>(series)][static_cast<size_t>(age)];
}
inline float LiabilitiesAt(const Harness& h, int age) {
  return SeriesAt(h, engine::kSeriesLiabilities, age);
}

// True when `text` holds `line` as a whole line.
inline bool HasLine(const std::string& text, const std::string& line) {
  return text.find("\n" + line + "\n") != std::string::npos;
}

}  // namespace engine_test
