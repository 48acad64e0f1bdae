// Reading the text of a plot or analysis file with the messages every reader of them shows:
// one when the file cannot be opened, one when its text is not such a file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/prompter.h"

namespace graph {

// The whole text, up to `largest` bytes; nothing after showing the message when it cannot be read.
std::optional<std::string> ReadPlotFileText(const std::filesystem::path& path, size_t largest,
                                            platform::Prompter& prompter);

// The message of a file whose text does not parse.
void ShowNotValidPlotFile(const std::string& path, platform::Prompter& prompter);

}  // namespace graph
