#include "planner/print_jobs.h"

#include <algorithm>

#include "calc/payment_schedule.h"
#include "calc/refinance.h"
#include "core/file_io.h"
#include "core/text_reading.h"

#include <charconv>
#include <cstdio>

#include "core/file_io.h"
#include "core/text.h"
#include "engine/scenario_description.h"
#include "planner/planner.h"
#include "core/budget_files.h"
#include "reports/budget_page.h"
#include "reports/budget_report.h"
#include "reports/page_table.h"
#include "reports/pagination.h"

namespace planner {

namespace {

constexpr size_t kTitleLength = 59;

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

reports::JobDocument NewJob(Planner& planner, const std::string& heading) {
  reports::JobDocument document;
  document.fileName = planner.document().path;
  document.pages.push_back(reports::JobPage{heading, {}, true, false});
  return document;
}

std::optional<reports::JobDocument> ScheduleJob(Planner& planner) {
  if (!planner.WritePrintFile()) return std::nullopt;
  const int pages = reports::Paginate(planner.workDir(), reports::PaginationVariant::Schedule,
                                      &planner.services().prompter);
  if (pages == 0) return std::nullopt;
  reports::JobDocument document = NewJob(planner, "Financial Schedule");
  if (!reports::AppendPageFiles(document, planner.workDir(), "page", pages, "Financial Schedule",
                                false, &planner.services().prompter)) {
    return std::nullopt;
  }
  return document;
}

std::optional<reports::JobDocument> ScenarioJob(Planner& planner) {
  std::string text;
  engine::WriteScenarioDescription(planner.document().scenario, planner.lastRun().currentAge,
                                   planner.startup().pound, [&](std::string_view line, int) {
                                     text.append(line);
                                     text += '\n';
                                   });
  std::FILE* file =
      std::fopen(core::ResolvePath(planner.workDir(), reports::kPrintFile).c_str(), "wb");
  if (file == nullptr) {
    planner.services().prompter.ShowMessage("FILE ERROR", "Cannot open temporary print file",
                                            platform::Icon::Error);
    return std::nullopt;
  }
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  const int pages = reports::Paginate(planner.workDir(), reports::PaginationVariant::Scenario,
                                      &planner.services().prompter);
  if (pages == 0) return std::nullopt;
  reports::JobDocument document = NewJob(planner, "Financial Scenario");
  if (!reports::AppendPageFiles(document, planner.workDir(), "page", pages, "Financial Scenario",
                                false, &planner.services().prompter)) {
    return std::nullopt;
  }
  return document;
}

// Appends the print pages of one report; false when it has none or they failed.
bool AppendReport(Planner& planner, reports::JobDocument& document, reports::ReportKind kind) {
  const int pages = reports::BuildReport(ReportSourceOf(planner), kind, false);
  if (pages == 0) return false;
  return reports::AppendPageFiles(document, planner.workDir(), "rpage", pages,
                                  reports::InfoOf(kind).title, true, &planner.services().prompter);
}

}  // namespace

reports::ReportSource ReportSourceOf(Planner& planner) {
  engine::RunContext& run = planner.lastRun();
  reports::ReportSource source;
  source.results = &run.results;
  source.scenario = run.scenario != nullptr ? run.scenario : &planner.document().scenario;
  source.currentAge = run.currentAge;
  source.currencyWord = run.CurrencyWord();
  source.workDir = planner.workDir();
  source.prompter = &planner.services().prompter;
  return source;
}

namespace {

constexpr size_t kTableRowsPerPage = 50;
constexpr size_t kPageColumns = 8;  // the age and seven columns, as the page grid holds them

// The cells of a table line; a line's closing tab ends its last cell, it starts no new one.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields = reports::SplitTabs(line);
  if (!fields.empty() && fields.back().empty()) fields.pop_back();
  return fields;
}

// The first field and the fields first..first+count-1 of a tab-separated line.
std::string ColumnsOf(const std::string& line, size_t first, size_t count) {
  const std::vector<std::string> fields = Fields(line);
  std::string out = fields.empty() ? std::string() : fields[0];
  for (size_t f = first; f < fields.size() && f < first + count; ++f) out += "\t" + fields[f];
  return out;
}

// A table (its column titles, then its rows, each a tab-separated line) as the pages of a job,
// the titles at the top of every page.
std::optional<reports::JobDocument> TableJob(Planner& planner, const std::vector<std::string>& lines,
                                             const std::string& title) {
  if (lines.size() < 2) return std::nullopt;
  reports::JobDocument document = NewJob(planner, title);
  // Columns beyond the page's grid go on pages of their own, each with the first column again.
  const size_t columns = Fields(lines[0]).size();
  for (size_t first = 1; first < lines.size(); first += kTableRowsPerPage) {
    for (size_t column = 1; column < std::max<size_t>(columns, 2); column += kPageColumns - 1) {
      reports::JobPage page{title, {ColumnsOf(lines[0], column, kPageColumns - 1)}, false, true};
      for (size_t row = first; row < lines.size() && row < first + kTableRowsPerPage; ++row) {
        page.lines.push_back(ColumnsOf(lines[row], column, kPageColumns - 1));
      }
      document.pages.push_back(std::move(page));
    }
  }
  return document;
}

// A calculator's table file, up to its end mark, as the pages of a job.
std::optional<reports::JobDocument> TableFileJob(Planner& planner, const std::string& file,
                                                 const std::string& title) {
  const auto text = core::ReadWholeFile(core::ResolvePath(planner.workDir(), file));
  if (!text) {
    planner.services().prompter.ShowMessage("FILE OPEN ERROR", "Cannot open " + file,
                                            platform::Icon::Error);
    return std::nullopt;
  }
  std::vector<std::string> lines = core::SplitLines(*text);
  while (!lines.empty() && (lines.back().empty() || lines.back().rfind("Doo", 0) == 0)) {
    lines.pop_back();
  }
  return TableJob(planner, lines, title);
}

// The budget report of the budget "pbudout.tmp" holds.
std::optional<reports::JobDocument> BudgetReportJob(Planner& planner) {
  const auto budget = core::ReadBudgetReportFile(planner.workDir(), core::Budget{},
                                                 planner.services().prompter);
  if (!budget) return std::nullopt;
  const reports::BudgetReport report = reports::MakeBudgetReport(*budget);
  return TableJob(planner, reports::BudgetReportTable(report), report.title);
}

// "payment-schedule:N": the schedule of the scenario's N-th mortgage (1 the first), written
// first; counted among the mortgages, since the run orders the events by kind.
bool WriteEventSchedule(Planner& planner, std::string_view number) {
  const auto n = Number(number);
  const core::Scenario& s = planner.document().scenario;
  int seen = 0;
  for (int i = 0; n && i < s.eventCount(); ++i) {
    const core::FinancialEvent& e = s.events[static_cast<size_t>(i)];
    if (e.kind != core::kMortgage || ++seen != *n) continue;
    return calc::WriteScheduleFile(planner.workDir(),
                                   calc::MortgageSchedule(e, planner.lastRun().currentAge),
                                   planner.services().prompter);
  }
  return false;
}

}  // namespace

