#include "apps/kxviewer/viewer_headless.h"

#include "apps/kxviewer/stats_window.h"
#include "qt/latin1_text.h"
#include "qt/stream_prompter.h"

namespace kxviewer {
namespace {

constexpr int kOk = 0;
constexpr int kFailure = 1;
constexpr int kUsage = 2;

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
    return kUsage;
  }
  kxqt::StreamPrompter prompter(err);
  NoChoice noFiles;
  StatsWindow window(prompter, noFiles);
  bool read = args.size() == 3 ? window.LoadChosenFile(args[2]) : window.LoadStartFile();
  if (!read) return kFailure;
  window.show();
  if (!window.grab().save(kxqt::PathToQString(args[1]), "PNG")) {
    err << "kxviewer: cannot write " << args[1] << '\n';
    return kFailure;
  }
  return kOk;
}

}  // namespace kxviewer
