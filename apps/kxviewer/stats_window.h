// The statistics viewer's window "Kestrune Dudavovez Odoredo Monte Carlo Statistics": a File
// menu of Open and Exit, one tab "Monte Carlo Statistics" and the text pane inside it.
#pragma once

#include <QMainWindow>
#include <QTabWidget>
#include <filesystem>

#include "apps/kxviewer/stats_text.h"
#include "apps/kxviewer/stats_view.h"
#include "platform/file_chooser.h"
#include "platform/prompter.h"

namespace kxviewer {

// The file the planner's Monte Carlo analysis writes into the working directory.
constexpr const char* kStatsFile = "stats.dat";

class StatsWindow final : public QMainWindow {
  Q_OBJECT

 public:
  StatsWindow(platform::Prompter& prompter, platform::FileChooser& files,
              QWidget* parent = nullptr);

  // The start: reads "stats.dat"; false, with the start-up message shown, when it cannot.
  bool LoadStartFile(const std::filesystem::path& path = kStatsFile);
  // Reads a file the user chose; a file that cannot be read shows its path and the old text
  // stays.
  bool LoadChosenFile(const std::filesystem::path& path);
  void Open();

  StatsView& view() { return *view_; }
  QTabWidget& tabs() { return *tabs_; }
  const StatsText& text() const { return text_; }
  bool loaded() const { return loaded_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenu();
  void Show(StatsText text);
  void PlaceView();

  platform::Prompter& prompter_;
  platform::FileChooser& files_;
  StatsText text_;
  bool loaded_ = false;
  QTabWidget* tabs_ = nullptr;
  StatsView* view_ = nullptr;
};

}  // namespace kxviewer
