// The folders of the planner's window in their order, and the headings of the graph folders.
#pragma once

#include <array>

namespace kxui {

enum class Folder {
  Summary,
  Maker,  // "Kestrune Software", hidden by a preference
  Accounts,
  Scenario,
  Results,
  NetWorth,
  IncomingOutgoing,
  Incoming,
  Outgoing,
  Groups,
  MonteCarlo,
};

inline constexpr int kFolderCount = 11;

struct FolderName {
  Folder folder;
  const char* title;    // the tab's text
  const char* heading;  // the graph folders' heading; nullptr for the others
};

inline constexpr std::array<FolderName, kFolderCount> kFolders = {{
    {Folder::Summary, "Summary", nullptr},
    {Folder::Maker, "Kestrune Software", nullptr},
    {Folder::Accounts, "Accounts", nullptr},
    {Folder::Scenario, "Scenario", nullptr},
    {Folder::Results, "Results", nullptr},
    {Folder::NetWorth, "Net Worth", "NET WORTH"},
    {Folder::IncomingOutgoing, "Incoming/Outgoing", "INCOMING / OUTGOING"},
    {Folder::Incoming, "Incoming", "INCOMING"},
    {Folder::Outgoing, "Outgoing", "OUTGOING"},
    {Folder::Groups, "Groups", "GROUPS"},
    {Folder::MonteCarlo, "Monte Carlo Analysis", nullptr},
}};

}  // namespace kxui
