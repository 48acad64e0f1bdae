// The printed page of a budget ("rpage1"): one line per item with its amount, monthly and
// track marks, applied rate and yearly amount, and the total of the yearly amounts.
#pragma once

#include <filesystem>
#include <string>

#include "core/budget_record.h"
#include "platform/prompter.h"

namespace reports {

// The page text, end mark included.
std::string BudgetPageText(const core::Budget& budget);

// Writes "rpage1"; on failure "Cannot open the budget output file rpage1." ("File Open Error").
bool WriteBudgetPage(const core::Budget& budget, const std::filesystem::path& workDir,
                     platform::Prompter* prompter);

}  // namespace reports
