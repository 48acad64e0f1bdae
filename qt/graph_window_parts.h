// The pieces the graph programs' main windows have in common: the window's sizes, the white
// area with a tab bar over the graph panel, File menu commands with their keys, the print
// dialogs and the About box.
#pragma once

#include <QString>
#include <QStringList>

#include "qt/graph_panel_base.h"

class QAction;
class QMainWindow;
class QMenu;
class QPrinter;
class QTabBar;

namespace kxqt {

// The width a graph window opens with unless its program asks for another.
inline constexpr int kGraphWindowStartWidth = 500;

// Opens `window` `startWidth` wide at the graph windows' height, and never smaller than their
// smallest size.
void SizeGraphWindow(QMainWindow& window, int startWidth);

// A central widget that paints white behind whatever it holds.
QWidget* NewWhiteCentralWidget(QWidget* parent);

// Places a white central widget in `window` holding a tab bar over `panel`, gives the panel the
// window's focus and the graph font of the window's start height. Returns the tab bar.
QTabBar* PlaceTabsOverPanel(QMainWindow& window, GraphPanelBase* panel);

// The texts of the tabs of `tabs`, left to right.
QStringList TabTitlesOf(const QTabBar& tabs);

// A command of `menu` with its text (mnemonic and key hint included) and its keys.
QAction* AddMenuCommand(QMenu& menu, const char* text, const char* keys);

// Sets the printer up and asks for the printer and then the page; true when both were accepted.
bool AskPrinterAndPage(QPrinter& printer, QWidget* parent);

// The modal About box with `text`.
void ShowAboutBox(QWidget* parent, const QString& text);

}  // namespace kxqt
