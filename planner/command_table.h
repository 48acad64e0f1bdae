// The planner's commands as data: every menu entry with its text and mnemonic, its command
// number, its keys and what it does; the toolbar buttons with their tooltips. The window builds
// its menus, toolbar and accelerators from these tables and hands each command to the session.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "planner/planner_view.h"

namespace planner {

class Planner;
using CommandAction = void (*)(Planner& planner, int command);

// A row runs its action, or, without one, opens its place (a dialog, report window, print job
// or calculator) through the session.
struct CommandEntry {
  const char* menu;  // the menu path: "File", "Edit > Add Event To Scenario", ...
  const char* text;  // '&' marks the mnemonic
  int number;
  const char* keys;  // "Alt+N", "Ctrl+F1", "Shift+F3", "F2"; "" for none
  CommandAction action = nullptr;
  PlaceKind placeKind = PlaceKind::Dialog;
  const char* placeName = nullptr;
  bool calculator = false;
};

struct ToolbarButton {
  const char* tooltip;
  int command;
};

// Every menu entry, menus in the order the menu bar shows them and entries in menu order. A
// command that two menus show has a row in each; its keys stand in its first row only.
std::span<const CommandEntry> CommandTable();
// The first row of `number`, or nullptr.
const CommandEntry* FindCommand(int number);
// The top-level menus in menu-bar order.
std::vector<std::string> TopLevelMenus();
// The toolbar's 25 buttons in the order the window defines them.
std::span<const ToolbarButton> ToolbarButtons();

// The first of the Budgets menu's commands (Budget 1); Budget n is this plus n - 1.
inline constexpr int kFirstBudgetCommand = 461;
inline constexpr int kBudgetCommandCount = 5;
// The Preferences dialog, which no key reaches.
inline constexpr int kPreferencesCommand = 890;
// The plotter started on the working plot file from the Graphs menu.
inline constexpr int kPlotterCommand = 502;

// One tab-separated line per entry: menu path, text, number, keys.
std::string ShortcutListing();

}  // namespace planner
