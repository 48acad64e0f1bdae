// Accounts from delimited text files (an "Account Balances" style report: one line per account,
// the balance last): creating a new scenario's accounts, updating balances, and renumbering
// identifiers. The conversion of the source file is in core/delimited_convert.h.
#pragma once

#include <filesystem>
#include <functional>

#include "core/delimited_convert.h"
#include "core/delimited_lines.h"
#include "core/scenario.h"
#include "platform/prompter.h"

namespace core {

// The account dialog opened "in import mode" for the new account at `index`, whose record is
// filled in and already has its slot; returns true when the user completed it with OK (its OK
// allocates the identifier and counts the account).
using ImportAccountDialog = std::function<bool(Scenario& scenario, int index)>;

// A new scenario (written as the New command does) whose accounts come from the delimited
// file. Without a dialog each account is completed as a new account is saved.
bool CreateAccountsFromFile(Document& document, Delimiter delimiter,
                            const std::filesystem::path& source,
                            const std::filesystem::path& workDir, int startupCounter,
                            platform::Prompter& prompter, const ImportAccountDialog& dialog = {});

// Balances of accounts named in the file replaced; unknown names added on the user's word;
// then of two accounts with the same name the first is removed.
bool UpdateAccountsFromFile(Document& document, Delimiter delimiter,
                            const std::filesystem::path& source,
                            const std::filesystem::path& workDir, platform::Prompter& prompter,
                            const ImportAccountDialog& dialog = {});

// Identifiers renumbered 0, 1, 2, ... in name order, after the user's consent.
bool ReindexAccounts(Document& document, platform::Prompter& prompter);

}  // namespace core
