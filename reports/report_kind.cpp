#include "reports/report_kind.h"

namespace reports {

namespace {

constexpr ReportKindInfo kKinds[kReportKindCount] = {
    {ReportKind::NetWorth, "networth", "Net Worth Report"},
    {ReportKind::Incoming, "incoming", "Incoming Report"},
    {ReportKind::Outgoing, "outgoing", "Outgoing Report"},
    {ReportKind::Accounts, "accounts", "Account Report"},
    {ReportKind::AccountAllocations, "account-allocations", "Account Allocation Report"},
    {ReportKind::Groups, "groups", "Group Report"},
    {ReportKind::GroupAllocations, "group-allocations", "Group Allocation Report"},
    {ReportKind::IncomingEvents, "incoming-events", "Incoming Events Report"},
    {ReportKind::OutgoingEvents, "outgoing-events", "Outgoing Events Report"},
    {ReportKind::AccountsIo, "accounts-io", "Accounts/Input/Output Report"},
};

}  // namespace

const ReportKindInfo (&AllReportKinds())[kReportKindCount] { return kKinds; }

const ReportKindInfo& InfoOf(ReportKind kind) {
  for (const ReportKindInfo& info : kKinds) {
    if (info.kind == kind) return info;
  }
  return kKinds[0];
}

std::optional<ReportKind> ReportKindFromWord(std::string_view word) {
  for (const ReportKindInfo& info : kKinds) {
    if (word == info.word) return info.kind;
  }
  return std::nullopt;
}

}  // namespace reports
