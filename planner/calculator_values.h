// What the calculators keep for the life of the planner process: each one's last inputs,
// shown again when it opens, and the trade-off inputs of "tradeinf.dat".
#pragma once

#include <array>
#include <string>

#include "calc/mortgage_calculator.h"
#include "calc/refinance.h"
#include "calc/small_calculators.h"
#include "calc/trade_off.h"

namespace planner {

struct CalculatorValues {
  // The mortgage calculator's texts: amount, down payment, rate, years, monthly payment.
  std::array<std::string, 5> mortgageTexts{"0.0", "0.0", "", "0", "0.0"};
  calc::AcceleratedInputs accelerated;
  calc::RefinanceInputs refinance;
  calc::InflationInputs inflation;
  calc::InvestmentInputs investment;
  calc::TradeOffInputs tradeOff;  // read from "tradeinf.dat" at start-up
};

}  // namespace planner
