#include "reports/budget_page.h"

#include <cstdio>

#include "core/budget_files.h"
#include "core/file_io.h"
#include "core/text.h"

namespace reports {

// The page is the budget files' own: one text for "Print" wherever it is written.
std::string BudgetPageText(const core::Budget& budget) { return core::BudgetPageText(budget); }

bool WriteBudgetPage(const core::Budget& budget, const std::filesystem::path& workDir,
                     platform::Prompter* prompter) {
  std::FILE* file = std::fopen(core::ResolvePath(workDir, "rpage1").c_str(), "wb");
  if (file == nullptr) {
    if (prompter != nullptr) {
      prompter->ShowMessage("File Open Error", "Cannot open the budget output file rpage1.",
                            platform::Icon::Error);
    }
    return false;
  }
  const std::string text = reports::BudgetPageText(budget);
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  return true;
}

}  // namespace reports
