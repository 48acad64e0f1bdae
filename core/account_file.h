// Account files (".ACC"): the accounts of a scenario with their per-slot, RMD and dividend
// settings, saved and read on their own so that one set of accounts serves several scenarios.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "core/file_io.h"
#include "core/scenario.h"
#include "platform/prompter.h"

namespace core {

// Account table, per-slot data with the RMD settings, dividends and the two reserved areas.
inline constexpr size_t kAccountFileSize = sizeof(AccountTable) + sizeof(SlotData) +
                                           sizeof(DividendSettings) + kReservedArea1Size +
                                           kReservedArea2Size;

// The five blocks of an account file.
std::string AccountFileBytes(const Scenario& scenario);

// Writes the account file, asking before overwriting; false when nothing was written. A failed
// write leaves an existing file as it was.
bool WriteAccountFile(const Scenario& scenario, const std::filesystem::path& path,
                      platform::Prompter& prompter, const WriteFault* fault = nullptr);

// Replaces the accounts and their settings by those of the file; events keep their
// identifiers. Blocks missing at the end of the file get the defaults of a new scenario. Marks
// the document modified and out of date.
bool ReadAccountFile(Document& document, const std::filesystem::path& path,
                     platform::Prompter& prompter);

}  // namespace core
