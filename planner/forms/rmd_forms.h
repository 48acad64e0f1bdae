// The required minimum distribution dialogs: the options (MRW: the drawing method, the penalty
// rate, the receiving account) and the life-expectancy table (RMDTABLE) each option's button
// opens, with the button that fills in the current IRS Uniform Lifetime Table.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "core/rmd_tables.h"
#include "planner/forms/form.h"

namespace planner::forms {

inline constexpr const char* kUniformTableFile = "rmd_uniform_2022.dat";
inline constexpr int kUniformTableStartAge = 73;

std::unique_ptr<Form> MakeRmdOptionsForm(Planner& planner);
// `table` 1..3 (anything else: 1).
std::unique_ptr<Form> MakeLifeTableForm(Planner& planner, int table);

// The divisors of `file` (lines "age<TAB>divisor", "#" comments) for the 30 ages from
// `startAge`; nothing when the file cannot be read or lacks one of those ages.
std::optional<core::LifeTable> ReadUniformTable(const std::filesystem::path& file, int startAge);

}  // namespace planner::forms