bool IsPrintJobWord(std::string_view what) {
  if (what == "results" || what == "scenario" || what == "all-reports") return true;
  if (what == "payment-schedule" || what == "refinance" || what == "budget-report") return true;
  if (what.rfind("budget-report:", 0) == 0) {
    const auto n = Number(what.substr(14));
    return n && *n >= 1 && *n <= core::kBudgetCount;
  }
  if (what.rfind("payment-schedule:", 0) == 0) return Number(what.substr(17)).has_value();
  if (what.rfind("report:", 0) == 0) return reports::ReportKindFromWord(what.substr(7)).has_value();
  if (what.rfind("budget:", 0) == 0) {
    const auto n = Number(what.substr(7));
    return n && *n >= 1 && *n <= core::kBudgetCount;
  }
  return what.rfind("accounts-io-detail:", 0) == 0;
}

std::optional<reports::JobDocument> BuildBudgetPrintJob(Planner& planner, int budget) {
  if (budget < 0 || budget >= core::kBudgetCount) return std::nullopt;
  return BuildBudgetPrintJob(
      planner, planner.document().scenario.budgets[static_cast<size_t>(budget)], budget);
}

std::optional<reports::JobDocument> BuildBudgetPrintJob(Planner& planner,
                                                        const core::Budget& record, int budget) {
  if (!reports::WriteBudgetPage(record, planner.workDir(), &planner.services().prompter)) {
    return std::nullopt;
  }
  std::string name = core::TextOf(record.budgetName);
  if (name.empty()) name = "Budget " + std::to_string(budget + 1);
  reports::JobDocument document = NewJob(planner, name);
  if (!reports::AppendPageFiles(document, planner.workDir(), "rpage", 1, name, true,
                                &planner.services().prompter)) {
    return std::nullopt;
  }
  return document;
}

