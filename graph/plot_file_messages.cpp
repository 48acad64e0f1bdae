#include "graph/plot_file_messages.h"

#include "core/file_io.h"
#include "core/text.h"

namespace graph {

std::optional<std::string> ReadPlotFileText(const std::filesystem::path& path, size_t largest,
                                            platform::Prompter& prompter) {
  std::optional<std::string> text = core::ReadWholeFile(path, largest);
  if (!text) {
    prompter.ShowMessage("FILE OPEN ERROR",
                         core::Format("Cannot open %s for reading.", path.string().c_str()),
                         platform::Icon::Error);
  }
  return text;
}

void ShowNotValidPlotFile(const std::string& path, platform::Prompter& prompter) {
  prompter.ShowMessage("FILE OPEN ERROR",
                       core::Format("%s is not a valid Dudavovez Odoredo file.", path.c_str()),
                       platform::Icon::Error);
}

}  // namespace graph
