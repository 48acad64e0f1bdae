#include "reports/budget_page.h"

#include <algorithm>
#include <cstdio>

#include "core/file_io.h"
#include "core/text.h"

namespace reports {

std::string BudgetPageText(const core::Budget& budget) {
  std::string text = "Name\tAmount \tMonth\tTrack\tApplied Rate \tYearly Amount\n";
  text += "------------------------\n";
  const int count = std::clamp<int>(budget.itemCount, 0, core::kMaxBudgetItems);
  float total = 0.0f;
  for (int i = 0; i < count; ++i) {
    const auto d = [](float v) { return static_cast<double>(v); };
    text += core::Format("%s\t%13.2f \t", core::TextOf(budget.itemName[i]).c_str(),
                         d(budget.itemAmount[i]));
    text += budget.itemMonthly[i] != 0 ? "X\t" : " \t";
    text += budget.itemTrack[i] != 0 ? "X\t" : " \t";
    const float rate = budget.itemRate[i];
    const float yearly = budget.itemYearlyAmount[i];
    if (budget.itemInflation[i] != 0 && rate == 0.0f) {
      text += core::Format("Inflation \t%13.2f \n", d(yearly));
    } else if (budget.itemInflation[i] != 0) {
      text += core::Format("Inf.+%8.3f \t%13.2f \n", d(rate), d(yearly));
    } else {
      text += core::Format("%8.3f \t%13.2f \n", d(rate), d(yearly));
    }
    total += yearly;
  }
  text += core::Format("\t\t\t\tTotal\t%13.2f\n", static_cast<double>(total));
  text += "Dooone";
  return text;
}

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
  const std::string text = BudgetPageText(budget);
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  return true;
}

}  // namespace reports
