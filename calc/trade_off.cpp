#include "calc/trade_off.h"

#include <cmath>
#include <vector>

#include "core/file_io.h"
#include "core/text.h"
#include "core/text_reading.h"

namespace calc {

namespace {

constexpr int kMostPeriods = 100;
constexpr int kFewestPeriods = 3;
constexpr size_t kSettingsLimit = 1u << 16;
constexpr size_t kStoredNameLength = 29;

// A stored number that is no finite float reads as 0, so that no infinity reaches the sums.
float FiniteOrZero(float value) { return std::isfinite(value) ? value : 0.0f; }

}  // namespace

TradeOffOutcome TradeOff(const TradeOffInputs& in, float taxRate) {
  const float k = in.useTaxRate ? 1.0f - taxRate * 0.01f : 1.0f;
  TradeOffOutcome out;
  for (int o = 0; o < kTradeOptions; ++o) {
    const size_t i = static_cast<size_t>(o);
    out.start[i] = k * in.fixedAmount[i] - in.fixedCost[i];
    out.perPeriod[i] = k * (in.incomePerPeriod[i] - in.costPerPeriod[i]);
    out.endAmount[i] = out.start[i] + static_cast<float>(in.periods) * out.perPeriod[i];
  }
  out.difference12 = std::fabs(out.endAmount[0] - out.endAmount[1]);
  out.difference23 = std::fabs(out.endAmount[1] - out.endAmount[2]);
  out.difference13 = std::fabs(out.endAmount[0] - out.endAmount[2]);
  return out;
}

std::string TradeGraphText(const TradeOffInputs& in, float taxRate) {
  const TradeOffOutcome out = TradeOff(in, taxRate);
  std::vector<int> named;
  for (int o = 0; o < kTradeOptions; ++o) {
    if (!in.names[static_cast<size_t>(o)].empty()) named.push_back(o);
  }
  std::string text = "1\nDummy\nDummy\nDummy\n";
  text += core::Format("%f\n", static_cast<double>(in.periods + 2));
  text += core::Format("%d\n", static_cast<int>(named.size()));
  for (int o : named) text += in.names[static_cast<size_t>(o)] + "\n";
  std::array<float, kTradeOptions> running = out.start;
  for (int p = 0; p <= in.periods + 1; ++p) {
    for (size_t n = 0; n < named.size(); ++n) text += "0.0\n";
    text += core::Format("%f ", static_cast<double>(p));
    for (int o : named) text += core::Format("%f ", static_cast<double>(running[static_cast<size_t>(o)]));
    text += "\n";
    for (int o : named) running[static_cast<size_t>(o)] += out.perPeriod[static_cast<size_t>(o)];
  }
  text += "Done\nDone\n";
  return text;
}

bool WriteTradeGraphFile(const std::filesystem::path& workDir, const TradeOffInputs& in,
                         float taxRate, platform::Prompter& prompter) {
  if (in.periods > kMostPeriods) {
    prompter.ShowMessage("FILE ERROR", "The number of periods cannot exceed 100.",
                         platform::Icon::Error);
    return false;
  }
  if (in.periods < kFewestPeriods) {
    prompter.ShowMessage("FILE ERROR", "Not enough periods.\nPlease try again.",
                         platform::Icon::Error);
    return false;
  }
  if (!core::WriteFileReplacing(core::ResolvePath(workDir, kTradeGraphFile),
                                TradeGraphText(in, taxRate))) {
    prompter.ShowMessage("FILE ERROR", "Cannot open trad.tmp for writing!", platform::Icon::Error);
    return false;
  }
  return true;
}

std::string TradeSettingsText(const TradeOffInputs& in) {
  std::string text;
  for (const std::string& name : in.names) text += name + "\n";
  for (const auto* values : {&in.fixedCost, &in.costPerPeriod, &in.fixedAmount, &in.incomePerPeriod}) {
    for (float value : *values) text += core::Format("%f\n", static_cast<double>(value));
  }
  text += core::Format("%f\n", static_cast<double>(in.periods));
  text += core::Format("%f\n", in.useTaxRate ? 1.0 : 0.0);
  text += core::Format("%f\n", static_cast<double>(in.spare));
  return text;
}

TradeOffInputs ParseTradeSettings(std::string_view text) {
  const std::vector<std::string> lines = core::SplitLines(text);
  TradeOffInputs in;
  auto number = [&lines](size_t line) {
    return line < lines.size() ? FiniteOrZero(std::strtof(lines[line].c_str(), nullptr)) : 0.0f;
  };
  for (size_t o = 0; o < kTradeOptions; ++o) {
    in.names[o] = o < lines.size() ? lines[o].substr(0, kStoredNameLength) : std::string();
    // A name cut (or typed) before a carriage return would not read back as itself.
    while (!in.names[o].empty() && in.names[o].back() == '\r') in.names[o].pop_back();
  }
  size_t line = kTradeOptions;
  for (auto* values : {&in.fixedCost, &in.costPerPeriod, &in.fixedAmount, &in.incomePerPeriod}) {
    for (float& value : *values) value = number(line++);
  }
  // A damaged count stays a count: the graph refuses more than 100 periods with its message.
  const float periods = number(line++);
  in.periods = periods < 0.0f ? 0 : periods > 1000.0f ? 1000 : static_cast<int>(periods);
  in.useTaxRate = number(line++) != 0.0f;
  in.spare = number(line);
  return in;
}

TradeOffInputs ReadTradeSettings(const std::filesystem::path& workDir) {
  const auto text = core::ReadWholeFile(core::ResolvePath(workDir, kTradeSettingsFile),
                                        kSettingsLimit);
  if (!text) return TradeOffInputs{};
  return ParseTradeSettings(*text);
}

bool WriteTradeSettings(const std::filesystem::path& workDir, const TradeOffInputs& in,
                        platform::Prompter& prompter) {
  if (core::WriteFileReplacing(core::ResolvePath(workDir, kTradeSettingsFile),
                               TradeSettingsText(in))) {
    return true;
  }
  prompter.ShowMessage("FILE ERROR", "Cannot open tradeinf.dat for writing!",
                       platform::Icon::Error);
  return false;
}

}  // namespace calc
