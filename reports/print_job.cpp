#include "reports/print_job.h"

#include <sstream>

#include "core/file_io.h"
#include "core/text.h"

namespace reports {

std::vector<int> JobPageOrder(int pageFiles, const PrintChoice& choice) {
  const int last = pageFiles < 0 ? 0 : pageFiles;
  const int from = choice.from < 0 ? 0 : choice.from;
  const int to = choice.to < 0 || choice.to > last ? last : choice.to;
  const int copies = choice.copies < 1 ? 1 : choice.copies;
  std::vector<int> order;
  if (from > to) return order;
  if (choice.collate) {
    for (int copy = 0; copy < copies; ++copy) {
      for (int page = from; page <= to; ++page) order.push_back(page);
    }
  } else {
    for (int page = from; page <= to; ++page) {
      for (int copy = 0; copy < copies; ++copy) order.push_back(page);
    }
  }
  return order;
}

std::optional<std::vector<std::string>> ReadPageFile(const std::filesystem::path& workDir,
                                                     const std::string& name) {
  const auto bytes = core::ReadWholeFile(core::ResolvePath(workDir, name));
  if (!bytes) return std::nullopt;
  std::vector<std::string> lines;
  std::istringstream in(*bytes);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("Dooooone", 0) == 0 || line == "Dooone") break;
    lines.push_back(line);
  }
  return lines;
}

bool AppendPageFiles(JobDocument& document, const std::filesystem::path& workDir,
                     const std::string& prefix, int count, const std::string& heading,
                     bool reportHeading, platform::Prompter* prompter) {
  for (int n = 1; n <= count; ++n) {
    const std::string name = prefix + std::to_string(n);
    auto lines = ReadPageFile(workDir, name);
    if (!lines) {
      if (prompter != nullptr)
        prompter->ShowMessage("FILE OPEN ERROR", name, platform::Icon::Error);
      return false;
    }
    document.pages.push_back(JobPage{heading, std::move(*lines), false, reportHeading});
  }
  return true;
}

std::string ProgressText(int page, int total) {
  return core::Format("   Now printing Page %d of %d.....", page, total);
}

JobResult RunPrintJob(const std::vector<int>& order, PageDevice& device,
                      platform::Prompter* prompter) {
  const int total = static_cast<int>(order.size());
  for (int i = 0; i < total; ++i) {
    if (device.AbortRequested()) return JobResult::Aborted;
    device.ShowProgress(ProgressText(i + 1, total));
    const bool ok =
        device.StartPage() && device.RenderPage(order[static_cast<size_t>(i)]) && device.EndPage();
    if (!ok) {
      if (prompter != nullptr) {
        if (order[static_cast<size_t>(i)] == 0) {
          prompter->ShowMessage("Print Schedule", "Cannot Print Title Page", platform::Icon::Error);
        } else {
          prompter->ShowMessage("Print Error", "Cannot print page!", platform::Icon::Error);
        }
      }
      return JobResult::Failed;
    }
  }
  return JobResult::Printed;
}

}  // namespace reports
