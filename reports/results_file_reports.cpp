#include "reports/page_table.h"
#include "reports/results_file_reports.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

#include "core/file_io.h"
#include "core/text.h"
#include "engine/ages.h"

namespace reports {

namespace {

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \r\n");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \r\n");
  return text.substr(first, last - first + 1);
}

bool IsEndMark(const std::string& line) { return line.rfind("Doo", 0) == 0; }

// The lines of a results file up to its end mark; nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadLines(const ReportSource& source, const char* name,
                                                  const char* message) {
  const auto bytes = core::ReadWholeFile(core::ResolvePath(source.workDir, name));
  if (!bytes) {
    if (source.prompter != nullptr) {
      source.prompter->ShowMessage("FILE OPEN ERROR", message, platform::Icon::Error);
    }
    return std::nullopt;
  }
  std::vector<std::string> lines;
  std::istringstream in(*bytes);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (IsEndMark(line)) break;
    lines.push_back(line);
  }
  return lines;
}

float Number(const std::string& text) { return std::strtof(text.c_str(), nullptr); }

// One line of "bigfile.tmp" or "tmpfile.tmp": "%5.1f\t%s\t%d\t%13.2f".
struct ItemLine {
  std::string ageText;
  float age = 0.0f;
  std::string label;
  std::string category;
  std::string amountText;
  float amount = 0.0f;
};

std::optional<ItemLine> ParseItem(const std::string& line) {
  const auto fields = SplitTabs(line);
  if (fields.size() < 4) return std::nullopt;
  ItemLine item;
  item.ageText = fields[0];
  item.age = Number(fields[0]);
  item.label = fields[1];
  item.category = fields[2];
  item.amountText = Trim(fields[3]);
  item.amount = Number(fields[3]);
  return item;
}

// "tmpfile.tmp": the items with each whole age's incoming and outgoing totals before it.
bool WriteTotalsFile(const ReportSource& source, const std::vector<ItemLine>& items) {
  std::map<int, std::pair<float, float>> totals;  // whole age: category 2, category 6
  for (const ItemLine& item : items) {
    auto& sums = totals[engine::WholeAge(item.age)];
    const int category = std::atoi(item.category.c_str());
    if (category == 2) sums.first += item.amount;
    if (category == 6) sums.second += item.amount;
  }
  std::string text;
  bool first = true;
  int previousAge = 0;
  for (const ItemLine& item : items) {
    const int whole = engine::WholeAge(item.age);
    if (first || whole != previousAge) {
      const auto& sums = totals[whole];
      text += core::Format("%5.1f\tTotal Incoming Events\t2\t%13.2f\n",
                           static_cast<double>(item.age), static_cast<double>(sums.first));
      text += core::Format("%5.1f\tTotal Outgoing Events\t6\t%13.2f\n",
                           static_cast<double>(item.age), static_cast<double>(sums.second));
      first = false;
      previousAge = whole;
    }
    text += item.ageText + "\t" + item.label + "\t" + item.category + "\t" + item.amountText + "\n";
  }
  text += "Dooooone\n";
  std::FILE* file = std::fopen(core::ResolvePath(source.workDir, "tmpfile.tmp").c_str(), "wb");
  if (file == nullptr) {
    if (source.prompter != nullptr) {
      source.prompter->ShowMessage("FILE OPEN ERROR", "tmpfile.tmp", platform::Icon::Error);
    }
    return false;
  }
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  return true;
}

bool IsIncomingCategory(const std::string& category) {
  return category.find('2') != std::string::npos;
}
bool IsOutgoingCategory(const std::string& category) {
  return !IsIncomingCategory(category) && category.find('6') != std::string::npos;
}

}  // namespace

