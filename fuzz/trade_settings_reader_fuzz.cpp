// Fuzz target of the trade-off analysis's kept inputs: any bytes as "tradeinf.dat". The reader
// must give three names of at most 29 characters without line ends, finite amounts, a period
// count within 0..1000 and a tax flag; what it gives, written and read again, is the same; and
// the graph file of those inputs can be made without fault.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "calc/trade_off.h"
#include "fuzz/fuzz_scratch.h"

namespace {

using fuzz_support::ScratchDir;
using fuzz_support::WriteInput;

void Require(bool holds) {
  if (!holds) std::abort();
}

void CheckInputs(const calc::TradeOffInputs& in) {
  for (const std::string& name : in.names) {
    Require(name.size() <= 29);
    Require(name.find('\n') == std::string::npos);
    Require(name.empty() || name.back() != '\r');
  }
  for (const auto* values : {&in.fixedCost, &in.costPerPeriod, &in.fixedAmount,
                             &in.incomePerPeriod}) {
    for (float value : *values) Require(std::isfinite(value));
  }
  Require(in.periods >= 0 && in.periods <= 1000);
  Require(std::isfinite(in.spare));
}

bool SameInputs(const calc::TradeOffInputs& a, const calc::TradeOffInputs& b) {
  return a.names == b.names && a.fixedCost == b.fixedCost && a.costPerPeriod == b.costPerPeriod &&
         a.fixedAmount == b.fixedAmount && a.incomePerPeriod == b.incomePerPeriod &&
         a.periods == b.periods && a.useTaxRate == b.useTaxRate;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& dir = ScratchDir();
  WriteInput(dir / calc::kTradeSettingsFile, data, size);

  const calc::TradeOffInputs read = calc::ReadTradeSettings(dir);
  CheckInputs(read);

  // The settings as OK writes them read back to the same inputs (the written amounts are
  // "%f": what the reader gives again is what a second write and read give).
  const calc::TradeOffInputs once = calc::ParseTradeSettings(calc::TradeSettingsText(read));
  CheckInputs(once);
  Require(once.names == read.names && once.periods == read.periods &&
          once.useTaxRate == read.useTaxRate);
  const calc::TradeOffInputs twice = calc::ParseTradeSettings(calc::TradeSettingsText(once));
  Require(SameInputs(once, twice));

  // The graph's text of whatever was read: one point per period and its three names.
  if (read.periods >= 3 && read.periods <= 100) {
    const std::string graph = calc::TradeGraphText(read, 25.0f);
    Require(!graph.empty());
  }
  calc::TradeOff(read, 25.0f);
  return 0;
}
