// The trade-off analysis: up to three options, each with a fixed cost, a cost per period, a
// fixed amount and an income per period, followed over a number of periods; their end amounts,
// the graph file "trade.tmp" and the inputs kept in "tradeinf.dat".
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/prompter.h"

namespace calc {

inline constexpr int kTradeOptions = 3;
inline constexpr size_t kTradeNameLength = 19;
inline constexpr const char* kTradeSettingsFile = "tradeinf.dat";
inline constexpr const char* kTradeGraphFile = "trade.tmp";

struct TradeOffInputs {
  std::array<std::string, kTradeOptions> names{"Option 1", "Option 2", "Option 3"};
  std::array<float, kTradeOptions> fixedCost{};
  std::array<float, kTradeOptions> costPerPeriod{};
  std::array<float, kTradeOptions> fixedAmount{};
  std::array<float, kTradeOptions> incomePerPeriod{};
  int periods = 0;
  bool useTaxRate = false;
  float spare = 0.0f;  // written and read back, of no other use
};

struct TradeOffOutcome {
  std::array<float, kTradeOptions> start{};       // the value before the first period
  std::array<float, kTradeOptions> perPeriod{};   // what each period adds
  std::array<float, kTradeOptions> endAmount{};
  float difference12 = 0.0f;
  float difference23 = 0.0f;
  float difference13 = 0.0f;
};

// With `taxRate` (the scenario's, percent) applied to the amounts received when asked.
TradeOffOutcome TradeOff(const TradeOffInputs& inputs, float taxRate);

// "trade.tmp": the named options period by period, for the trade-off graph. Refuses more than
// 100 periods and fewer than 3 with the calculator's messages.
bool WriteTradeGraphFile(const std::filesystem::path& workDir, const TradeOffInputs& inputs,
                         float taxRate, platform::Prompter& prompter);
// The text of that file.
std::string TradeGraphText(const TradeOffInputs& inputs, float taxRate);

// "tradeinf.dat": read at start-up (the defaults when it cannot be read), written on OK.
TradeOffInputs ReadTradeSettings(const std::filesystem::path& workDir);
bool WriteTradeSettings(const std::filesystem::path& workDir, const TradeOffInputs& inputs,
                        platform::Prompter& prompter);
std::string TradeSettingsText(const TradeOffInputs& inputs);
TradeOffInputs ParseTradeSettings(std::string_view text);

}  // namespace calc
