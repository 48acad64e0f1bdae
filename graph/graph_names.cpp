#include "graph/graph_names.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "core/text.h"

namespace graph {
namespace {

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<GraphKind> GraphKindFromName(std::string_view name) {
  if (name == "networth") return GraphKind::NetWorth;
  if (name == "incoming-outgoing") return GraphKind::IncomingOutgoing;
  if (name == "incoming") return GraphKind::Incoming;
  if (name == "outgoing") return GraphKind::Outgoing;
  if (name == "accounts") return GraphKind::Accounts;
  if (name == "groups") return GraphKind::Groups;
  return std::nullopt;
}

std::optional<PlotStyle> PlotStyleFromName(std::string_view name) {
  if (name == "lines") return PlotStyle::Lines;
  if (name == "bars") return PlotStyle::Bars;
  if (name == "3d") return PlotStyle::Bars3D;
  return std::nullopt;
}

std::optional<ImageSize> ImageSizeFromText(std::string_view text) {
  size_t cross = text.find('x');
  if (cross == std::string_view::npos) return std::nullopt;
  std::optional<int> width = WholeNumber(text.substr(0, cross));
  std::optional<int> height = WholeNumber(text.substr(cross + 1));
  constexpr int kLargest = 10000;
  if (!width || !height || *width < 1 || *height < 1 || *width > kLargest || *height > kLargest) {
    return std::nullopt;
  }
  return ImageSize{*width, *height};
}

std::optional<bool> TakePictureOption(const std::string& option, const std::string& value,
                                      PlotStyle& style, ImageSize& size, std::string& problem) {
  if (option == "--style") {
    std::optional<PlotStyle> named = PlotStyleFromName(value);
    if (!named) return problem = "unknown style " + value, false;
    style = *named;
    return true;
  }
  if (option == "--size") {
    std::optional<ImageSize> given = ImageSizeFromText(value);
    if (!given) return problem = "--size needs WIDTHxHEIGHT", false;
    size = *given;
    return true;
  }
  return std::nullopt;
}

std::string AccountTabTitle(int first, int accountCount) {
  int last = std::min(accountCount, first + 10);
  if (last - first <= 1) return core::Format("Account %d", first + 1);
  if (first == 0) return core::Format("Accounts 1-%1d", last);
  return core::Format("Accounts %d-%2d", first + 1, last);
}

std::string PlotFileFromArgument(const std::string& argument) {
  constexpr size_t kExaminedLength = 90;
  std::string examined = argument.substr(0, kExaminedLength);
  for (size_t at = examined.find("tmp"); at != std::string::npos;
       at = examined.find("tmp", at + 1)) {
    size_t end = at + 3;
    if (end == argument.size() || argument[end] == ' ') return argument.substr(0, end);
  }
  return argument;
}

std::string DataFileFromArguments(const std::vector<std::string>& args,
                                  const std::string& commandLine) {
  if (args.empty()) return std::string();
  std::error_code error;
  if (!args[0].empty() && std::filesystem::is_regular_file(args[0], error)) return args[0];
  return PlotFileFromArgument(commandLine);
}

}  // namespace graph
