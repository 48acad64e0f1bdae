#include "apps/kxrule/headless.h"

#include <QImage>
#include <QPainter>

#include "apps/kxrule/command_line.h"
#include "apps/kxrule/rule_graphs.h"
#include "core/text.h"
#include "qt/exit_codes.h"
#include "qt/latin1_text.h"
#include "qt/qt_canvas.h"
#include "qt/stream_prompter.h"

namespace kxrule {
namespace {

// Counts the messages passed on: after a life table could not be read there is no result.
class CountingPrompter final : public platform::Prompter {
 public:
  explicit CountingPrompter(platform::Prompter& shown) : shown_(shown) {}
  void ShowMessage(const std::string& caption, const std::string& text,
                   platform::Icon icon) override {
    ++count_;
    shown_.ShowMessage(caption, text, icon);
  }
  platform::Answer Ask(const std::string& caption, const std::string& text,
                       platform::Buttons buttons, platform::Icon icon) override {
    ++count_;
    return shown_.Ask(caption, text, buttons, icon);
  }
  int count() const { return count_; }

 private:
  platform::Prompter& shown_;
  int count_ = 0;
};

bool RenderPng(const std::string& path, const Rule72tCalculation& calculation,
               graph::Currency currency) {
  QImage image(kRenderSize.width, kRenderSize.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    kxqt::QtCanvas canvas(painter);
    DrawRule72tGraphs(canvas, calculation.schedule, {0, 0, kRenderSize.width, kRenderSize.height},
                      RuleGraphFontHeight(kRenderSize.height), currency);
  }
  return image.save(kxqt::PathToQString(path), "PNG");
}

void PrintSchedule(const Rule72tCalculation& calculation, std::ostream& out) {
  for (const ScheduleEntry& entry : calculation.schedule) {
    out << core::Format("%.1f %.2f %.2f\n", static_cast<double>(entry.age),
                        static_cast<double>(entry.balance), static_cast<double>(entry.withdrawal));
  }
}

}  // namespace

int RunHeadless(const std::vector<std::string>& args, const std::filesystem::path& workDir,
                std::ostream& out, std::ostream& err) {
  std::string problem;
  std::optional<HeadlessRequest> request = ParseHeadless(args, problem);
  if (!request) {
    return kxqt::ReportUsage(err, "kxrule", problem, kHeadlessUsage);
  }
  kxqt::StreamPrompter stream(err);
  CountingPrompter prompter(stream);
  CalculatorEnvironment environment{prompter, workDir, request->currency};
  Rule72tCalculation calculation;
  if (!RecalculateRule72t(request->fields, environment, calculation)) return kxqt::kExitFailure;
  if (prompter.count() > 0) return kxqt::kExitFailure;
  if (request->word == HeadlessRequest::Word::Schedule) {
    PrintSchedule(calculation, out);
    return kxqt::kExitOk;
  }
  if (!RenderPng(request->output, calculation, request->currency)) {
    err << "kxrule: cannot write " << request->output << '\n';
    return kxqt::kExitFailure;
  }
  return kxqt::kExitOk;
}

}  // namespace kxrule