std::optional<reports::JobDocument> BuildPrintJob(Planner& planner, std::string_view what) {
  if (what == "results") return ScheduleJob(planner);
  if (what == "scenario") return ScenarioJob(planner);
  if (what == "all-reports") {
    reports::JobDocument document = NewJob(planner, "Financial Reports");
    for (const reports::ReportKindInfo& info : reports::AllReportKinds()) {
      AppendReport(planner, document, info.kind);
    }
    if (document.pages.size() < 2) return std::nullopt;
    return document;
  }
  if (what.rfind("report:", 0) == 0) {
    const auto kind = reports::ReportKindFromWord(what.substr(7));
    if (!kind) return std::nullopt;
    reports::JobDocument document = NewJob(planner, reports::InfoOf(*kind).title);
    if (!AppendReport(planner, document, *kind)) return std::nullopt;
    return document;
  }
  if (what.rfind("budget:", 0) == 0) {
    const auto n = Number(what.substr(7));
    if (!n) return std::nullopt;
    return BuildBudgetPrintJob(planner, *n - 1);
  }
  // The budget report as "Print Report" last wrote it, or of the scenario's budget N.
  if (what == "budget-report") return BudgetReportJob(planner);
  if (what.rfind("budget-report:", 0) == 0) {
    const auto n = Number(what.substr(14));
    if (!n || *n < 1 || *n > core::kBudgetCount) return std::nullopt;
    const core::Budget& budget =
        planner.document().scenario.budgets[static_cast<size_t>(*n - 1)];
    if (!core::WriteBudgetReport(budget, planner.workDir(), planner.services().prompter)) {
      return std::nullopt;
    }
    return BudgetReportJob(planner);
  }
  // The Mortgage Schedule as its dialog last wrote it, or of a mortgage of the scenario.
  if (what == "payment-schedule") return TableFileJob(planner, calc::kScheduleFile, "Mortgage Schedule");
  if (what.rfind("payment-schedule:", 0) == 0) {
    if (!WriteEventSchedule(planner, what.substr(17))) return std::nullopt;
    return TableFileJob(planner, calc::kScheduleFile, "Mortgage Schedule");
  }
  // The refinance analysis of the values the calculator keeps.
  if (what == "refinance") {
    const auto outcome =
        calc::AnalyseRefinance(planner.calculators().refinance, planner.services().prompter);
    if (!outcome || !calc::WriteRefinancePrintFile(planner.workDir(), *outcome,
                                                   planner.services().prompter)) {
      return std::nullopt;
    }
    return TableFileJob(planner, calc::kRefinancePrintFile, "Refinance Analysis");
  }
  if (what.rfind("accounts-io-detail:", 0) == 0) {
    const std::string_view rest = what.substr(19);
    const size_t colon = rest.find(':');
    const auto age = Number(rest.substr(0, colon));
    if (!age || colon == std::string_view::npos) return std::nullopt;
    const bool incoming = rest.substr(colon + 1) != "O";
    const std::string title = reports::AccountsIoDetailTitle(*age, incoming);
    if (reports::BuildAccountsIoDetail(ReportSourceOf(planner), *age, incoming) != 2) {
      return std::nullopt;
    }
    reports::JobDocument document = NewJob(planner, title);
    if (!reports::AppendPageFiles(document, planner.workDir(), "rpage", 2, title, true,
                                  &planner.services().prompter)) {
      return std::nullopt;
    }
    return document;
  }
  return std::nullopt;
}

reports::PageOptions PageOptionsOf(Planner& planner) {
  const ReportOptions chosen = ReportOptionsOf(planner);
  reports::PageOptions options;
  const std::string face = core::TextOf(planner.document().scenario.fonts[2].faceName);
  if (!face.empty()) options.fontFace = face;
  options.banding = chosen.banding;
  options.boxing = chosen.boxing;
  options.columns = chosen.columns;
  options.titles = chosen.titles;
  options.useTitle = chosen.useTitle;
  options.now = planner.services().clock.Now();
  return options;
}

ReportOptions ReportOptionsOf(const Planner& planner) {
  const core::Scenario& scenario = planner.document().scenario;
  const core::PageSettings& live = planner.preferences();
  ReportOptions options;
  for (size_t i = 0; i < 3; ++i) {
    options.titles[i] = core::TextOf(scenario.titles.title[i]);
    options.useTitle[i] = scenario.titles.printTitle[i] == 1;
  }
  options.banding = live.reportBanding != 0;
  options.boxing = live.reportBoxes != 0;
  options.columns = live.reportColumns != 0;
  return options;
}

void StoreReportOptions(Planner& planner, const ReportOptions& options) {
  core::Scenario& scenario = planner.document().scenario;
  for (size_t i = 0; i < 3; ++i) {
    core::CopyText(scenario.titles.title[i], options.titles[i].substr(0, kTitleLength));
    scenario.titles.printTitle[i] = options.useTitle[i] ? 1 : 0;
  }
  for (core::PageSettings* page : {&planner.preferences(), &scenario.page}) {
    page->reportBanding = options.banding ? 1 : 0;
    page->reportBoxes = options.boxing ? 1 : 0;
    page->reportColumns = options.columns ? 1 : 0;
  }
  planner.document().modified = true;
}

std::array<int, 4> PageMargins(const Planner& planner) {
  const core::PageSettings& page = planner.document().scenario.page;
  return {page.marginLeft, page.marginTop, page.marginRight, page.marginBottom};
}

void StorePageMargins(Planner& planner, const std::array<int, 4>& margins) {
  for (core::PageSettings* page : {&planner.preferences(), &planner.document().scenario.page}) {
    page->marginLeft = margins[0];
    page->marginTop = margins[1];
    page->marginRight = margins[2];
    page->marginBottom = margins[3];
  }
}

reports::PageGeometry GeometryFor(const Planner& planner, int width, int height, double dpiX,
                                  double dpiY) {
  const std::array<int, 4> m = PageMargins(planner);
  return reports::PageGeometry{width,
                               height,
                               reports::MarginPixels(m[0], dpiX),
                               reports::MarginPixels(m[1], dpiY),
                               reports::MarginPixels(m[2], dpiX),
                               reports::MarginPixels(m[3], dpiY)};
}

}  // namespace planner
