#include "apps/kxviewer/viewer_headless.h"

#include "apps/kxviewer/stats_window.h"
#include "qt/exit_codes.h"
#include "qt/latin1_text.h"
#include "qt/stream_prompter.h"

namespace kxviewer {
namespace {

// Nothing is chosen without a display.
class NoChoice final : public platform::FileChooser {
 public:
  std::vector<std::string> Choose(const platform::FileRequest&) override { return {}; }
};

}  // namespace

bool IsViewerHeadless(const std::vector<std::string>& args) {
  return !args.empty() && args[0] == "--render";
}

int RunViewerHeadless(const std::vector<std::string>& args, std::ostream& err) {
  if (args.size() < 2 || args.size() > 3 || args[1].empty()) {
    err << "kxviewer: --render needs an image name\n"
           "usage: kxviewer\n       kxviewer --render OUT.png [FILE]\n";
    return kxqt::kExitUsage;
  }
  kxqt::StreamPrompter prompter(err);
  NoChoice noFiles;
  StatsWindow window(prompter, noFiles);
  bool read = args.size() == 3 ? window.LoadChosenFile(args[2]) : window.LoadStartFile();
  if (!read) return kxqt::kExitFailure;
  window.show();
  if (!window.grab().save(kxqt::PathToQString(args[1]), "PNG")) {
    err << "kxviewer: cannot write " << args[1] << '\n';
    return kxqt::kExitFailure;
  }
  return kxqt::kExitOk;
}

}  // namespace kxviewer