std::optional<PageTable> EventsTable(const ReportSource& source, bool incoming) {
  const auto raw = ReadLines(source, "bigfile.tmp", "Cannot open bigfile.tmp");
  if (!raw) return std::nullopt;
  std::vector<ItemLine> items;
  for (const std::string& line : *raw) {
    if (auto item = ParseItem(line)) items.push_back(std::move(*item));
  }
  if (!WriteTotalsFile(source, items)) return std::nullopt;
  const auto lines = ReadLines(source, "tmpfile.tmp", "Cannot open bigfile.tmp");
  if (!lines) return std::nullopt;
  items.clear();
  for (const std::string& line : *lines) {
    if (auto item = ParseItem(line)) items.push_back(std::move(*item));
  }

  // Labels in order of first appearance; the incoming ones come first, so at most 50 of the
  // two kinds together are kept.
  std::vector<std::string> incomingLabels, outgoingLabels;
  int labelCount = 0;
  for (const ItemLine& item : items) {
    if (item.amount <= 0.0f || labelCount >= kMaxEventLabels) continue;
    std::vector<std::string>* labels = IsIncomingCategory(item.category)   ? &incomingLabels
                                       : IsOutgoingCategory(item.category) ? &outgoingLabels
                                                                           : nullptr;
    if (labels == nullptr) continue;
    if (std::find(labels->begin(), labels->end(), item.label) != labels->end()) continue;
    labels->push_back(item.label);
    ++labelCount;
  }
  const std::vector<std::string>& labels = incoming ? incomingLabels : outgoingLabels;

  PageTable table;
  table.headingLead = "Age\t";
  table.headingEnd = "\n";
  table.splitColumns = true;
  table.firstCounter = 4;
  table.laterCounter = 7;
  table.endMark = "Dooooone\n";
  for (const std::string& label : labels)
    table.titles.push_back(core::Format("%15s\t", label.c_str()));
  if (labels.empty()) return table;

  // One row per age, in the order the ages come.
  std::vector<std::string> ages;
  for (const ItemLine& item : items) {
    if (std::find(ages.begin(), ages.end(), item.ageText) == ages.end())
      ages.push_back(item.ageText);
  }
  for (const std::string& ageText : ages) {
    TableRow row{core::Format("%5.1f\t", static_cast<double>(Number(ageText))), {}, "\n"};
    for (const std::string& label : labels) {
      std::string cell = "0.00";
      for (const ItemLine& item : items) {
        const bool sameSide =
            incoming ? IsIncomingCategory(item.category) : IsOutgoingCategory(item.category);
        if (item.ageText == ageText && item.label == label && sameSide) {
          cell = item.amountText;
          break;
        }
      }
      row.cells.push_back(cell + "\t");
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

namespace {

struct IoRecord {
  int age = 0;
  std::string account;
  float amount = 0.0f;
};

struct IoData {
  std::vector<std::string> names;
  std::vector<IoRecord> in, out;
};

void ReadRecords(const std::vector<std::string>& lines, size_t from, std::vector<IoRecord>& into) {
  for (size_t i = from; i < lines.size() && into.size() < static_cast<size_t>(kMaxIoRecords); ++i) {
    const auto fields = SplitTabs(lines[i]);
    if (fields.size() < 3) continue;
    const float amount = Number(fields[2]);
    if (!(amount > 0.0f)) continue;
    into.push_back({engine::WholeAge(Number(fields[0])), fields[1], amount});
  }
}

std::optional<IoData> ReadIo(const ReportSource& source) {
  const auto inLines = ReadLines(source, "infile.tmp", "Cannot open infile.tmp");
  if (!inLines) return std::nullopt;
  const auto outLines = ReadLines(source, "outfile.tmp", "Cannot open outfile.tmp");
  if (!outLines) return std::nullopt;
  if (inLines->empty()) return std::nullopt;
  const int count = std::atoi((*inLines)[0].c_str());
  if (count < 1 || count > core::kMaxAccounts || inLines->size() < static_cast<size_t>(count) + 1) {
    return std::nullopt;
  }
  IoData data;
  for (int i = 1; i <= count; ++i) data.names.push_back((*inLines)[static_cast<size_t>(i)]);
  ReadRecords(*inLines, static_cast<size_t>(count) + 1, data.in);
  ReadRecords(*outLines, 0, data.out);
  return data;
}

// The sums per account of `records` at whole age `age`.
std::vector<float> SumsAt(const IoData& data, const std::vector<IoRecord>& records, int age) {
  std::vector<float> sums(data.names.size(), 0.0f);
  for (const IoRecord& record : records) {
    if (record.age != age) continue;
    for (size_t a = 0; a < data.names.size(); ++a) {
      if (data.names[a] == record.account) {
        sums[a] += record.amount;
        break;
      }
    }
  }
  return sums;
}

TableRow IoRow(int age, const char* side, const std::vector<float>& sums) {
  TableRow row{core::Format("%5.1f-%s\t", static_cast<double>(age), side), {}, "\n"};
  float total = 0.0f;
  for (float sum : sums) {
    row.cells.push_back(core::Format("%13.2f\t", static_cast<double>(sum)));
    total += sum;
  }
  row.cells.push_back(core::Format("%13.2f", static_cast<double>(total)));
  return row;
}

}  // namespace

std::optional<PageTable> AccountsIoTable(const ReportSource& source) {
  const auto data = ReadIo(source);
  if (!data) return std::nullopt;
  PageTable table;
  table.headingLead = "Age\t";
  table.headingEnd = "\n";
  table.splitColumns = true;
  table.firstCounter = table.laterCounter = 6;
  table.endMark = "Dooooone\n";
  for (const std::string& name : data->names) table.titles.push_back(name + "\t");
  table.titles.push_back("Total");
  int lowest = 1000, highest = -1;
  for (const auto* records : {&data->in, &data->out}) {
    for (const IoRecord& record : *records) {
      lowest = std::min(lowest, record.age);
      highest = std::max(highest, record.age);
    }
  }
  for (int age = lowest; age <= highest; ++age) {
    table.rows.push_back(IoRow(age, "I", SumsAt(*data, data->in, age)));
    table.rows.push_back(IoRow(age, "O", SumsAt(*data, data->out, age)));
  }
  return table;
}

std::string AccountsIoDetailTitle(int age, bool incoming) {
  return core::Format(
      incoming ? "Accounts Incoming Report -- Age %d" : "Accounts Outgoing Report -- Age %d", age);
}

namespace {

constexpr const char* kKindNames[] = {"Asset             ", "Equity            ",
                                      "Investment Savings", "Retirement Savings",
                                      "Tax Free Savings  "};

bool WriteText(const ReportSource& source, const std::string& name, const std::string& text) {
  std::FILE* file = std::fopen(core::ResolvePath(source.workDir, name).c_str(), "wb");
  if (file == nullptr) {
    if (source.prompter != nullptr) {
      source.prompter->ShowMessage("FILE OPEN ERROR", name, platform::Icon::Error);
    }
    return false;
  }
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  return true;
}

}  // namespace

int BuildAccountsIoDetail(const ReportSource& source, int age, bool incoming) {
  if (source.scenario == nullptr) return 0;
  const auto data = ReadIo(source);
  if (!data) return 0;
  const core::Scenario& scenario = *source.scenario;
  const std::vector<float> sums = SumsAt(*data, incoming ? data->in : data->out, age);
  const std::string heading =
      std::string(incoming ? "Accounts\tIncoming\n" : "Accounts\tOutgoing\n") +
      "---------------------------\n\n";
  // The account record of column a: the run's account of the same name.
  auto accountOf = [&](size_t a) -> const core::Account* {
    for (int i = 0; i < scenario.accountCount() && i < core::kMaxAccounts; ++i) {
      if (core::TextOf(scenario.account(i).name) == data->names[a]) return &scenario.account(i);
    }
    return nullptr;
  };
  auto line = [&](size_t a) {
    return data->names[a] + "\t" + core::Format("%13.2f", static_cast<double>(sums[a])) + "\n";
  };

  std::string byKind = heading;
  float total = 0.0f;
  for (int kind = 0; kind < 5; ++kind) {
    float subtotal = 0.0f;
    bool any = false;
    for (size_t a = 0; a < data->names.size(); ++a) {
      const core::Account* account = accountOf(a);
      if (account == nullptr || account->kind != kind) continue;
      byKind += line(a);
      subtotal += sums[a];
      any = true;
    }
    if (!any) continue;
    byKind += core::Format("\tSub Total -- %s Accounts\t%13.2f\n", kKindNames[kind],
                           static_cast<double>(subtotal));
    total += subtotal;
  }
  byKind += core::Format("\tTotal\t%13.2f\n", static_cast<double>(total)) + "Dooooone\n";
  if (!WriteText(source, "rpage1", byKind)) return 0;

  std::string byGroup = heading;
  total = 0.0f;
  for (int g = 0; g < core::kMaxGroups; ++g) {
    const std::string group = core::TextOf(scenario.groups.groupName[g]);
    if (group.empty()) continue;
    float subtotal = 0.0f;
    bool any = false;
    for (size_t a = 0; a < data->names.size(); ++a) {
      const core::Account* account = accountOf(a);
      if (account == nullptr || account->groupIndex != g) continue;
      byGroup += line(a);
      subtotal += sums[a];
      any = true;
    }
    if (!any) continue;
    byGroup += core::Format("\tSub Total -- %s Group\t%13.2f\n", group.c_str(),
                            static_cast<double>(subtotal));
    total += subtotal;
  }
  byGroup += core::Format("\tTotal\t%13.2f\n", static_cast<double>(total)) + "Dooooone\n";
  if (!WriteText(source, "rpage2", byGroup)) return 1;
  return 2;
}

}  // namespace reports
