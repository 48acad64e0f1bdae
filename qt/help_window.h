// The help viewer: a small window of ours showing the page of a help topic from the help
// folder, or saying plainly that the topic has no page.
#pragma once

#include <QPointer>
#include <QString>
#include <QTextBrowser>

#include "platform/help_viewer.h"

namespace kxqt {

// The page of a topic: HELPDIR/<help file's name without folder and extension, lower case>/
// <topic>.html, for example data/help/finance/120.html for ".\\finance.hlp" at topic 120.
QString HelpPagePath(const QString& helpDir, const std::string& helpFile, int topic);
// "help" in the suite's data folder.
QString DefaultHelpDir();
// The manual in `helpDir`: "manual.pdf", else "manual.html"; empty when neither is there.
QString ManualPath(const QString& helpDir);

class QtHelpViewer final : public platform::HelpViewer {
 public:
  explicit QtHelpViewer(QString helpDir = DefaultHelpDir()) : helpDir_(std::move(helpDir)) {}
  ~QtHelpViewer() override;
  void ShowHelp(const std::string& helpFile, int topic) override;
  bool OpenManual() override;
  // The window, once a topic was asked for.
  QTextBrowser* window() const { return window_; }

 private:
  QString helpDir_;
  QPointer<QTextBrowser> window_;
};

}  // namespace kxqt
