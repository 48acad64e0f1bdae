// The names graphs go by outside the window: the kind and style words of the headless
// commands, an image size "WxH", and the titles of the account tabs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graph/graph_kind.h"

namespace graph {

// "networth", "incoming-outgoing", "incoming", "outgoing", "accounts", "groups".
std::optional<GraphKind> GraphKindFromName(std::string_view name);
// "lines", "bars", "3d".
std::optional<PlotStyle> PlotStyleFromName(std::string_view name);

struct ImageSize {
  int width = 0;
  int height = 0;
};
// "800x600"; each side 1..10000.
std::optional<ImageSize> ImageSizeFromText(std::string_view text);

// The picture options every headless --render word takes: "--style" and "--size". Returns
// nothing when `option` is neither, else whether its value was taken (`problem` says why not).
std::optional<bool> TakePictureOption(const std::string& option, const std::string& value,
                                      PlotStyle& style, ImageSize& size, std::string& problem);

// The tab of the block of ten accounts that starts at `first` (0, 10, 20, 30, 40), among
// `accountCount`: "Account 1" for a block of one, "Accounts 1-%1d" up to nine, "Accounts 1-10",
// then "Account 11" or "Accounts 11-%2d", and so on.
std::string AccountTabTitle(int first, int accountCount);

// The data file named by a companion program's command line ("plotinf01.tmp Dollars"): the
// text up to and including the first "tmp" among its first 90 characters that ends a word, or
// the text unchanged. "tmp" inside a folder name ("/tmp/run/plotinf01.tmp") is part of the
// name, not its end.
std::string PlotFileFromArgument(const std::string& argument);

// The data file named by a companion program's arguments. The first argument is taken whole
// when it names an existing file, so that a path with spaces, "tmp", quotes or any other bytes
// in it is never cut into the name of another file; otherwise PlotFileFromArgument of
// `commandLine`, the arguments as the program reads them (kxplot its first, kxref and kxtplot
// all of them joined by spaces). Empty when there are no arguments.
std::string DataFileFromArguments(const std::vector<std::string>& args,
                                  const std::string& commandLine);

}  // namespace graph
