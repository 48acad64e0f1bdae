#include "planner/command_table.h"

#include <array>
#include <cstdio>

#include "planner/planner.h"

namespace planner {

namespace {

void Help(Planner& p, int topic) { p.ShowHelp(topic); }

constexpr const char* kAddEvent = "Edit > Add Event To Scenario";
constexpr const char* kBudgets = "Edit > Budgets";

const CommandEntry kCommands[] = {
    {"File", "&New", 1, "Alt+N", [](Planner& p, int) { p.NewScenario(); }},
    {"File", "&Open...", 2, "Alt+O", [](Planner& p, int) { p.OpenScenario(); }},
    {"File", "&Save", 3, "Alt+S", [](Planner& p, int) { p.SaveScenario(); }},
    {"File", "S&ave as..", 4, "Alt+A", [](Planner& p, int) { p.SaveScenarioAs(); }},
    {"File", "&Import Account Data", 13, "Alt+I", [](Planner& p, int) { p.ImportAccountData(); }},
    {"File", "&Export Account Results", 12, "Alt+E",
     [](Planner& p, int) { p.ExportAccountResults(); }},
    {"File", "Save A&ccounts", 8, "Alt+C", [](Planner& p, int) { p.SaveAccounts(); }},
    {"File", "&Read Accounts", 9, "Alt+R", [](Planner& p, int) { p.ReadAccounts(); }},
    {"File", "Re-Index Accounts", 14, "", [](Planner& p, int) { p.ReindexAccounts(); }},
    {"File", "Save &Graphs", 11, "Alt+G", [](Planner& p, int) { p.SaveGraphs(); }},
    {"File", "E&xit", 5, "Alt+X", [](Planner& p, int) { p.Exit(); }},
    {"File", "A&bout..", 6, "Alt+B", [](Planner& p, int) { p.ShowAbout(); }},

    {"Edit", "Initial &Values", 7, "Alt+V", nullptr, PlaceKind::Dialog, "INITIAL"},
    {"Edit", "Gro&up Names", 102, "Alt+U", nullptr, PlaceKind::Dialog, "GROUPS"},
    {"Edit", "Add Account", 200, "Alt+K", nullptr, PlaceKind::Dialog, "ACCOUNTINFO"},
    {kAddEvent, "&Withdrawal", 101, "Alt+W", nullptr, PlaceKind::Dialog, "WITHDRAWAL"},
    {kAddEvent, "&Deposit", 106, "Alt+D", nullptr, PlaceKind::Dialog, "INCOME"},
    {kAddEvent, "&Loan", 107, "Alt+L", nullptr, PlaceKind::Dialog, "LOAN"},
    {kAddEvent, "Credit Card Debt", 466, "Alt+Z", nullptr, PlaceKind::Dialog, "CCARD"},
    {kAddEvent, "&Mortgage", 108, "Alt+M", nullptr, PlaceKind::Dialog, "MORTGAGE"},
    {kAddEvent, "&Transfer", 109, "Alt+T", nullptr, PlaceKind::Dialog, "TRANSFER"},
    {kAddEvent, "&Fundamentals", 110, "Alt+F", nullptr, PlaceKind::Dialog, "FUNDAMENTALS"},
    {"Edit", "Asset Allocation Wit&hdrawal Options", 888, "Alt+H", nullptr, PlaceKind::Dialog,
     "AA"},
    {"Edit", "Re&quired Minimum Distribution", 889, "Alt+Q", nullptr, PlaceKind::Dialog, "MRW"},
    {kBudgets, "Budget 1", 461, "", nullptr, PlaceKind::Dialog, "BUDGET"},
    {kBudgets, "Budget 2", 462, "", nullptr, PlaceKind::Dialog, "BUDGET"},
    {kBudgets, "Budget 3", 463, "", nullptr, PlaceKind::Dialog, "BUDGET"},
    {kBudgets, "Budget 4", 464, "", nullptr, PlaceKind::Dialog, "BUDGET"},
    {kBudgets, "Budget 5", 465, "", nullptr, PlaceKind::Dialog, "BUDGET"},
    {"Edit", "Adjust Monte Carlo Analysis", 788, "Alt+Y", nullptr, PlaceKind::Dialog, "MONTE1"},
    {"Edit", "Rule 72T Distribution", 794, "Alt+P", nullptr, PlaceKind::Dialog, "RULE"},
    {"Edit", "Preferences", kPreferencesCommand, "", nullptr, PlaceKind::Dialog, "PREF"},

    {"Tools/Aids", "M&ortgage Calculator", 881, "Ctrl+O", nullptr, PlaceKind::Dialog,
     "MORTGAGEC", true},
    {"Tools/Aids", "&Refinance Analysis", 882, "Ctrl+R", nullptr, PlaceKind::Dialog, "REFINANCE",
     true},
    {"Tools/Aids", "&Accelerated Mortgage Payment Analysis", 883, "Ctrl+A", nullptr,
     PlaceKind::Dialog, "ACCEL", true},
    {"Tools/Aids", "I&nflation Calculator", 177, "Ctrl+N", nullptr, PlaceKind::Dialog, "INFLATE",
     true},
    {"Tools/Aids", "Ta&xes/Inflation/Investment Analysis", 180, "Ctrl+X", nullptr,
     PlaceKind::Dialog, "TAXINF", true},
    {"Tools/Aids", "&Trade-off Analysis", 179, "Ctrl+T", nullptr, PlaceKind::Dialog, "TRADE",
     true},
    {"Tools/Aids", "&Compare Scenarios", 178, "Ctrl+C",
     [](Planner& p, int) { p.StartCompanion("kxcomp", {kPlotFile, p.startup().CurrencyWord()}); }},
    {"Tools/Aids", "Calculat&e Effective Yearly Interest Rate", 886, "Ctrl+E", nullptr,
     PlaceKind::Dialog, "EFFECTIVE", true},
    {"Tools/Aids", "Calculate Cre&dit Card Debt Payoff", 467, "Ctrl+D", nullptr,
     PlaceKind::Dialog, "CCARD", true},
    {"Tools/Aids", "View &Monte Carlo Statistics", 903, "Ctrl+M",
     [](Planner& p, int) { p.StartCompanion("kxviewer", {}); }},
    {"Tools/Aids", "Calculate Rule 72T Distributions", 904, "Ctrl+B",
     [](Planner& p, int) { p.StartCompanion("kxrule", {p.startup().CurrencyWord()}); }},
    {"Tools/Aids", "&Window's Calculator", 884, "Ctrl+W",
     [](Planner& p, int) { p.StartDesktopCalculator(); }},

    {"Reports", "Pr&int Scenario", 905, "Ctrl+I", nullptr, PlaceKind::PrintJob, "scenario"},
    {"Reports", "Print Results Report", 401, "Ctrl+F1", nullptr, PlaceKind::PrintJob, "results"},
    {"Reports", "Net Worth Report", 891, "Ctrl+F2", nullptr, PlaceKind::ReportWindow, "networth"},
    {"Reports", "Incoming Report", 892, "Ctrl+F3", nullptr, PlaceKind::ReportWindow, "incoming"},
    {"Reports", "Outgoing Report", 893, "Ctrl+F4", nullptr, PlaceKind::ReportWindow, "outgoing"},
    {"Reports", "Account Report", 894, "Ctrl+F5", nullptr, PlaceKind::ReportWindow, "accounts"},
    {"Reports", "Group Report", 895, "Ctrl+F6", nullptr, PlaceKind::ReportWindow, "groups"},
    {"Reports", "Incoming Events Report", 897, "Ctrl+F7", nullptr, PlaceKind::ReportWindow,
     "incoming-events"},
    {"Reports", "Outgoing Events Report", 898, "Ctrl+F8", nullptr, PlaceKind::ReportWindow,
     "outgoing-events"},
    {"Reports", "Accounts/Input/Output Report", 899, "Ctrl+F9", nullptr, PlaceKind::ReportWindow,
     "accounts-io"},
    {"Reports", "Account Allocations", 793, "Ctrl+F10", nullptr, PlaceKind::ReportWindow,
     "account-allocations"},
    {"Reports", "Group Allocations", 792, "Ctrl+F11", nullptr, PlaceKind::ReportWindow,
     "group-allocations"},
    {"Reports", "Print All Reports", 791, "Ctrl+F12", nullptr, PlaceKind::PrintJob,
     "all-reports"},
    {"Reports", "Page Setup", 406, "Ctrl+Y", nullptr, PlaceKind::PageSetup, "page-setup"},
    {"Reports", "Report Option&s", 405, "Ctrl+S", nullptr, PlaceKind::Dialog, "OPTIONS"},

    {"Graphs", "Create Graph Window", 501, "F2", nullptr, PlaceKind::GraphWindow, "graph-window"},
    {"Graphs", "Save &Graphs", 11, "", [](Planner& p, int) { p.SaveGraphs(); }},
    {"Graphs", "Open In The Plotter", kPlotterCommand, "",
     [](Planner& p, int) { p.StartCompanion("kxplot", {kPlotFile, p.startup().CurrencyWord()}); }},
    {"Graphs", "Print Current &Graph", 404, "Ctrl+G", nullptr, PlaceKind::PrintJob, "graph"},
    {"Graphs", "Page Setup", 406, "", nullptr, PlaceKind::PageSetup, "page-setup"},

    {"Quick Tips", "Importing Account Data From A Tab-Delimited File", 776, "Shift+F1", Help},
    {"Quick Tips", "Exporting Account Data To A Tab-Delimited File", 777, "Shift+F2", Help},
    {"Quick Tips", "Summary Folder", 778, "Shift+F3", Help},
    {"Quick Tips", "Accounts Folder", 779, "Shift+F4", Help},
    {"Quick Tips", "Results Folder", 780, "Shift+F5", Help},
    {"Quick Tips", "Graph Functionality", 781, "Shift+F6", Help},
    {"Quick Tips", "Asset Allocation Withdrawals", 782, "Shift+F7", Help},
    {"Quick Tips", "Required Minimum Distribution", 783, "Shift+F8", Help},
    {"Quick Tips", "Printing Reports", 784, "Shift+F9", Help},
    {"Quick Tips", "Revenue Code Section 529 (College Investment Plan)", 785, "Shift+F10", Help},
    {"Quick Tips", "Lighter Banding", 786, "", Help},
    {"Quick Tips", "Adding Summary Information to Results", 787, "", Help},
    {"Quick Tips", "Monte Carlo Analysis", 789, "", Help},
    {"Quick Tips", "Getting Started", 912, "", Help},

    {"Help", "Getting Started", 912, "", Help},
    {"Help", "Table Of Contents", 104, "F1", Help},
    {"Help", "Help On Help", 105, "F4", Help},
    {"Help", "Download PDF version of the manual", 671, "F10",
     [](Planner& p, int) { p.OfferManual(); }},
};

constexpr std::array<ToolbarButton, 25> kToolbar = {{
    {"Create a New Scenario", 1},
    {"Open a Scenario", 2},
    {"Import Accounts", 13},
    {"Export Accounts", 12},
    {"Write Accounts To a File", 8},
    {"Read Accounts From a File", 9},
    {"Help", 104},
    {"Print the Results", 401},
    {"Save the Scenario", 3},
    {"Save Graphs To a File", 11},
    {"Print Current Graph", 404},
    {"Open A Graph Window", 501},
    {"Save Scenario Under a Different Name", 4},
    {"Accelerated Mortgage Calculator", 883},
    {"Refinance Mortgage Calculator", 882},
    {"Mortgage Calculator", 881},
    {"Inflation Calculator", 177},
    {"Open Window's Calculator", 884},
    {"Trade-off Analysis", 179},
    {"Compare Scenarios", 178},
    {"Tax/Inflation/Investment Analysis", 180},
    {"About the Dudavovez Odoredo", 6},
    {"Effective Interest Rate Calculator", 886},
    {"Calculate Credit Card Debt Payoff", 467},
    {"Calculate Rule 72T Distributions", 904},
}};

}  // namespace

std::span<const CommandEntry> CommandTable() { return kCommands; }

const CommandEntry* FindCommand(int number) {
  for (const CommandEntry& entry : kCommands) {
    if (entry.number == number) return &entry;
  }
  return nullptr;
}

std::vector<std::string> TopLevelMenus() {
  std::vector<std::string> menus;
  for (const CommandEntry& entry : kCommands) {
    std::string menu = entry.menu;
    menu = menu.substr(0, menu.find(" > "));
    if (menus.empty() || menus.back() != menu) menus.push_back(menu);
  }
  return menus;
}

std::span<const ToolbarButton> ToolbarButtons() { return kToolbar; }

std::string ShortcutListing() {
  std::string listing;
  for (const CommandEntry& entry : kCommands) {
    listing += std::string(entry.menu) + '\t' + entry.text + '\t' + std::to_string(entry.number) +
               '\t' + entry.keys + '\n';
  }
  return listing;
}

}  // namespace planner
